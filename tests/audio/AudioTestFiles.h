#pragma once
#include <cmath>
#include <cstdint>
#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

// Files the audio tests write for themselves under the build tree's
// test-output folder, which is also where the game's asset paths resolve.
namespace audiotest {

inline std::filesystem::path outputFolder(const std::string& name)
{
    const std::filesystem::path folder = std::filesystem::path(DH_BUILD_DIR) / "test-output" / "audio" / name;
    std::filesystem::create_directories(folder);
    return folder;
}

// The asset path ("test-output//audio//<name>//<file>") of a file in outputFolder(name).
inline std::string assetName(const std::string& name, const std::string& file)
{
    return "test-output//audio//" + name + "//" + file;
}

inline void putU16(std::vector<std::uint8_t>& out, unsigned value)
{
    out.push_back(static_cast<std::uint8_t>(value & 0xFF));
    out.push_back(static_cast<std::uint8_t>((value >> 8) & 0xFF));
}

inline void putU32(std::vector<std::uint8_t>& out, std::uint32_t value)
{
    putU16(out, value & 0xFFFF);
    putU16(out, value >> 16);
}

inline void putTag(std::vector<std::uint8_t>& out, const char* tag)
{
    out.insert(out.end(), tag, tag + 4);
}

struct WavSpec {
    const char* riff = "RIFF";
    const char* wave = "WAVE";
    const char* fmt = "fmt ";
    unsigned formatTag = 1;
    unsigned channels = 1;
    std::uint32_t rate = 22050;
    unsigned bits = 16;
    unsigned extraFormatBytes = 0;
    std::vector<std::uint8_t> chunksBeforeData;
    bool writeData = true;
    std::int64_t dataSizeField = -1;  // -1: the real size
    std::vector<std::uint8_t> data;
};

inline std::vector<std::uint8_t> wavBytes(const WavSpec& spec)
{
    std::vector<std::uint8_t> out;
    putTag(out, spec.riff);
    putU32(out, 0);
    putTag(out, spec.wave);
    putTag(out, spec.fmt);
    putU32(out, 16 + spec.extraFormatBytes);
    putU16(out, spec.formatTag);
    putU16(out, spec.channels);
    putU32(out, spec.rate);
    const unsigned block = spec.channels * spec.bits / 8;
    putU32(out, spec.rate * block);
    putU16(out, block);
    putU16(out, spec.bits);
    out.insert(out.end(), spec.extraFormatBytes, 0);
    out.insert(out.end(), spec.chunksBeforeData.begin(), spec.chunksBeforeData.end());
    if (spec.writeData) {
        putTag(out, "data");
        putU32(out, spec.dataSizeField < 0 ? static_cast<std::uint32_t>(spec.data.size())
                                           : static_cast<std::uint32_t>(spec.dataSizeField));
        out.insert(out.end(), spec.data.begin(), spec.data.end());
    }
    const auto riffSize = static_cast<std::uint32_t>(out.size() - 8);
    for (int i = 0; i < 4; ++i) {
        out[4 + i] = static_cast<std::uint8_t>(riffSize >> (8 * i));
    }
    return out;
}

inline void writeFile(const std::filesystem::path& path, const std::vector<std::uint8_t>& bytes)
{
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    out.write(reinterpret_cast<const char*>(bytes.data()), static_cast<std::streamsize>(bytes.size()));
}

inline std::vector<std::uint8_t> pcm16(const std::vector<std::int16_t>& samples)
{
    std::vector<std::uint8_t> out;
    for (std::int16_t s : samples) {
        putU16(out, static_cast<std::uint16_t>(s));
    }
    return out;
}

// A sine of the given frequency, amplitude and phase at a sample rate.
inline std::vector<std::int16_t> sine(double frequency, std::uint32_t rate, std::size_t frames,
                                      double amplitude = 16000.0, double phase = 0.3)
{
    std::vector<std::int16_t> out(frames);
    for (std::size_t i = 0; i < frames; ++i) {
        out[i] = static_cast<std::int16_t>(std::lround(amplitude * std::sin(phase + 2.0 * M_PI * frequency * i / rate)));
    }
    return out;
}

// A one-track MIDI file: a few notes on a piano, then the end of the track.
inline std::vector<std::uint8_t> midiBytes(int firstNote)
{
    std::vector<std::uint8_t> track;
    for (int i = 0; i < 4; ++i) {
        const auto note = static_cast<std::uint8_t>(firstNote + 2 * i);
        track.insert(track.end(), {0x00, 0x90, note, 0x60, 0x83, 0x60, 0x80, note, 0x40});
    }
    track.insert(track.end(), {0x00, 0xFF, 0x2F, 0x00});
    std::vector<std::uint8_t> out = {'M', 'T', 'h', 'd', 0, 0, 0, 6, 0, 0, 0, 1, 0x01, 0xE0, 'M', 'T', 'r', 'k'};
    const auto size = static_cast<std::uint32_t>(track.size());
    out.insert(out.end(), {static_cast<std::uint8_t>(size >> 24), static_cast<std::uint8_t>(size >> 16),
                           static_cast<std::uint8_t>(size >> 8), static_cast<std::uint8_t>(size)});
    out.insert(out.end(), track.begin(), track.end());
    return out;
}

// Sign changes along one channel of interleaved stereo frames [begin, end).
inline int zeroCrossings(const std::vector<std::int16_t>& stereo, std::size_t begin, std::size_t end, int channel)
{
    int crossings = 0;
    for (std::size_t i = begin + 1; i < end; ++i) {
        if ((stereo[2 * (i - 1) + channel] < 0) != (stereo[2 * i + channel] < 0)) {
            ++crossings;
        }
    }
    return crossings;
}

// One past the last frame with any non-zero sample.
inline std::size_t soundingFrames(const std::vector<std::int16_t>& stereo)
{
    std::size_t frames = stereo.size() / 2;
    while (frames > 0 && stereo[2 * frames - 1] == 0 && stereo[2 * frames - 2] == 0) {
        --frames;
    }
    return frames;
}

}
