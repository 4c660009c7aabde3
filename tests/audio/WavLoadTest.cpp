#include <gtest/gtest.h>

#include <string>
#include <utility>
#include <vector>

#include "audio/AudioTestFiles.h"
#include "audio/SoundEffects.h"
#include "audio/SoundSample.h"

namespace dh {
namespace {

using audiotest::WavLayout;

class WavLoad : public ::testing::Test {
protected:
    void SetUp() override { initOfflineSoundDevice(22050); }
    void TearDown() override { shutdownSoundDevice(); }

    // A folder of each test's own, so tests may run at once; and a file's asset name in it.
    static std::string folder()
    {
        return std::string("wav-") + ::testing::UnitTest::GetInstance()->current_test_info()->name();
    }
    static std::string asset(const std::string& file) { return "test-output//audio//" + folder() + "//" + file; }

    std::unique_ptr<SoundSample> load(const std::string& name, const WavLayout& layout)
    {
        audiotest::writeFile(audiotest::outputFolder(folder()) / name, audiotest::wavBytes(layout));
        return loadWav(asset(name));
    }

    // The left channel of the sample played once at its own rate.
    static std::vector<std::int16_t> played(const SoundSample& sample, std::size_t frames)
    {
        auto voice = sample.buffer->duplicate();
        voice->play(false);
        const std::vector<std::int16_t> out = audiotest::render(frames);
        std::vector<std::int16_t> left;
        for (std::size_t i = 0; i < frames; ++i)
            left.push_back(out[2 * i]);
        return left;
    }
};

WavLayout valid()
{
    WavLayout layout;
    layout.data = audiotest::pcm16({100, 200, 300, 400});
    return layout;
}

template <typename Change>
WavLayout bent(Change change)
{
    WavLayout layout = valid();
    change(layout);
    return layout;
}

TEST_F(WavLoad, AcceptsPcmSkipsOtherChunksAndTrimsBadData)
{
    const std::vector<std::uint8_t> list = {'L', 'I', 'S', 'T', 6, 0, 0, 0, 'I', 'N', 'F', 'O', 'x', 'y'};
    const std::vector<std::uint8_t> odd = {'n', 'o', 't', 'e', 3, 0, 0, 0, 'a', 'b', 'c', 0};  // and its pad byte
    const std::pair<const char*, WavLayout> cases[] = {
        {"plain", valid()},
        {"LIST first", bent([&](WavLayout& l) { l.chunksBeforeData = list; })},
        {"odd-sized chunk", bent([&](WavLayout& l) { l.chunksBeforeData = odd; })},
        {"data size past the end", bent([](WavLayout& l) { l.dataSizeField = 1000; })},
        {"part of a frame", bent([](WavLayout& l) { l.data.push_back(0x7F); })},
    };
    for (const auto& [what, layout] : cases) {
        const auto sample = load("good.wav", layout);
        ASSERT_TRUE(sample->buffer) << what;
        EXPECT_EQ(sample->buffer->frequency(), 22050u);
        EXPECT_EQ(played(*sample, 5), (std::vector<std::int16_t>{100, 200, 300, 400, 0})) << what;
    }
    const auto extended = load("extra.wav", bent([](WavLayout& l) { l.extraFormatBytes = 2; l.rate = 11025; }));
    ASSERT_TRUE(extended->buffer);
    EXPECT_EQ(extended->buffer->frequency(), 11025u);

    const auto stereo = load("stereo8.wav", bent([](WavLayout& l) {
        l.channels = 2;
        l.bits = 8;
        l.data = {128, 255, 0, 128};
    }));
    ASSERT_TRUE(stereo->buffer);
    EXPECT_EQ(played(*stereo, 3), (std::vector<std::int16_t>{0, -32768, 0}));
}

TEST_F(WavLoad, RejectsWrongHeadersAndMissingData)
{
    const std::vector<std::uint8_t> huge = {'L', 'I', 'S', 'T', 0xF0, 0xFF, 0xFF, 0xFF};
    const std::pair<const char*, WavLayout> cases[] = {
        {"RIFX", bent([](WavLayout& l) { l.riff = "RIFX"; })},
        {"AVI", bent([](WavLayout& l) { l.wave = "AVI "; })},
        {"fmt_", bent([](WavLayout& l) { l.fmt = "fmt_"; })},
        {"float format 3", bent([](WavLayout& l) { l.formatTag = 3; l.bits = 32; })},
        {"three channels", bent([](WavLayout& l) { l.channels = 3; l.data = audiotest::pcm16({1, 2, 3}); })},
        {"rate 0", bent([](WavLayout& l) { l.rate = 0; })},
        {"24 bits", bent([](WavLayout& l) { l.bits = 24; })},
        {"empty data", bent([](WavLayout& l) { l.data.clear(); })},
        {"no data chunk", bent([](WavLayout& l) { l.writeData = false; })},
        {"a chunk past the end", bent([&](WavLayout& l) { l.chunksBeforeData = huge; })},
        {"less than a frame", bent([](WavLayout& l) { l.data = {0x10}; })},
    };
    for (const auto& [what, layout] : cases)
        EXPECT_FALSE(load("bad.wav", layout)->buffer) << what;

    audiotest::writeFile(audiotest::outputFolder(folder()) / "short.wav", {'R', 'I', 'F', 'F', 0, 0});
    EXPECT_FALSE(loadWav(asset("short.wav"))->buffer);
    EXPECT_FALSE(loadWav(asset("absent.wav"))->buffer);
    EXPECT_FALSE(loadWav("")->buffer);
    load("plain.wav", valid());
    shutdownSoundDevice();
    EXPECT_FALSE(loadWav(asset("plain.wav"))->buffer);
}

TEST_F(WavLoad, EveryGeneratedSampleLoadsAndIsFoundByItsFileName)
{
    loadSoundList();
    EXPECT_EQ(findSample("snd//collision2.wav"), sample::collision2);
    EXPECT_EQ(findSample("snd\\dock.wav"), sample::dock);
    EXPECT_EQ(findSample("snd//nothing.wav"), nullptr);
    if (!std::filesystem::exists(std::filesystem::path(DH_BUILD_DIR) / "snd" / "buttonOver.wav")) {
        releaseSoundList();
        GTEST_SKIP() << "no generated sounds";
    }
    for (const SampleFile& file : kSampleFiles) {
        ASSERT_NE(*file.sample, nullptr) << file.fileName;
        EXPECT_TRUE((*file.sample)->buffer) << file.fileName;
    }
    releaseSoundList();
    for (const SampleFile& file : kSampleFiles)
        EXPECT_EQ(*file.sample, nullptr) << file.fileName;
    EXPECT_EQ(findSample("snd//collision2.wav"), nullptr);
}

}
}
