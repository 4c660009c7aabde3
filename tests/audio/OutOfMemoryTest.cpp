#include "support/AllocationLimit.h"

#include <gtest/gtest.h>

#include "audio/AudioTestFiles.h"
#include "audio/SoundEffects.h"
#include "audio/SoundSample.h"

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
