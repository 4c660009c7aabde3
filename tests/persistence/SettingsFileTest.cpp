#include "persistence/SettingsFile.h"

#include <gtest/gtest.h>

#include <unistd.h>

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <sstream>
#include <string>

namespace {

namespace fs = std::filesystem;

class SettingsFileTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        folder = fs::temp_directory_path() / ("dh-settings-test-" + std::to_string(::getpid()));
        fs::remove_all(folder);
        fs::create_directories(folder);
        path = (folder / "settings.ini").string();
    }
    void TearDown() override { fs::remove_all(folder); }

    void write(const std::string& text) const
    {
        std::ofstream out(path, std::ios::binary);
        out << text;
    }
    std::string read() const
    {
        std::ifstream in(path, std::ios::binary);
        return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
    }
    dh::Settings load()
    {
        errors.str("");
        return dh::SettingsFile(path).load(errors);
    }
    long errorLines() const
    {
        const std::string text = errors.str();
        return std::count(text.begin(), text.end(), '\n');
    }

    fs::path folder;
    std::string path;
    std::ostringstream errors;
};

dh::Settings changedSettings()
{
    dh::Settings settings;
    settings.display = dh::DisplayChoice{1024, 768, true};
    settings.brightness = 1.5f;
    settings.sound = false;
    settings.flightAssists = true;
    return settings;
}

TEST_F(SettingsFileTest, WrittenSettingsReadBackTheSameAsKeyValueLinesWithNothingLeftAside)
{
    dh::SettingsFile file(path);
    ASSERT_TRUE(file.save(changedSettings(), errors));
    const std::string text = read();
    for (const char* line : {"display=1024x768\n", "brightness=1.5\n", "sound=off\n", "music=on\n",
                             "flight_assists=on\n"})
        EXPECT_NE(text.find(line), std::string::npos) << line << " missing from:\n" << text;
    EXPECT_EQ(load(), changedSettings());
    EXPECT_EQ(errorLines(), 0);

    // The knob's middle place (193 of 387) stands for a gamma no short decimal
    // writes exactly; it must come back to the same knob place.
    dh::Settings middle;
    middle.display = dh::DisplayChoice{};
    middle.brightness = 0.5f + 193.0f / 387.0f;
    middle.music = false;
    ASSERT_TRUE(file.save(middle, errors));
    EXPECT_EQ(load(), middle);
    EXPECT_NE(read().find("display=windowed\n"), std::string::npos);

    // Choices never made are not written, so they stay unmade.
    ASSERT_TRUE(file.save(dh::Settings{}, errors));
    EXPECT_EQ(read().find("display"), std::string::npos);
    EXPECT_EQ(read().find("brightness"), std::string::npos);
    EXPECT_EQ(load(), dh::Settings{});
    EXPECT_FALSE(fs::exists(path + ".tmp"));
}

TEST_F(SettingsFileTest, MissingUnreadableOrDamagedFilesGiveTheDefaultsWithOneLine)
{
    EXPECT_EQ(load(), dh::Settings{});
    EXPECT_EQ(errorLines(), 1) << errors.str();

    fs::create_directory(path);
    EXPECT_EQ(load(), dh::Settings{});
    EXPECT_EQ(errorLines(), 1) << errors.str();
    fs::remove(path);

    for (const char* damaged : {"sound=off\nthis line has no equals sign\n", "sound=off\nmusic=maybe\n",
                                "sound=off\nbrightness=bright\n", "sound=off\nbrightness=1.2.3\n",
                                "sound=off\ndisplay=large\n", "flight_assists=yes\n", "sound=off\ndisplay=1024x\n",
                                "sound=off\n\x01\x02\xff\xfe\n"}) {
        write(damaged);
        EXPECT_EQ(load(), dh::Settings{}) << damaged;
        EXPECT_EQ(errorLines(), 1) << damaged << errors.str();
    }
}

TEST_F(SettingsFileTest, AValueOutOfRangeIsIgnoredAloneAndUnknownKeysAreSkipped)
{
    write("# comment\n\n display = 1234x567 \r\nbrightness=1.51\nsound=off\r\nassists=on\nmusic = off\n");
    dh::Settings expected;
    expected.sound = false;
    expected.music = false;
    EXPECT_EQ(load(), expected);
    EXPECT_EQ(errorLines(), 2) << errors.str();
    EXPECT_NE(errors.str().find("brightness"), std::string::npos);
    EXPECT_NE(errors.str().find("display"), std::string::npos);

    write("brightness=0.49\ndisplay=1920x1080\nbrightness=0.5\n");
    expected = dh::Settings{};
    expected.display = dh::DisplayChoice{1920, 1080, true};
    expected.brightness = 0.5f;
    EXPECT_EQ(load(), expected);
    EXPECT_EQ(errorLines(), 1) << errors.str();
}

TEST_F(SettingsFileTest, AFailedWriteLeavesTheOldFileWholeAndSaysSo)
{
    write("sound=off\n");
    fs::create_directory(path + ".tmp");
    EXPECT_FALSE(dh::SettingsFile(path).save(changedSettings(), errors));
    EXPECT_EQ(errorLines(), 1);
    EXPECT_EQ(read(), "sound=off\n");

    errors.str("");
    EXPECT_FALSE(dh::SettingsFile((folder / "missing" / "settings.ini").string()).save(changedSettings(), errors));
    EXPECT_EQ(errorLines(), 1);
    EXPECT_FALSE(fs::exists(folder / "missing"));
}

}
