#include <gtest/gtest.h>

#include <chrono>
#include <cmath>
#include <cstdlib>
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

void writeAndCheck(const std::filesystem::path& path, const std::vector<std::int16_t>& stereo)
{
    audiotest::WavLayout layout;
    layout.channels = 2;
    layout.rate = 44100;
    layout.data = audiotest::pcm16(stereo);
    audiotest::writeFile(path, audiotest::wavBytes(layout));

    double sum = 0.0;
    int peak = 0;
    int clipped = 0;
    for (std::int16_t s : stereo) {
        sum += static_cast<double>(s) * s;
        peak = std::max(peak, std::abs(static_cast<int>(s)));
        clipped += s >= 32767 || s <= -32768;
    }
    const double rms = stereo.empty() ? 0.0 : std::sqrt(sum / static_cast<double>(stereo.size()));
    EXPECT_GT(rms, 300.0) << path;
    EXPECT_LE(clipped, 8) << path;
    std::printf("%s: rms %.0f, peak %d, clipped %d\n", path.filename().c_str(), rms, peak, clipped);
}

TEST(AudioListen, FlightSceneMix)
{
    if (!std::filesystem::exists(std::filesystem::path(DH_BUILD_DIR) / "snd" / "shipEngine.wav"))
        GTEST_SKIP() << "no generated sounds";
    initOfflineSoundDevice(44100);
    loadSoundList();
    {
        SoundSet set(g_soundDevice);
        constexpr std::size_t kFrameSamples = 735;  // 1/60 s
        std::vector<std::int16_t> mix;
        const std::uint32_t engine = playSoundAt(set, sample::shipEngine, 0, 0, -30, 96000, 0.85f, true);
        std::uint32_t laser = 0;
        std::uint32_t rocket = 0;
        for (int frame = 0; frame < 240; ++frame) {
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
            const float t = frame / 60.0f;
            if (rocket != 0)
                setSoundPosition(set, rocket, 2000 * (t - 2.5f), 0, -10 - 2600 * (t - 2.5f));
            setSoundPitch(set, engine, 0.7f + 0.3f * t / 4.0f);
            updateSounds(set);
            mix.resize(mix.size() + 2 * kFrameSamples);
            g_soundDevice->render(mix.data() + mix.size() - 2 * kFrameSamples, kFrameSamples);
        }
        writeAndCheck(audiotest::outputFolder("listen") / "flight-mix.wav", mix);
        clearSoundSet(set);
    }
    releaseSoundList();
    shutdownSoundDevice();
}

// The music as the output hears it through SDL's disk driver, from its first sound on.
std::optional<std::vector<std::int16_t>> recordMusic(const std::string& track, const std::filesystem::path& raw,
                                                    double seconds)
{
    setenv("SDL_AUDIODRIVER", "disk", 1);
    setenv("SDL_DISKAUDIOFILE", raw.c_str(), 1);
    setenv("SDL_DISKAUDIODELAY", "2", 1);
    initMusic();
    const bool ready = g_musicReady;
    if (ready) {
        playMusicFile(track);
        std::error_code error;
        const auto wanted = std::filesystem::file_size(raw, error) + static_cast<std::uintmax_t>((seconds + 1) * 44100 * 4);
        for (int wait = 0; wait < 1200 && std::filesystem::file_size(raw, error) < wanted; ++wait)
            std::this_thread::sleep_for(std::chrono::milliseconds(50));
    }
    shutdownMusic();
    unsetenv("SDL_DISKAUDIOFILE");
    unsetenv("SDL_DISKAUDIODELAY");
    unsetenv("SDL_AUDIODRIVER");
    if (!ready)
        return std::nullopt;
    const std::vector<std::int16_t> stereo = audiotest::rawSamples(raw);
    std::size_t first = 0;
    while (first < stereo.size() && stereo[first] == 0)
        ++first;
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
    std::error_code error;
    const std::filesystem::path generated = std::filesystem::path(DH_BUILD_DIR) / "mus";
    for (const auto& entry : std::filesystem::recursive_directory_iterator(generated, error))
        if (entry.path().extension() == ".mid")
            tracks.push_back(std::filesystem::relative(entry.path(), DH_BUILD_DIR).string());
    for (const std::string& track : tracks) {
        const std::string name = std::filesystem::path(track).stem().string();
        const auto music = recordMusic(track, out / (name + ".raw"), 3.0);
        if (!music)
            GTEST_SKIP() << "no audio output or no General MIDI soundfont";
        std::filesystem::remove(out / (name + ".raw"));
        EXPECT_GE(music->size(), 2u * 44100u * 2u) << track;
        writeAndCheck(out / (name + ".wav"), *music);
    }
}

}
}
