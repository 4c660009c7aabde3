#include "support/AllocationLimit.h"

#include <gtest/gtest.h>

#include "audio/AudioTestFiles.h"
#include "audio/SoundEffects.h"
#include "audio/SoundSample.h"
#include "audio/SoundSet.h"

#include <array>
#include <cstdint>
#include <memory>
#include <vector>

// A sound whose file cannot be held in memory stays silent, with one line
// naming it, and never ends the game.
TEST(SoundOutOfMemory, ASampleThatCannotBeHeldIsSilent)
{
    dh::initOfflineSoundDevice(22050);
    audiotest::WavLayout layout;
    layout.data.assign(200000, 0x40);
    audiotest::writeFile(audiotest::outputFolder("wav-out-of-memory") / "long.wav", audiotest::wavBytes(layout));
    const std::string asset = "test-output//audio//wav-out-of-memory//long.wav";
    {
        const testsupport::AllocationLimit limit(32 * 1024);
        testing::internal::CaptureStderr();
        const std::unique_ptr<dh::SoundSample> sample = dh::loadWav(asset);
        const std::string said = testing::internal::GetCapturedStderr();
        ASSERT_NE(sample, nullptr);
        EXPECT_EQ(sample->buffer, nullptr);
        EXPECT_NE(said.find("long.wav"), std::string::npos) << said;
    }
    EXPECT_NE(dh::loadWav(asset)->buffer, nullptr) << "with memory to spare it loads";
    dh::shutdownSoundDevice();
}

// Once the interface sounds' list has grown to the sounds heard at once,
// starting, moving, re-pitching, stopping and finishing sounds of both kinds
// takes nothing from the heap, however often a frame does it.
TEST(SoundMemory, PlayingSoundsAgainAllocatesNothing)
{
    dh::initOfflineSoundDevice(22050);
    const std::unique_ptr<dh::SoundSample> tone = audiotest::makeSample(std::vector<std::int16_t>(100, 8000), 22050);
    auto set = std::make_unique<dh::SoundSet>(dh::g_soundDevice);
    std::array<std::int16_t, 2 * 256> out{};
    dh::playSound(tone.get());
    dh::g_soundDevice->render(out.data(), 256);

    constexpr int kRounds = 3;
    std::array<std::uint32_t, kRounds> started{};
    std::array<std::uint32_t, kRounds> leftAfterUpdate{};
    std::array<std::int16_t, kRounds> heard{};
    const std::size_t before = testsupport::g_allocationCount;
    for (int round = 0; round < kRounds; ++round) {
        dh::playSound(tone.get());
        const std::uint32_t once = dh::playSoundAt(*set, tone.get(), 10, 0, 0, 1000, 1, false);
        const std::uint32_t loop = dh::playSoundAt(*set, tone.get(), 0, 10, 0, 1000, 0.5f, true);
        dh::setSoundPosition(*set, loop, 0, 20, 0);
        dh::setSoundPitch(*set, loop, 1.5f);
        dh::g_soundDevice->render(out.data(), 256);
        heard[round] = out[0];
        dh::updateSounds(*set);
        leftAfterUpdate[round] = set->count;
        dh::stopSound(*set, loop);
        started[round] = once != 0 && loop != 0 ? 2 : 0;
    }
    const std::size_t allocations = testsupport::g_allocationCount - before;

    EXPECT_EQ(allocations, 0u);
    for (int round = 0; round < kRounds; ++round) {
        EXPECT_EQ(started[round], 2u) << round;
        EXPECT_GT(heard[round], 8000) << round;
        EXPECT_EQ(leftAfterUpdate[round], 1u) << round;
    }
    set.reset();
    dh::shutdownSoundDevice();
}
