#include "persistence/ControlsFile.h"
#include "persistence/SaveTestSupport.h"
#include "platform/KeyState.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <sstream>

using namespace dh;
using namespace savetest;

namespace {

void writeText(const std::string& path, const std::string& text)
{
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    out << text;
}

int lineCount(const std::string& text)
{
    return static_cast<int>(std::count(text.begin(), text.end(), '\n'));
}

void expectDefaults(const Controls& controls)
{
    const Controls defaults;
    for (std::size_t i = 0; i < Controls::kActionCount; ++i)
        EXPECT_EQ(controls.input(static_cast<Action>(i)), defaults.input(static_cast<Action>(i))) << i;
    EXPECT_EQ(controls.mouseSensitivity(), 1.0f);
    EXPECT_FALSE(controls.invertPitch);
}

}

TEST(ControlsFile, BindingsAndMouseSettingsRoundTripByKeyName)
{
    clearSaveFolder();
    const std::string path = controlsFilePath();
    EXPECT_EQ(path, testSaveFolder() + "/controls.ini");

    Controls controls;
    ASSERT_TRUE(controls.bind(Action::Laser, 'L'));
    ASSERT_TRUE(controls.bind(Action::Missile, VK_MBUTTON));
    ASSERT_TRUE(controls.bind(Action::ThrottleDown, VK_CONTROL));
    controls.setMouseSensitivity(2.5f);
    controls.invertPitch = true;
    ASSERT_TRUE(writeControls(controls, path));
    EXPECT_FALSE(std::filesystem::exists(path + ".tmp"));

    std::ifstream in(path);
    std::stringstream text;
    text << in.rdbuf();
    EXPECT_NE(text.str().find("laser=L\n"), std::string::npos);
    EXPECT_NE(text.str().find("missile=Middle Mouse\n"), std::string::npos);
    EXPECT_NE(text.str().find("throttle_up=Return\n"), std::string::npos);
    EXPECT_NE(text.str().find("throttle_down=Left Ctrl\n"), std::string::npos);
    EXPECT_NE(text.str().find("menu=Escape\n"), std::string::npos);

    std::ostringstream errors;
    const Controls read = readControls(path, errors);
    EXPECT_EQ(errors.str(), "");
    for (std::size_t i = 0; i < Controls::kActionCount; ++i)
        EXPECT_EQ(read.input(static_cast<Action>(i)), controls.input(static_cast<Action>(i))) << i;
    EXPECT_EQ(read.mouseSensitivity(), 2.5f);
    EXPECT_TRUE(read.invertPitch);
}

TEST(ControlsFile, AMissingFileGivesTheDefaultsSilentlyAndUnknownLinesAreIgnoredAlone)
{
    clearSaveFolder();
    const std::string path = controlsFilePath();
    std::ostringstream errors;
    expectDefaults(readControls(path, errors));
    EXPECT_EQ(errors.str(), "");

    writeText(path, "# mine\r\nlaser=l\r\nhyperdrive=H\r\n\r\nmouse_sensitivity=0.5\r\ninvert_pitch=yes\r\n");
    const Controls read = readControls(path, errors);
    EXPECT_EQ(errors.str(), "");
    EXPECT_EQ(read.input(Action::Laser), 'L');
    EXPECT_EQ(read.input(Action::Missile), VK_BACK);
    EXPECT_EQ(read.mouseSensitivity(), 0.5f);
    EXPECT_TRUE(read.invertPitch);
}

TEST(ControlsFile, ADamagedFileGivesTheDefaultsWithOneLineOnStandardError)
{
    clearSaveFolder();
    const std::string path = controlsFilePath();
    const std::string damaged[] = {
        "laser=L\nthis line has no equals sign\n",
        "laser=L\nmissile=No Such Key\n",
        "laser=L\nmissile=L\n",
        "pitch_up=Space\n",
        "menu=Left Mouse\n",
        "laser=\n",
        "mouse_sensitivity=5\n",
        "mouse_sensitivity=fast\n",
        "invert_pitch=maybe\n",
        std::string("laser=L\n\0\x01\xff garbage", 19),
    };
    for (const std::string& text : damaged) {
        writeText(path, text);
        std::ostringstream errors;
        expectDefaults(readControls(path, errors));
        EXPECT_EQ(lineCount(errors.str()), 1) << text;
        EXPECT_NE(errors.str().find("controls.ini"), std::string::npos);
    }
}
