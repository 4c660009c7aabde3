#include <gtest/gtest.h>

#include <chrono>
#include <cstdlib>
#include <cstring>
#include <fstream>
#include <iterator>
#include <thread>

#include "audio/AudioTestFiles.h"
#include "audio/Music.h"
#include "audio/SoundEffects.h"
#include "audio/SoundSet.h"

namespace dh {
namespace {

// Sets environment variables for one test and restores them afterwards.
class ScopedEnvironment {
public:
    void set(const char* name, const std::string& value)
    {
        const char* old = std::getenv(name);
        saved_.push_back({name, old != nullptr, old ? old : ""});
        setenv(name, value.c_str(), 1);
    }
    ~ScopedEnvironment()
    {
        for (auto it = saved_.rbegin(); it != saved_.rend(); ++it) {
            if (it->existed) {
                setenv(it->name, it->value.c_str(), 1);
            } else {
                unsetenv(it->name);
            }
        }
    }

private:
    struct Saved {
        const char* name;
        bool existed;
        std::string value;
    };
    std::vector<Saved> saved_;
};

TEST(AudioDevice, WithoutAnOutputEverythingIsSilentAndHarmless)
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

TEST(AudioDevice, NoSoundFontLeavesMusicOffButEffectsOn)
{
    ScopedEnvironment environment;
    environment.set("SDL_AUDIODRIVER", "dummy");
    environment.set("SDL_SOUNDFONTS", "/no/such/font.sf2");
    initSoundDevice();
    initMusic();
    EXPECT_FALSE(g_musicReady);
    ASSERT_NE(g_soundDevice, nullptr);
    shutdownMusic();
    // The output stays open for the effects.
    auto sample = std::make_unique<SoundSample>();
    const std::vector<std::uint8_t> bytes = audiotest::pcm16(std::vector<std::int16_t>(2000, 1000));
    sample->buffer = SoundBuffer::create(g_soundDevice, {1, 22050, 16}, bytes.data(), bytes.size());
    playSound(sample.get());
    std::this_thread::sleep_for(std::chrono::milliseconds(200));
    playSound(sample.get());
    sample.reset();
    shutdownSoundDevice();
}

TEST(AudioDevice, EffectsReachTheOutput)
{
    const std::filesystem::path raw = audiotest::outputFolder("device") / "effects.raw";
    {
        ScopedEnvironment environment;
        environment.set("SDL_AUDIODRIVER", "disk");
        environment.set("SDL_DISKAUDIOFILE", raw.string());
        environment.set("SDL_DISKAUDIODELAY", "2");
        initSoundDevice();
        ASSERT_NE(g_soundDevice, nullptr);
        // Half a second of 1000 Hz at 22050 Hz.
        auto tone = std::make_unique<SoundSample>();
        const std::vector<std::uint8_t> bytes = audiotest::pcm16(audiotest::sine(1000.0, 22050, 11025));
        tone->buffer = SoundBuffer::create(g_soundDevice, {1, 22050, 16}, bytes.data(), bytes.size());
        playSound(tone.get());
        for (int wait = 0; wait < 200 && std::filesystem::file_size(raw) < 4u * 44100u; ++wait) {
            std::this_thread::sleep_for(std::chrono::milliseconds(20));
        }
        shutdownSoundDevice();
    }
    std::ifstream in(raw, std::ios::binary);
    const std::vector<char> data{std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
    std::vector<std::int16_t> stereo(data.size() / 2);
    std::memcpy(stereo.data(), data.data(), 2 * stereo.size());
    std::size_t first = 0;
    while (first < stereo.size() / 2 && stereo[2 * first] == 0) {
        ++first;
    }
    const std::size_t end = audiotest::soundingFrames(stereo);
    ASSERT_GT(end, first);
    EXPECT_NEAR(static_cast<double>(end - first), 22050.0, 2.0);
    EXPECT_NEAR(audiotest::zeroCrossings(stereo, first, end, 1), 1000, 4);
}

}
}
