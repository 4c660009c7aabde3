#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <numeric>
#include <set>

#include "audio/AudioTestFiles.h"
#include "audio/Music.h"
#include "core/Random.h"
#include "platform/MusicPlayer.h"

namespace dh {
namespace {

// Three tracks, the intro in its subfolder and a file that is no track, in a
// folder of the running test's own (tests may run at once).
std::string writeMusicFolder()
{
    const std::string name = std::string("mus-") + ::testing::UnitTest::GetInstance()->current_test_info()->name();
    const std::filesystem::path folder = audiotest::outputFolder(name);
    std::filesystem::create_directories(folder / "intro");
    for (const auto& [file, note] :
         {std::pair{"alpha.mid", 60}, {"beta.mid", 64}, {"gamma.MID", 67}, {"intro/intro.mid", 48}})
        audiotest::writeFile(folder / file, audiotest::midiBytes(note));
    audiotest::writeFile(folder / "notes.txt", {'x'});
    return "test-output//audio//" + name;
}

std::vector<std::uint32_t> playCounts()
{
    std::vector<std::uint32_t> counts;
    for (const MusicTrack& track : playlist())
        counts.push_back(track.playCount);
    return counts;
}

class MusicTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        setenv("SDL_AUDIODRIVER", "dummy", 0);
        folder = writeMusicFolder();
        g_musicEnabled = true;
        initMusic();
        if (!g_musicReady)
            GTEST_SKIP() << "no audio output or no General MIDI soundfont";
        buildPlaylist(folder);
    }
    void TearDown() override
    {
        shutdownMusic();
        g_musicEnabled = true;
    }

    std::string folder;
};

TEST_F(MusicTest, EveryTrackButTheIntroPlaysOnceBeforeAnyPlaysTwice)
{
    ASSERT_EQ(playlist().size(), 3u);
    EXPECT_EQ(playlist()[0].fileName, "alpha.mid");
    EXPECT_EQ(playlist()[1].fileName, "beta.mid");
    EXPECT_EQ(playlist()[2].fileName, "gamma.MID");
    EXPECT_EQ(playCounts(), (std::vector<std::uint32_t>{0, 0, 0}));

    std::set<std::string> heard;
    for (int jump = 0; jump < 3; ++jump) {
        playNextTrack();
        EXPECT_TRUE(isMusicPlaying());
        heard.insert(currentMusicFile());
    }
    EXPECT_EQ(heard.size(), 3u);
    EXPECT_EQ(playCounts(), (std::vector<std::uint32_t>{1, 1, 1}));
    playNextTrack();
    const std::vector<std::uint32_t> counts = playCounts();
    EXPECT_EQ(std::count(counts.begin(), counts.end(), 2u), 1);

    // The intro plays from its subfolder uncounted; a file that is no track leaves silence.
    playMusicFile(folder + "\\intro\\intro.mid");
    EXPECT_TRUE(isMusicPlaying());
    EXPECT_EQ(playCounts(), counts);
    playMusicFile(folder + "\\notes.txt");
    EXPECT_TRUE(currentMusicFile().empty());
    EXPECT_FALSE(isMusicPlaying());

    buildPlaylist("test-output//audio//no-such-folder");
    EXPECT_TRUE(playlist().empty());
    playNextTrack();
    EXPECT_TRUE(currentMusicFile().empty());
}

// "*.mid" matches a file named just ".mid"; a name holding a backslash cannot
// be reached through an asset path, whose separator the backslash is, and
// would play another file (here sub/x.mid), so it is no track.
TEST(Music, TheListingMatchesStarDotMidAndSkipsNamesAnAssetPathCannotReach)
{
    const std::filesystem::path folder = audiotest::outputFolder("mus-odd-names");
    std::filesystem::create_directories(folder / "sub");
    for (const char* file : {".mid", "sub\\x.mid", "sub/x.mid", "x.midi", "mid"})
        audiotest::writeFile(folder / file, audiotest::midiBytes(60));
    buildPlaylist("test-output//audio//mus-odd-names");
    ASSERT_EQ(playlist().size(), 1u);
    EXPECT_EQ(playlist()[0].fileName, ".mid");
    shutdownMusic();
}

// A looping song that ends before it makes a sound restarts forever in the
// audio thread, and the next stop waited on it for ever: a tune of no length
// and a damaged file are refused, and the music goes on as before.
TEST_F(MusicTest, ATuneOfNoLengthOrADamagedOneIsRefusedAndMusicStillStops)
{
    const std::filesystem::path written = audiotest::outputFolder(
        std::string("mus-") + ::testing::UnitTest::GetInstance()->current_test_info()->name());
    const std::vector<std::uint8_t> noLength = {'M', 'T', 'h', 'd', 0, 0, 0, 6, 0, 0, 0, 1, 0x01, 0xE0,
                                                'M', 'T', 'r', 'k', 0, 0, 0, 4, 0x00, 0xFF, 0x2F, 0x00};
    audiotest::writeFile(written / "empty.mid", noLength);
    audiotest::writeFile(written / "junk.mid", {'x'});
    playMusicFile(folder + "\\alpha.mid");
    for (const char* file : {"empty.mid", "junk.mid"}) {
        playMusicFile(folder + "\\" + file);
        EXPECT_TRUE(currentMusicFile().empty()) << file;
        EXPECT_FALSE(isMusicPlaying()) << file;
    }
    playMusicFile(folder + "\\beta.mid");
    EXPECT_TRUE(isMusicPlaying());
    stopMusic();
    EXPECT_FALSE(isMusicPlaying());
}

TEST_F(MusicTest, TiesAreBrokenByTheSharedGeneratorAndMusicOffCountsNothing)
{
    g_randomSeed = 0x1234567u;
    const std::uint32_t draw = random();
    const char* names[] = {"alpha.mid", "beta.mid", "gamma.MID"};
    g_randomSeed = 0x1234567u;
    playNextTrack();
    EXPECT_EQ(currentMusicFile(), folder + "\\" + names[draw % 3]);
    EXPECT_EQ(playlist()[draw % 3].playCount, 1u);

    // Music switched off stops and counts nothing, and stays silent once back on.
    g_musicEnabled = false;
    stopMusic();
    EXPECT_FALSE(isMusicPlaying());
    playNextTrack();
    playMusicFile(folder + "\\alpha.mid");
    EXPECT_TRUE(currentMusicFile().empty());
    const std::vector<std::uint32_t> counts = playCounts();
    EXPECT_EQ(std::accumulate(counts.begin(), counts.end(), 0u), 1u);
    g_musicEnabled = true;
    EXPECT_FALSE(isMusicPlaying());
}

}
}
