#include <gtest/gtest.h>

#include <algorithm>
#include <chrono>
#include <cmath>
#include <cstdlib>
#include <cstring>
#include <iterator>
#include <optional>
#include <utility>
#include <vector>
#include <thread>

#include "audio/AudioTestFiles.h"
#include "audio/Music.h"
#include "audio/SoundEffects.h"
#include "audio/SoundSet.h"

namespace dh {
namespace {

// Environment variables set for one test and restored afterwards.
class ScopedEnvironment {
public:
    void set(const char* name, const std::string& value)
    {
        const char* old = std::getenv(name);
        saved_.push_back({name, old ? std::optional<std::string>(old) : std::nullopt});
        setenv(name, value.c_str(), 1);
    }
    // SDL's disk driver, writing raw 16-bit stereo into the file.
    void diskOutput(const std::filesystem::path& raw)
    {
        set("SDL_AUDIODRIVER", "disk");
        set("SDL_DISKAUDIOFILE", raw.string());
        set("SDL_DISKAUDIODELAY", "2");
    }
    ~ScopedEnvironment()
    {
        for (auto it = saved_.rbegin(); it != saved_.rend(); ++it)
            it->second ? setenv(it->first, it->second->c_str(), 1) : unsetenv(it->first);
    }

private:
    std::vector<std::pair<const char*, std::optional<std::string>>> saved_;
};

// Waits up to a minute for the disk driver to write `bytes` more to the file.
void waitForOutput(const std::filesystem::path& raw, std::uintmax_t bytes)
{
    std::error_code error;
    const auto size = [&] {
        const std::uintmax_t written = std::filesystem::file_size(raw, error);
        return error ? 0 : written;
    };
    const std::uintmax_t wanted = size() + bytes;
    for (int wait = 0; wait < 1200 && size() < wanted; ++wait)
        std::this_thread::sleep_for(std::chrono::milliseconds(50));
}

// Audible and hardly clipping; kept as a WAV file for listening.
void keepForListening(const std::filesystem::path& wavPath, const std::vector<std::int16_t>& stereo)
{
    double sum = 0.0;
    int clipped = 0;
    for (std::int16_t s : stereo) {
        sum += static_cast<double>(s) * s;
        clipped += s == 32767 || s == -32768;
    }
    EXPECT_GT(std::sqrt(sum / static_cast<double>(std::max<std::size_t>(stereo.size(), 1))), 300.0) << wavPath;
    EXPECT_LE(clipped, 8) << wavPath;
    audiotest::WavLayout wav;
    wav.channels = 2;
    wav.rate = 44100;
    wav.data = audiotest::pcm16(stereo);
    audiotest::writeFile(wavPath, audiotest::wavBytes(wav));
}

// The file's samples, once the output is closed.
std::vector<std::int16_t> rawSamples(const std::filesystem::path& raw)
{
    std::ifstream in(raw, std::ios::binary);
    const std::vector<char> read{std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
    std::vector<std::int16_t> samples(read.size() / 2);
    std::memcpy(samples.data(), read.data(), 2 * samples.size());
    return samples;
}

TEST(AudioDevice, WithoutAnOutputOrASoundFontEverythingIsSilentAndHarmless)
{
    {
        ScopedEnvironment environment;
        environment.set("SDL_AUDIODRIVER", "no-such-driver");
        initSoundDevice();
        EXPECT_EQ(g_soundDevice, nullptr);
        initMusic();
        EXPECT_FALSE(g_musicReady);
        loadSoundList();
        for (const SampleFile& file : kSampleFiles) {
            ASSERT_NE(*file.sample, nullptr);
            EXPECT_EQ((*file.sample)->buffer, nullptr) << file.fileName;
        }
        playSound(sample::buttonClick);
        stopAllSounds();
        SoundSet set(g_soundDevice);
        EXPECT_EQ(playSoundAt(set, sample::explosion, 0, 0, 0, 100, 1, false), 0u);
        pauseSounds(set);
        resumeSounds(set);
        updateSounds(set);
        playNextTrack();
        EXPECT_TRUE(currentMusicFile().empty());
        releaseSoundList();
        shutdownMusic();
        shutdownSoundDevice();
    }
    // No soundfont: music stays off, the output stays open for the effects.
    ScopedEnvironment environment;
    environment.set("SDL_AUDIODRIVER", "dummy");
    environment.set("SDL_SOUNDFONTS", "/no/such/font.sf2");
    initSoundDevice();
    initMusic();
    EXPECT_FALSE(g_musicReady);
    ASSERT_NE(g_soundDevice, nullptr);
    shutdownMusic();
    auto sample = audiotest::makeSample(std::vector<std::int16_t>(2000, 1000), 22050);
    playSound(sample.get());
    std::this_thread::sleep_for(std::chrono::milliseconds(200));
    playSound(sample.get());
    sample.reset();
    shutdownSoundDevice();
}

// The music and the effects share one output: the effects let go of it once,
// however often they are shut down, and the music goes on being heard.
TEST(AudioDevice, ShuttingTheEffectsDownTwiceLeavesTheMusicItsOutput)
{
    const std::filesystem::path raw = audiotest::outputFolder("device") / "shared.raw";
    std::filesystem::remove(raw);
    ScopedEnvironment environment;
    environment.diskOutput(raw);
    initMusic();
    if (!g_musicReady) {
        shutdownMusic();
        GTEST_SKIP() << "no audio output or no General MIDI soundfont";
    }
    initSoundDevice();
    ASSERT_NE(g_soundDevice, nullptr);
    shutdownSoundDevice();
    shutdownSoundDevice();
    EXPECT_EQ(g_soundDevice, nullptr);
    std::error_code error;
    const std::uintmax_t before = std::filesystem::file_size(raw, error);
    waitForOutput(raw, 4u * 44100u / 2u);
    EXPECT_GE(std::filesystem::file_size(raw, error), before + 4u * 44100u / 2u) << "the output was closed";
    shutdownMusic();
    shutdownSoundDevice();
}

TEST(AudioDevice, EffectsReachTheOutput)
{
    const std::filesystem::path raw = audiotest::outputFolder("device") / "effects.raw";
    {
        ScopedEnvironment environment;
        environment.diskOutput(raw);
        initSoundDevice();
        ASSERT_NE(g_soundDevice, nullptr);
        // Half a second of 1000 Hz at 22050 Hz.
        auto tone = audiotest::makeSample(audiotest::sine(1000.0, 22050, 11025), 22050);
        playSound(tone.get());
        waitForOutput(raw, 4u * 44100u);
        shutdownSoundDevice();
    }
    const std::vector<std::int16_t> stereo = rawSamples(raw);
    std::size_t first = 0;
    while (first < stereo.size() / 2 && stereo[2 * first] == 0)
        ++first;
    const std::size_t end = audiotest::soundingFrames(stereo);
    ASSERT_GT(end, first);
    EXPECT_NEAR(static_cast<double>(end - first), 22050.0, 2.0);
    EXPECT_NEAR(audiotest::zeroCrossings(stereo, first, end, 1), 1000, 4);
}

// Every generated track (the intro too) and a crafted one as the output hears
// them, three seconds from their first sound: audible and hardly clipping.
// Each is kept as a WAV file under test-output/audio/listen for listening.
TEST(AudioDevice, MusicReachesTheOutput)
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
        const std::filesystem::path raw = out / (std::filesystem::path(track).stem().string() + ".raw");
        std::filesystem::remove(raw);
        {
            ScopedEnvironment environment;
            environment.diskOutput(raw);
            initMusic();
            if (!g_musicReady) {
                shutdownMusic();
                GTEST_SKIP() << "no audio output or no General MIDI soundfont";
            }
            playMusicFile(track);
            waitForOutput(raw, 4u * 44100u * 4u);
            shutdownMusic();
        }
        std::vector<std::int16_t> stereo = rawSamples(raw);
        std::filesystem::remove(raw);
        const auto first = std::find_if(stereo.begin(), stereo.end(), [](std::int16_t s) { return s != 0; });
        stereo.erase(stereo.begin(), stereo.begin() + (first - stereo.begin()) / 2 * 2);
        stereo.resize(std::min<std::size_t>(stereo.size(), 3u * 44100u * 2u));
        EXPECT_GE(stereo.size(), 2u * 44100u * 2u) << track;
        keepForListening(raw.parent_path() / (raw.stem().string() + ".wav"), stereo);
    }
}

// A flight scene on the offline mixer: the engine rising in pitch, the laser
// on and off, a hit, a far explosion, a missile passing and a bump.
TEST(AudioDevice, FlightSceneMix)
{
    if (!std::filesystem::exists(std::filesystem::path(DH_BUILD_DIR) / "snd" / "shipEngine.wav"))
        GTEST_SKIP() << "no generated sounds";
    initOfflineSoundDevice(44100);
    loadSoundList();
    {
        SoundSet set(g_soundDevice);
        constexpr std::size_t kFrameSamples = 735; // 1/60 s
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
        keepForListening(audiotest::outputFolder("listen") / "flight-mix.wav", mix);
        clearSoundSet(set);
    }
    releaseSoundList();
    shutdownSoundDevice();
}

}
}
