#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "audio/AudioTestFiles.h"
#include "audio/SoundEffects.h"
#include "audio/SoundSample.h"

namespace dh {
namespace {

using audiotest::WavSpec;

class WavLoad : public ::testing::Test {
protected:
    void SetUp() override { initOfflineSoundDevice(22050); }
    void TearDown() override { shutdownSoundDevice(); }

    // Each test writes into a folder of its own, so tests may run at once.
    static std::string folder()
    {
        return std::string("wav-") + ::testing::UnitTest::GetInstance()->current_test_info()->name();
    }

    std::unique_ptr<SoundSample> load(const std::string& name, const WavSpec& spec)
    {
        audiotest::writeFile(audiotest::outputFolder(folder()) / name, audiotest::wavBytes(spec));
        return loadWav(audiotest::assetName(folder(), name));
    }

    // What the sample sounds like played once at its own rate.
    std::vector<std::int16_t> leftChannel(const SoundSample& sample, std::size_t frames)
    {
        auto voice = sample.buffer->duplicate();
        voice->play(false);
        std::vector<std::int16_t> out(2 * frames);
        g_soundDevice->render(out.data(), frames);
        std::vector<std::int16_t> left;
        for (std::size_t i = 0; i < frames; ++i) {
            left.push_back(out[2 * i]);
        }
        return left;
    }
};

WavSpec validSpec()
{
    WavSpec spec;
    spec.data = audiotest::pcm16({100, 200, 300, 400});
    return spec;
}

TEST_F(WavLoad, AcceptsPcmAndSkipsOtherChunks)
{
    auto plain = load("plain.wav", validSpec());
    ASSERT_TRUE(plain->buffer);
    EXPECT_EQ(plain->buffer->frequency(), 22050u);
    EXPECT_EQ(leftChannel(*plain, 5), (std::vector<std::int16_t>{100, 200, 300, 400, 0}));

    WavSpec listFirst = validSpec();
    listFirst.chunksBeforeData = {'L', 'I', 'S', 'T', 6, 0, 0, 0, 'I', 'N', 'F', 'O', 'x', 'y'};
    auto withList = load("list.wav", listFirst);
    ASSERT_TRUE(withList->buffer);
    EXPECT_EQ(leftChannel(*withList, 5), (std::vector<std::int16_t>{100, 200, 300, 400, 0}));

    // An odd-sized chunk is followed by a pad byte.
    WavSpec odd = validSpec();
    odd.chunksBeforeData = {'n', 'o', 't', 'e', 3, 0, 0, 0, 'a', 'b', 'c', 0};
    auto withOdd = load("odd.wav", odd);
    ASSERT_TRUE(withOdd->buffer);
    EXPECT_EQ(leftChannel(*withOdd, 5), (std::vector<std::int16_t>{100, 200, 300, 400, 0}));

    WavSpec extended = validSpec();
    extended.extraFormatBytes = 2;
    extended.rate = 11025;
    auto withExtra = load("extra.wav", extended);
    ASSERT_TRUE(withExtra->buffer);
    EXPECT_EQ(withExtra->buffer->frequency(), 11025u);

    WavSpec eightStereo;
    eightStereo.channels = 2;
    eightStereo.bits = 8;
    eightStereo.data = {128, 255, 0, 128};
    auto stereo = load("stereo8.wav", eightStereo);
    ASSERT_TRUE(stereo->buffer);
    EXPECT_EQ(leftChannel(*stereo, 3), (std::vector<std::int16_t>{0, -32768, 0}));
}

TEST_F(WavLoad, RejectsWrongHeaders)
{
    auto rejected = [&](const char* name, WavSpec spec) { EXPECT_FALSE(load(name, spec)->buffer) << name; };
    WavSpec spec = validSpec();
    spec.riff = "RIFX";
    rejected("riff.wav", spec);
    spec = validSpec();
    spec.wave = "AVI ";
    rejected("wave.wav", spec);
    spec = validSpec();
    spec.fmt = "fmt_";
    rejected("fmt.wav", spec);
    spec = validSpec();
    spec.formatTag = 3;
    spec.bits = 32;
    rejected("float.wav", spec);
    spec = validSpec();
    spec.channels = 3;
    spec.data = audiotest::pcm16({1, 2, 3});
    rejected("three.wav", spec);
    spec = validSpec();
    spec.rate = 0;
    rejected("rate.wav", spec);
    spec = validSpec();
    spec.bits = 24;
    rejected("bits24.wav", spec);

    audiotest::writeFile(audiotest::outputFolder(folder()) / "short.wav", {'R', 'I', 'F', 'F', 0, 0});
    EXPECT_FALSE(loadWav(audiotest::assetName(folder(), "short.wav"))->buffer);
}

TEST_F(WavLoad, RejectsOrTrimsBadData)
{
    WavSpec empty = validSpec();
    empty.data.clear();
    EXPECT_FALSE(load("empty.wav", empty)->buffer);

    WavSpec noData = validSpec();
    noData.writeData = false;
    EXPECT_FALSE(load("nodata.wav", noData)->buffer);

    // A chunk claiming more bytes than the file holds leaves no data chunk.
    WavSpec hugeChunk = validSpec();
    hugeChunk.chunksBeforeData = {'L', 'I', 'S', 'T', 0xF0, 0xFF, 0xFF, 0xFF};
    EXPECT_FALSE(load("hugechunk.wav", hugeChunk)->buffer);

    // The data that is there plays; the missing rest is not read.
    WavSpec truncated = validSpec();
    truncated.dataSizeField = 1000;
    auto cut = load("truncated.wav", truncated);
    ASSERT_TRUE(cut->buffer);
    EXPECT_EQ(leftChannel(*cut, 5), (std::vector<std::int16_t>{100, 200, 300, 400, 0}));

    WavSpec partFrame = validSpec();
    partFrame.data.push_back(0x7F);
    auto whole = load("partframe.wav", partFrame);
    ASSERT_TRUE(whole->buffer);
    EXPECT_EQ(leftChannel(*whole, 5), (std::vector<std::int16_t>{100, 200, 300, 400, 0}));

    WavSpec lessThanAFrame = validSpec();
    lessThanAFrame.data = {0x10};
    EXPECT_FALSE(load("oneByte.wav", lessThanAFrame)->buffer);
}

TEST_F(WavLoad, MissingFileOrNoDeviceGivesASilentSample)
{
    EXPECT_FALSE(loadWav(audiotest::assetName(folder(), "absent.wav"))->buffer);
    EXPECT_FALSE(loadWav("")->buffer);
    load("plain.wav", validSpec());
    shutdownSoundDevice();
    EXPECT_FALSE(loadWav(audiotest::assetName(folder(), "plain.wav"))->buffer);
}

TEST_F(WavLoad, EveryGeneratedSampleLoads)
{
    const std::filesystem::path folder = std::filesystem::path(DH_BUILD_DIR) / "snd";
    if (!std::filesystem::exists(folder / "buttonOver.wav")) {
        GTEST_SKIP() << "no generated sounds in " << folder;
    }
    loadSoundList();
    for (const SampleFile& file : kSampleFiles) {
        ASSERT_NE(*file.sample, nullptr) << file.fileName;
        EXPECT_TRUE((*file.sample)->buffer) << file.fileName;
    }
    releaseSoundList();
    for (const SampleFile& file : kSampleFiles) {
        EXPECT_EQ(*file.sample, nullptr) << file.fileName;
    }
}

}
}
