#pragma once
#include <cmath>
#include <cstdint>
#include <filesystem>
#include <fstream>
#include <memory>
#include <string>
#include <vector>

#include "audio/SoundEffects.h"
#include "audio/SoundSample.h"
#include "platform/SoundMixer.h"

// Files the audio tests write under the build tree's test-output folder,
// where the game's asset paths also resolve.
namespace audiotest {

inline std::filesystem::path outputFolder(const std::string& name)
{
    const std::filesystem::path folder = std::filesystem::path(DH_BUILD_DIR) / "test-output" / "audio" / name;
    std::filesystem::create_directories(folder);
    return folder;
}

// Little-endian, as RIFF and the sound device want it.
inline void put(std::vector<std::uint8_t>& out, std::uint32_t value, int bytes)
{
    for (int i = 0; i < bytes; ++i)
        out.push_back(static_cast<std::uint8_t>(value >> (8 * i)));
}

// The fields of a WAV file, to be bent out of shape one at a time.
struct WavLayout {
    std::string riff = "RIFF", wave = "WAVE", fmt = "fmt ";
    unsigned formatTag = 1, channels = 1;
    std::uint32_t rate = 22050;
    unsigned bits = 16, extraFormatBytes = 0;
    std::vector<std::uint8_t> chunksBeforeData;
    bool writeData = true;
    std::int64_t dataSizeField = -1;  // -1: the real size
    std::vector<std::uint8_t> data;
};

inline std::vector<std::uint8_t> wavBytes(const WavLayout& l)
{
    std::vector<std::uint8_t> out(l.riff.begin(), l.riff.end());
    put(out, 0, 4);
    out.insert(out.end(), l.wave.begin(), l.wave.end());
    out.insert(out.end(), l.fmt.begin(), l.fmt.end());
    const unsigned block = l.channels * l.bits / 8;
    for (auto [value, bytes] : {std::pair{16 + l.extraFormatBytes, 4}, {l.formatTag, 2}, {l.channels, 2},
                                {l.rate, 4}, {l.rate * block, 4}, {block, 2}, {l.bits, 2}})
        put(out, value, bytes);
    out.insert(out.end(), l.extraFormatBytes, 0);
    out.insert(out.end(), l.chunksBeforeData.begin(), l.chunksBeforeData.end());
    if (l.writeData) {
        out.insert(out.end(), {'d', 'a', 't', 'a'});
        put(out, static_cast<std::uint32_t>(l.dataSizeField < 0 ? std::int64_t(l.data.size()) : l.dataSizeField), 4);
        out.insert(out.end(), l.data.begin(), l.data.end());
    }
    for (int i = 0; i < 4; ++i)
        out[4 + i] = static_cast<std::uint8_t>((out.size() - 8) >> (8 * i));
    return out;
}

inline void writeFile(const std::filesystem::path& path, const std::vector<std::uint8_t>& bytes)
{
    std::ofstream(path, std::ios::binary | std::ios::trunc)
        .write(reinterpret_cast<const char*>(bytes.data()), static_cast<std::streamsize>(bytes.size()));
}

inline std::vector<std::uint8_t> pcm16(const std::vector<std::int16_t>& samples)
{
    std::vector<std::uint8_t> out;
    for (std::int16_t s : samples)
        put(out, static_cast<std::uint16_t>(s), 2);
    return out;
}

inline std::vector<std::int16_t> sine(double frequency, std::uint32_t rate, std::size_t frames)
{
    std::vector<std::int16_t> out(frames);
    for (std::size_t i = 0; i < frames; ++i)
        out[i] = static_cast<std::int16_t>(std::lround(16000.0 * std::sin(0.3 + 2.0 * M_PI * frequency * i / rate)));
    return out;
}

// A one-track MIDI file: four piano notes, then the end of the track.
inline std::vector<std::uint8_t> midiBytes(int firstNote)
{
    std::vector<std::uint8_t> track;
    for (int i = 0; i < 4; ++i) {
        const auto note = static_cast<std::uint8_t>(firstNote + 2 * i);
        track.insert(track.end(), {0x00, 0x90, note, 0x60, 0x83, 0x60, 0x80, note, 0x40});
    }
    track.insert(track.end(), {0x00, 0xFF, 0x2F, 0x00});
    std::vector<std::uint8_t> out = {'M', 'T', 'h', 'd', 0, 0, 0, 6, 0, 0, 0, 1, 0x01, 0xE0, 'M', 'T', 'r', 'k'};
    put(out, static_cast<std::uint32_t>(track.size()) << 24, 4);  // big-endian, and under 256
    out.insert(out.end(), track.begin(), track.end());
    return out;
}

// Sign changes along one channel of interleaved stereo frames [begin, end).
inline int zeroCrossings(const std::vector<std::int16_t>& stereo, std::size_t begin, std::size_t end, int channel)
{
    int crossings = 0;
    for (std::size_t i = begin + 1; i < end; ++i)
        crossings += (stereo[2 * (i - 1) + channel] < 0) != (stereo[2 * i + channel] < 0);
    return crossings;
}

// A sample straight from PCM on the sound device, as loadWav would make it.
inline std::unique_ptr<dh::SoundSample> makeSample(const std::vector<std::int16_t>& samples, std::uint32_t rate)
{
    auto sample = std::make_unique<dh::SoundSample>();
    const std::vector<std::uint8_t> bytes = pcm16(samples);
    sample->buffer = dh::SoundBuffer::create(dh::g_soundDevice, {1, rate, 16}, bytes.data(), bytes.size());
    return sample;
}

// The sound device's next frames, interleaved stereo.
inline std::vector<std::int16_t> render(std::size_t frames)
{
    std::vector<std::int16_t> out(2 * frames);
    dh::g_soundDevice->render(out.data(), frames);
    return out;
}

// One past the last stereo frame with any non-zero sample.
inline std::size_t soundingFrames(const std::vector<std::int16_t>& stereo)
{
    std::size_t frames = stereo.size() / 2;
    while (frames > 0 && stereo[2 * frames - 1] == 0 && stereo[2 * frames - 2] == 0)
        --frames;
    return frames;
}

}
