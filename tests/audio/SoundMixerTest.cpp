#include <gtest/gtest.h>

#include <cmath>
#include <memory>
#include <vector>

#include "audio/AudioTestFiles.h"
#include "platform/SoundBuffer.h"
#include "platform/SoundMixer.h"

namespace dh {
namespace {

std::unique_ptr<SoundBuffer> monoBuffer(const std::shared_ptr<SoundMixer>& mixer,
                                        const std::vector<std::int16_t>& samples, std::uint32_t rate)
{
    const std::vector<std::uint8_t> bytes = audiotest::pcm16(samples);
    return SoundBuffer::create(mixer, {1, rate, 16}, bytes.data(), bytes.size());
}

std::vector<std::int16_t> render(SoundMixer& mixer, std::size_t frames)
{
    std::vector<std::int16_t> out(2 * frames);
    mixer.render(out.data(), frames);
    return out;
}

TEST(SoundMixer, VolumeAndPanFollowTheDecibelRules)
{
    auto mixer = std::make_shared<SoundMixer>(44100);
    auto buffer = monoBuffer(mixer, std::vector<std::int16_t>(1000, 10000), 44100);
    ASSERT_TRUE(buffer);
    // Each side at 10000 x 10^(hundredths / 2000).
    const struct {
        int volume, pan;
        double left, right;
    } cases[] = {
        {0, 0, 10000, 10000},
        {-600, 0, 10000 * std::pow(10.0, -0.3), 10000 * std::pow(10.0, -0.3)},
        {0, 10000, 0.1, 10000},
        {0, -2000, 10000, 1000},
        {-2000, 4000, 1000 * 0.01, 1000},
        {-10000, 0, 0.1, 0.1},
        {500, 20000, 0.1, 10000},  // clamped to 0 dB and fully right
    };
    for (const auto& c : cases) {
        buffer->setVolume(c.volume);
        buffer->setPan(c.pan);
        buffer->play(true);
        const auto out = render(*mixer, 8);
        buffer->stop();
        EXPECT_NEAR(out[8], c.left, 0.51) << c.volume << " " << c.pan;
        EXPECT_NEAR(out[9], c.right, 0.51) << c.volume << " " << c.pan;
    }
}

// 8-bit sources are checked through WavLoad; here 16-bit stereo and the formats refused.
TEST(SoundMixer, PlaysStereoSourcesAndRefusesOtherFormats)
{
    auto mixer = std::make_shared<SoundMixer>(8000);
    const std::vector<std::uint8_t> stereo = audiotest::pcm16({1000, -2000, 3000, -4000});
    auto stereoBuffer = SoundBuffer::create(mixer, {2, 8000, 16}, stereo.data(), stereo.size());
    ASSERT_TRUE(stereoBuffer);
    stereoBuffer->play(false);
    EXPECT_EQ(render(*mixer, 3), (std::vector<std::int16_t>{1000, -2000, 3000, -4000, 0, 0}));
    EXPECT_FALSE(SoundBuffer::create(mixer, {3, 8000, 16}, stereo.data(), stereo.size()));
    EXPECT_FALSE(SoundBuffer::create(mixer, {1, 8000, 24}, stereo.data(), stereo.size()));
    EXPECT_FALSE(SoundBuffer::create(mixer, {1, 99, 16}, stereo.data(), stereo.size()));
    EXPECT_FALSE(SoundBuffer::create(mixer, {2, 8000, 16}, stereo.data(), 3));
}

TEST(SoundMixer, DuplicatesShareSettingsPlayOnceAndRunOutOfVoicesCleanly)
{
    auto mixer = std::make_shared<SoundMixer>(44100);
    auto original = monoBuffer(mixer, std::vector<std::int16_t>(300, 5000), 44100);
    original->setVolume(-2000);
    original->setPan(2000);
    auto copy = original->duplicate();
    ASSERT_TRUE(copy);
    EXPECT_EQ(copy->volume(), -2000);
    EXPECT_EQ(copy->pan(), 2000);
    EXPECT_FALSE(copy->isPlaying());

    copy->setVolume(0);
    copy->setPan(0);
    copy->play(false);
    EXPECT_TRUE(copy->isPlaying());
    const auto out = render(*mixer, 400);
    EXPECT_EQ(audiotest::soundingFrames(out), 300u);
    EXPECT_EQ(out[0], 5000);
    EXPECT_FALSE(copy->isPlaying());
    EXPECT_EQ(original->volume(), -2000);

    for (const auto& [asked, got] : {std::pair{50u, 100u}, {300000u, 200000u}, {0u, 44100u}}) {
        copy->setFrequency(asked);
        EXPECT_EQ(copy->frequency(), got) << asked;
    }

    std::vector<SoundBuffer> copies;
    while (auto another = original->duplicate())
        copies.push_back(std::move(*another));
    EXPECT_EQ(copies.size(), SoundMixer::kVoices - 2);
    copies.pop_back();
    EXPECT_TRUE(original->duplicate());
}

TEST(SoundMixer, LoopingBufferLoopsSeamlessly)
{
    auto mixer = std::make_shared<SoundMixer>(44100);
    // Four whole cycles in 400 frames: the loop point is inside the waveform.
    const std::vector<std::int16_t> cycle = audiotest::sine(441.0, 44100, 400);
    auto buffer = monoBuffer(mixer, cycle, 44100);
    buffer->play(true);
    const auto out = render(*mixer, 4000);
    for (std::size_t i = 0; i < 4000; ++i)
        ASSERT_EQ(out[2 * i], cycle[i % 400]) << i;
    EXPECT_TRUE(buffer->isPlaying());

    // At half speed every other output frame is the mean of two sample frames,
    // across the loop point of the last and the first.
    buffer->stop();
    auto slow = monoBuffer(mixer, cycle, 22050);
    slow->play(true);
    const auto halfSpeed = render(*mixer, 2000);
    for (std::size_t i = 0; i < 2000; ++i) {
        const std::size_t at = (i / 2) % 400;
        const double expected = i % 2 == 0 ? cycle[at] : (cycle[at] + cycle[(at + 1) % 400]) / 2.0;
        ASSERT_NEAR(halfSpeed[2 * i], expected, 1.0) << i;
    }
}

TEST(SoundMixer, SumsVoicesAndSaturates)
{
    auto mixer = std::make_shared<SoundMixer>(44100);
    auto loud = monoBuffer(mixer, std::vector<std::int16_t>(100, 30000), 44100);
    auto quiet = monoBuffer(mixer, std::vector<std::int16_t>(100, -1000), 44100);
    auto second = loud->duplicate();
    loud->play(false);
    quiet->play(false);
    EXPECT_EQ(render(*mixer, 1)[0], 29000);
    second->play(false);
    EXPECT_EQ(render(*mixer, 1)[0], 32767);

    // Mixed into music already in the output.
    std::vector<std::int16_t> music = {-32000, -32000};
    loud->stop();
    quiet->stop();
    mixer->mixInto(music.data(), 1);
    EXPECT_EQ(music[0], -2000);
}

}
}
