#include <gtest/gtest.h>

#include <algorithm>
#include <cstdint>
#include <cstdlib>
#include <memory>
#include <vector>

#include "audio/Music.h"
#include "audio/SoundEffects.h"
#include "platform/MusicPlayer.h"
#include "screens/GuiScreen_Startup.h"

namespace dh {
namespace {

TEST(StartupSettings, BrightnessRunsFromHalfToOneAndAHalfAcrossTheSlider)
{
    // The 400-pixel slider leaves 387 pixels of travel for its 13-pixel knob.
    EXPECT_FLOAT_EQ(GuiScreen_Startup::gammaForKnob(0, 400), 0.5f);
    EXPECT_FLOAT_EQ(GuiScreen_Startup::gammaForKnob(387, 400), 1.5f);
    EXPECT_NEAR(GuiScreen_Startup::gammaForKnob(193, 400), 0.5 + 193.0 / 387.0, 1e-6);
    EXPECT_NEAR(GuiScreen_Startup::gammaForKnob(100, 400), 0.5 + 100.0 / 387.0, 1e-6);
}

// A quarter of a second of constant tone on the offline mixer.
class StartupSoundSwitch : public ::testing::Test {
protected:
    static constexpr std::uint32_t kRate = 22050;

    void SetUp() override
    {
        initOfflineSoundDevice(kRate);
        g_soundEnabled = true;
        tone_ = std::make_unique<SoundSample>();
        const std::vector<std::int16_t> pcm(kRate / 4, 3000);
        tone_->buffer = SoundBuffer::create(g_soundDevice, {1, kRate, 16}, pcm.data(), pcm.size() * 2);
    }
    void TearDown() override
    {
        g_soundEnabled = true;
        tone_.reset();
        shutdownSoundDevice();
    }

    // The loudest of the next 64 frames of the mix.
    int loudness()
    {
        std::vector<std::int16_t> out(2 * 64);
        g_soundDevice->render(out.data(), 64);
        int peak = 0;
        for (std::int16_t s : out)
            peak = std::max(peak, std::abs(static_cast<int>(s)));
        return peak;
    }

    std::unique_ptr<SoundSample> tone_;
};

TEST_F(StartupSoundSwitch, TurningSoundOffSilencesWhatPlaysAndKeepsItQuiet)
{
    playSound(tone_.get());
    ASSERT_GT(loudness(), 1000);
    GuiScreen_Startup::switchSound();
    EXPECT_FALSE(g_soundEnabled);
    EXPECT_EQ(loudness(), 0);
    playSound(tone_.get());
    EXPECT_EQ(loudness(), 0);
    EXPECT_STREQ(switchCaption(g_soundEnabled), "Disabled");

    // Back on, nothing starts by itself; the next interface sound plays.
    GuiScreen_Startup::switchSound();
    EXPECT_TRUE(g_soundEnabled);
    EXPECT_STREQ(switchCaption(g_soundEnabled), "Enabled");
    EXPECT_EQ(loudness(), 0);
    playSound(tone_.get());
    EXPECT_GT(loudness(), 1000);
}

TEST(StartupSettings, MusicSwitchedOffStopsTheSongAndOnAgainStartsNothing)
{
    setenv("SDL_AUDIODRIVER", "dummy", 0);
    g_musicEnabled = true;
    initMusic();
    if (!g_musicReady)
        GTEST_SKIP() << "no audio output or no General MIDI soundfont";
    playMusicFile("mus\\intro\\intro.mid");
    if (currentMusicFile().empty()) {
        shutdownMusic();
        GTEST_SKIP() << "the generated intro song is missing; build the assets";
    }
    EXPECT_TRUE(isMusicPlaying());
    GuiScreen_Startup::switchMusic();
    EXPECT_FALSE(isMusicPlaying());
    EXPECT_TRUE(currentMusicFile().empty());
    GuiScreen_Startup::switchMusic();
    EXPECT_FALSE(isMusicPlaying());
    // The next song request plays again.
    playMusicFile("mus\\intro\\intro.mid");
    EXPECT_TRUE(isMusicPlaying());
    shutdownMusic();
    g_musicEnabled = true;
}

TEST(StartupSettings, MusicSwitchTurnsTheSettingOverEachTime)
{
    g_musicEnabled = true;
    GuiScreen_Startup::switchMusic();
    EXPECT_FALSE(g_musicEnabled);
    EXPECT_TRUE(currentMusicFile().empty());
    EXPECT_STREQ(switchCaption(g_musicEnabled), "Disabled");
    GuiScreen_Startup::switchMusic();
    EXPECT_TRUE(g_musicEnabled);
    EXPECT_TRUE(currentMusicFile().empty());
    EXPECT_STREQ(switchCaption(g_musicEnabled), "Enabled");
}

}
}
