#include <gtest/gtest.h>

#include <chrono>
#include <cstdlib>
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
    ~ScopedEnvironment()
    {
        for (auto it = saved_.rbegin(); it != saved_.rend(); ++it)
            it->second ? setenv(it->first, it->second->c_str(), 1) : unsetenv(it->first);
    }

private:
    std::vector<std::pair<const char*, std::optional<std::string>>> saved_;
};

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
        auto tone = audiotest::makeSample(audiotest::sine(1000.0, 22050, 11025), 22050);
        playSound(tone.get());
        for (int wait = 0; wait < 200 && std::filesystem::file_size(raw) < 4u * 44100u; ++wait)
            std::this_thread::sleep_for(std::chrono::milliseconds(20));
        shutdownSoundDevice();
    }
    const std::vector<std::int16_t> stereo = audiotest::rawSamples(raw);
    std::size_t first = 0;
    while (first < stereo.size() / 2 && stereo[2 * first] == 0)
        ++first;
    const std::size_t end = audiotest::soundingFrames(stereo);
    ASSERT_GT(end, first);
    EXPECT_NEAR(static_cast<double>(end - first), 22050.0, 2.0);
    EXPECT_NEAR(audiotest::zeroCrossings(stereo, first, end, 1), 1000, 4);
}

}
}
