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

// The loudest of the next 64 frames of the offline mix.
int loudness()
{
    std::vector<std::int16_t> out(2 * 64);
    g_soundDevice->render(out.data(), 64);
    int peak = 0;
    for (std::int16_t s : out)
        peak = std::max(peak, std::abs(static_cast<int>(s)));
    return peak;
}

TEST(StartupSettings, TurningSoundOffSilencesWhatPlaysAndKeepsItQuiet)
{
    constexpr std::uint32_t kRate = 22050;
    initOfflineSoundDevice(kRate);
    g_soundEnabled = true;
    auto tone = std::make_unique<SoundSample>();
    const std::vector<std::int16_t> pcm(kRate / 4, 3000);
    tone->buffer = SoundBuffer::create(g_soundDevice, {1, kRate, 16}, pcm.data(), pcm.size() * 2);
    playSound(tone.get());
    ASSERT_GT(loudness(), 1000);
    GuiScreen_Startup::switchSound();
    EXPECT_EQ(loudness(), 0);
    playSound(tone.get());
    EXPECT_EQ(loudness(), 0);
    // Back on, nothing starts by itself; the next sound plays.
    GuiScreen_Startup::switchSound();
    EXPECT_EQ(loudness(), 0);
    playSound(tone.get());
    EXPECT_GT(loudness(), 1000);
    tone.reset();
    shutdownSoundDevice();
}

TEST(StartupSettings, MusicSwitchedOffStopsTheSongAndOnAgainStartsNothing)
{
    g_musicEnabled = true;
    setenv("SDL_AUDIODRIVER", "dummy", 0);
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

}
}
