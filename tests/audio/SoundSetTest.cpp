#include <gtest/gtest.h>

#include <set>
#include <vector>

#include "audio/AudioTestFiles.h"
#include "audio/SoundEffects.h"
#include "audio/SoundSet.h"

namespace dh {
namespace {

using audiotest::makeSample;
using audiotest::render;

class SoundSetTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        initOfflineSoundDevice(44100);
        g_soundEnabled = true;
        tone = makeSample(std::vector<std::int16_t>(44100, 10000), 22050);
        set = std::make_unique<SoundSet>(g_soundDevice);
    }
    void TearDown() override
    {
        set.reset();
        tone.reset();
        shutdownSoundDevice();
        g_soundEnabled = true;
    }

    SoundBuffer& buffer(std::uint32_t handle)
    {
        for (std::uint32_t i = 0; i < set->count; ++i)
            if (set->entries[i].handle == handle)
                return *set->entries[i].buffer;
        ADD_FAILURE() << "no entry " << handle;
        return *set->entries[0].buffer;
    }

    // A tone at (x, y, z) with the given range and pitch.
    std::uint32_t at(float x, float y, float z, float range = 96000, float pitch = 1, bool loop = true)
    {
        return playSoundAt(*set, tone.get(), x, y, z, range, pitch, loop);
    }

    std::unique_ptr<SoundSample> tone;
    std::unique_ptr<SoundSet> set;
};

TEST_F(SoundSetTest, VolumeFallsWithDistanceAndPanFollowsTheListenersRight)
{
    const std::uint32_t centre = at(0, 0, 0, 1000);
    EXPECT_EQ(buffer(centre).volume(), 0);
    EXPECT_EQ(buffer(centre).pan(), 0);
    auto out = render(4);
    EXPECT_EQ(out[4], 10000);
    EXPECT_EQ(out[5], 10000);
    stopSound(*set, centre);

    const std::uint32_t atRange = at(0, 3000, 0, 3000);
    EXPECT_EQ(buffer(atRange).volume(), -10000);
    EXPECT_EQ(audiotest::soundingFrames(render(64)), 0u);
    setSoundPosition(*set, atRange, 0, 1500, 0);
    updateSounds(*set);
    EXPECT_EQ(buffer(atRange).volume(), -5000);
    stopSound(*set, atRange);

    EXPECT_EQ(buffer(at(2000, 0, 0)).pan(), 10000);
    EXPECT_EQ(buffer(at(500, 0, 0)).pan(), 5000);
    EXPECT_EQ(buffer(at(-250, 0, 0)).pan(), -2500);

    // A camera at (100, 0, 0) whose right is world -z.
    Matrix3 view;
    view.m = {0, 0, -1, 0, 1, 0, 1, 0, 0};
    setSoundListener(*set, Vector3{100, 0, 0}, view);
    const std::uint32_t turned = at(100, 0, -2000, 4000);
    EXPECT_EQ(buffer(turned).pan(), 10000);
    EXPECT_EQ(buffer(turned).volume(), -5000);
    setSoundPosition(*set, turned, 100, 0, 2000);
    EXPECT_EQ(buffer(turned).pan(), 10000);  // not before the next update
    updateSounds(*set);
    EXPECT_EQ(buffer(turned).pan(), -10000);
    setSoundPosition(*set, turned, 1100, 0, 0);  // straight ahead
    updateSounds(*set);
    EXPECT_EQ(buffer(turned).pan(), 0);
    EXPECT_EQ(buffer(turned).volume(), -2500);
}

TEST_F(SoundSetTest, PitchMapsOntoFrequencyAndTheRenderedSoundAgrees)
{
    // pitch < 1: f p + (1 - p) 100; otherwise (2 - p) f + (p - 1) 200000.
    for (const auto& [pitch, frequency] : {std::pair{0.5f, 11075u}, {1.5f, 111025u}, {1.0f, 22050u}, {0.0f, 100u},
                                           {2.0f, 200000u}, {-1.0f, 100u}, {7.0f, 200000u}, {0.25f, 5587u}}) {
        const std::uint32_t handle = at(0, 0, 0, 100, pitch);
        EXPECT_EQ(buffer(handle).frequency(), frequency) << pitch;
        stopSound(*set, handle);
    }
    // A new pitch starts again from the sample's own rate.
    const std::uint32_t handle = at(0, 0, 0, 100, 1.5f);
    setSoundPitch(*set, handle, 0.5f);
    EXPECT_EQ(buffer(handle).frequency(), 11075u);
    setSoundPitch(*set, handle, 1.5f);
    EXPECT_EQ(buffer(handle).frequency(), 111025u);
    stopSound(*set, handle);

    // Half a second of 1000 Hz at 22050 Hz, counted in the 44100 Hz output.
    const auto sine = makeSample(audiotest::sine(1000.0, 22050, 11025), 22050);
    for (const auto& [pitch, frequency] : {std::pair{0.5f, 11075.0}, {1.5f, 111025.0}}) {
        ASSERT_NE(playSoundAt(*set, sine.get(), 0, 0, 0, 100, pitch, false), 0u);
        const auto out = render(60000);
        const std::size_t frames = audiotest::soundingFrames(out);
        EXPECT_NEAR(static_cast<double>(frames), 11025.0 / frequency * 44100.0, 2.0) << pitch;
        const double heard = audiotest::zeroCrossings(out, 0, frames, 0) / 2.0 / (frames / 44100.0);
        EXPECT_NEAR(heard, 1000.0 * frequency / 22050.0, 1000.0 * frequency / 22050.0 * 0.01) << pitch;
        updateSounds(*set);
        EXPECT_EQ(set->count, 0u);
    }
}

TEST_F(SoundSetTest, FullSetRefusesAndHandlesWrapToOne)
{
    g_nextSoundHandle = 1;
    std::set<std::uint32_t> handles;
    for (std::uint32_t i = 0; i < SoundSet::kCapacity; ++i)
        handles.insert(at(0, 0, 0, 100));
    EXPECT_EQ(handles.size(), 512u);
    EXPECT_EQ(handles.count(0), 0u);
    EXPECT_EQ(at(0, 0, 0, 100), 0u);
    EXPECT_EQ(set->count, 512u);
    clearSoundSet(*set);
    EXPECT_EQ(set->count, 0u);
    EXPECT_EQ(audiotest::soundingFrames(render(16)), 0u);

    // The counter is shared by every set.
    SoundSet other(g_soundDevice);
    EXPECT_EQ(playSoundAt(other, tone.get(), 0, 0, 0, 100, 1, false), 513u);
    g_nextSoundHandle = 0xFFFFFFFFu;
    EXPECT_EQ(at(0, 0, 0, 100, 1, false), 0xFFFFFFFFu);
    EXPECT_EQ(playSoundAt(other, tone.get(), 0, 0, 0, 100, 1, false), 1u);

    SoundSample silent;
    EXPECT_EQ(playSoundAt(*set, nullptr, 0, 0, 0, 100, 1, false), 0u);
    EXPECT_EQ(playSoundAt(*set, &silent, 0, 0, 0, 100, 1, false), 0u);
    SoundSet deviceless(nullptr);
    EXPECT_EQ(playSoundAt(deviceless, tone.get(), 0, 0, 0, 100, 1, false), 0u);
}

TEST_F(SoundSetTest, StopUpdatePauseAndResumeKeepTheEntriesPacked)
{
    const auto shortBeep = makeSample(std::vector<std::int16_t>(100, 3000), 44100);
    const std::uint32_t a = at(0, 0, 0, 100);
    const std::uint32_t b = playSoundAt(*set, shortBeep.get(), 0, 0, 0, 100, 1, false);
    const std::uint32_t c = at(0, 0, 0, 100);
    stopSound(*set, 0);
    stopSound(*set, 12345);
    EXPECT_EQ(set->count, 3u);
    stopSound(*set, a);
    EXPECT_EQ(set->count, 2u);
    render(200);  // the beep ends
    updateSounds(*set);
    ASSERT_EQ(set->count, 1u);
    EXPECT_EQ(set->entries[0].handle, c);
    setSoundPosition(*set, b, 1, 2, 3);  // gone: nothing happens
    setSoundPitch(*set, b, 2);
    EXPECT_EQ(buffer(c).frequency(), 22050u);

    pauseSounds(*set);
    const std::uint32_t late = at(10, 0, 0, 100);
    EXPECT_NE(late, 0u);
    EXPECT_EQ(audiotest::soundingFrames(render(256)), 0u);
    updateSounds(*set);
    EXPECT_EQ(set->count, 2u);
    resumeSounds(*set);
    updateSounds(*set);
    ASSERT_EQ(set->count, 2u);
    EXPECT_TRUE(buffer(c).isPlaying());
    EXPECT_TRUE(buffer(late).isPlaying());
    EXPECT_GT(audiotest::soundingFrames(render(256)), 0u);
}

TEST_F(SoundSetTest, InterfaceSoundsOverlapFinishAndFallSilentWithSoundOff)
{
    const auto click = makeSample(std::vector<std::int16_t>(100, 1000), 44100);
    playSound(click.get());
    playSound(click.get());
    auto out = render(150);
    EXPECT_EQ(out[0], 2000);
    EXPECT_EQ(audiotest::soundingFrames(out), 100u);
    // Finished copies are released at the next start: far more plays than voices.
    for (std::size_t i = 0; i < 2 * SoundMixer::kVoices; ++i) {
        playSound(click.get());
        render(100);
    }
    playSound(click.get());
    EXPECT_EQ(render(1)[0], 1000);
    stopAllSounds();
    EXPECT_EQ(audiotest::soundingFrames(render(16)), 0u);

    g_soundEnabled = false;
    playSound(click.get());
    EXPECT_EQ(audiotest::soundingFrames(render(16)), 0u);
    playSoundAt(*set, click.get(), 0, 0, 0, 100, 1, false);
    EXPECT_EQ(render(1)[0], 1000);
    playSound(nullptr);
}

}
}
