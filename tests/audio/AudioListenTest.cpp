#include <gtest/gtest.h>

#include <chrono>
#include <cmath>
#include <cstdlib>
#include <cstring>
#include <fstream>
#include <iterator>
#include <optional>
#include <thread>

#include "audio/AudioTestFiles.h"
#include "audio/Music.h"
#include "audio/SoundEffects.h"
#include "audio/SoundSet.h"

// Renders a flight scene and the music to WAV files under test-output/audio
// for listening, and checks that they are audible and hardly clip.
namespace dh {
namespace {

struct Levels {
    double rms = 0.0;
    int peak = 0;
    int clipped = 0;
};

Levels measure(const std::vector<std::int16_t>& stereo)
{
    Levels levels;
    double sum = 0.0;
    for (std::int16_t s : stereo) {
        sum += static_cast<double>(s) * s;
        levels.peak = std::max(levels.peak, std::abs(static_cast<int>(s)));
        levels.clipped += s >= 32767 || s <= -32768;
    }
    levels.rms = stereo.empty() ? 0.0 : std::sqrt(sum / static_cast<double>(stereo.size()));
    return levels;
}

void writeStereoWav(const std::filesystem::path& path, const std::vector<std::int16_t>& stereo)
{
    audiotest::WavSpec spec;
    spec.channels = 2;
    spec.rate = 44100;
    spec.data = audiotest::pcm16(stereo);
    audiotest::writeFile(path, audiotest::wavBytes(spec));
}

void expectAudible(const std::vector<std::int16_t>& stereo, const std::string& what)
{
    const Levels levels = measure(stereo);
    EXPECT_GT(levels.rms, 300.0) << what;
    EXPECT_LE(levels.clipped, 8) << what;
    std::printf("%s: rms %.0f, peak %d, clipped %d\n", what.c_str(), levels.rms, levels.peak, levels.clipped);
}

TEST(AudioListen, FlightSceneMix)
{
    if (!std::filesystem::exists(std::filesystem::path(DH_BUILD_DIR) / "snd" / "shipEngine.wav")) {
        GTEST_SKIP() << "no generated sounds";
    }
    initOfflineSoundDevice(44100);
    loadSoundList();
    {
        SoundSet set(g_soundDevice);
        constexpr std::size_t kFrameSamples = 735;  // 1/60 s
        std::vector<std::int16_t> mix;
        std::uint32_t engine = playSoundAt(set, sample::shipEngine, 0, 0, -30, 96000, 0.85f, true);
        std::uint32_t laser = 0;
        std::uint32_t rocket = 0;
        for (int frame = 0; frame < 240; ++frame) {
            const float t = frame / 60.0f;
            switch (frame) {
            case 30: laser = playSoundAt(set, sample::laser, 0, -5, -20, 96000, 1, true); break;
            case 60: playSoundAt(set, sample::laserHit, 400, 0, -3000, 96000, 1, false); break;
            case 90: stopSound(set, laser); break;
            case 120: playSoundAt(set, sample::explosion, -2000, 0, -6000, 64000, 1, false); break;
            case 150:
                playSoundAt(set, sample::rocketFire, 0, 0, -10, 48000, 1, false);
                rocket = playSoundAt(set, sample::rocketEngine, 0, 0, -10, 32000, 1, true);
                break;
            case 210: playSoundAt(set, sample::collision1, -100, 0, -50, 32000, 1, false); break;
            default: break;
            }
            if (rocket != 0) {
                const float s = t - 2.5f;
                setSoundPosition(set, rocket, 2000 * s, 0, -10 - 2600 * s);
            }
            setSoundPitch(set, engine, 0.7f + 0.3f * t / 4.0f);
            updateSounds(set);
            std::vector<std::int16_t> part(2 * kFrameSamples);
            g_soundDevice->render(part.data(), kFrameSamples);
            mix.insert(mix.end(), part.begin(), part.end());
        }
        writeStereoWav(audiotest::outputFolder("listen") / "flight-mix.wav", mix);
        expectAudible(mix, "flight mix");
        clearSoundSet(set);
    }
    releaseSoundList();
    shutdownSoundDevice();
}

// The music as the output hears it, through SDL's disk driver.
std::optional<std::vector<std::int16_t>> recordMusic(const std::string& track, const std::filesystem::path& raw,
                                                    double seconds)
{
    setenv("SDL_AUDIODRIVER", "disk", 1);
    setenv("SDL_DISKAUDIOFILE", raw.c_str(), 1);
    setenv("SDL_DISKAUDIODELAY", "2", 1);
    initMusic();
    const bool ready = g_musicReady;
    if (ready) {
        // The output runs on while the song loads; what it wrote until then
        // is silence and does not count.
        playMusicFile(track);
        std::error_code error;
        const std::uintmax_t wanted = std::filesystem::file_size(raw, error)
            + static_cast<std::uintmax_t>((seconds + 1.0) * 44100 * 4);
        for (int wait = 0; wait < 1200 && std::filesystem::file_size(raw, error) < wanted; ++wait) {
            std::this_thread::sleep_for(std::chrono::milliseconds(50));
        }
    }
    shutdownMusic();
    unsetenv("SDL_DISKAUDIOFILE");
    unsetenv("SDL_DISKAUDIODELAY");
    unsetenv("SDL_AUDIODRIVER");
    if (!ready) {
        return std::nullopt;
    }
    std::ifstream in(raw, std::ios::binary);
    const std::vector<char> bytes{std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
    std::vector<std::int16_t> stereo(bytes.size() / 2);
    std::memcpy(stereo.data(), bytes.data(), 2 * stereo.size());
    std::size_t first = 0;
    while (first < stereo.size() && stereo[first] == 0) {
        ++first;
    }
    first &= ~std::size_t{1};
    const std::size_t count = std::min(stereo.size() - first, static_cast<std::size_t>(seconds * 44100) * 2);
    return std::vector<std::int16_t>(stereo.begin() + static_cast<std::ptrdiff_t>(first),
                                     stereo.begin() + static_cast<std::ptrdiff_t>(first + count));
}

TEST(AudioListen, MusicTracks)
{
    const std::filesystem::path out = audiotest::outputFolder("listen");
    audiotest::writeFile(out / "crafted.mid", audiotest::midiBytes(60));
    std::vector<std::string> tracks = {"test-output//audio//listen//crafted.mid"};
    const std::filesystem::path generated = std::filesystem::path(DH_BUILD_DIR) / "mus";
    std::error_code error;
    for (const auto& entry : std::filesystem::recursive_directory_iterator(generated, error)) {
        if (entry.path().extension() == ".mid") {
            tracks.push_back(std::filesystem::relative(entry.path(), DH_BUILD_DIR).string());
        }
    }
    for (const std::string& track : tracks) {
        const std::string name = std::filesystem::path(track).stem().string();
        const auto recorded = recordMusic(track, out / (name + ".raw"), 3.0);
        if (!recorded) {
            GTEST_SKIP() << "no audio output or no General MIDI soundfont";
        }
        const std::vector<std::int16_t>& music = *recorded;
        writeStereoWav(out / (name + ".wav"), music);
        std::filesystem::remove(out / (name + ".raw"));
        EXPECT_GE(music.size(), 2u * 44100u * 2u) << track;
        expectAudible(music, "music " + track);
    }
}

}
}
