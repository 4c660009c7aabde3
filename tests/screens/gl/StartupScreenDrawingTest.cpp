#include "audio/Music.h"
#include "audio/SoundEffects.h"
#include "gui/GuiButton.h"
#include "gui/GuiPanel.h"
#include "gui/GuiSlider.h"
#include "gui/gl/GuiGlSupport.h"
#include "persistence/SettingsFile.h"
#include "screens/GuiScreen_Startup.h"
#include "support/PrivateDataFolder.h"

#include <filesystem>
#include <fstream>
#include <memory>
#include <sstream>

// The main menu drawn with the generated art and driven through its own mouse handling.
namespace {

using dh::GuiScreen_Startup;

class StartupScreen : public guigl::GuiWindow {
protected:
    void SetUp() override
    {
        // The load view reads the save folder; it must not be the developer's own.
        setenv("XDG_DATA_HOME", testsupport::privateDataFolder("dh-startup-screen").c_str(), 1);
        guigl::GuiWindow::SetUp();
        screen = std::make_unique<GuiScreen_Startup>();
    }
    void TearDown() override
    {
        screen.reset();
        guigl::GuiWindow::TearDown();
        dh::g_soundEnabled = dh::g_musicEnabled = true;
    }

    void click(int x, int y, int button = 1)
    {
        screen->onMouseMove(x, y);
        screen->onMouseDown(x, y, button);
        screen->onMouseUp(x, y, button);
    }

    // Paints one frame with the pointer off the buttons and keeps it as a picture.
    std::vector<unsigned char> paint(const std::string& name)
    {
        screen->onMouseMove(500, 571);
        screen->onPaint();
        return guigl::keepShownFrame("screens", name);
    }

    // Mean brightness (0..765) of the rectangle [x0, x1) x [y0, y1).
    static int meanBrightness(const std::vector<unsigned char>& frame, int x0, int y0, int x1, int y1)
    {
        long sum = 0;
        for (int y = y0; y < y1; ++y)
            for (int x = x0; x < x1; ++x)
                for (int c : guigl::pixel(frame, x, y))
                    sum += c;
        return static_cast<int>(sum / ((x1 - x0) * (y1 - y0)));
    }

    bool showing(const dh::GuiPanel* shown)
    {
        for (const dh::GuiPanel* panel : {screen->titlePanel, screen->loadPanel, screen->settingsPanel})
            if (panel->visible != (panel == shown) || panel->enabled != (panel == shown))
                return false;
        return true;
    }

    std::unique_ptr<GuiScreen_Startup> screen;
};

// Client points of the menu at 800 x 600: the root panel at (25, 25), the views at (241, 33).
constexpr int kMenuX = 133, kNewGameY = 122, kSettingsY = 497, kSwitchX = 651, kMusicY = 210;

// The sound switch's caption and the knob's left end are also seen end to end.
TEST_F(StartupScreen, SwitchesTurnOverAndTheBrightnessKnobStopsAtBothEnds)
{
    click(kMenuX, kSettingsY, 2);
    EXPECT_TRUE(showing(screen->titlePanel));
    click(kMenuX, kSettingsY);
    EXPECT_TRUE(showing(screen->settingsPanel));
    click(kSwitchX, kMusicY);
    EXPECT_FALSE(dh::g_musicEnabled);
    EXPECT_STREQ(screen->musicButton->text, "Disabled");
    paint("startup_settings_music_off");
    click(kSwitchX, kMusicY, 2);
    EXPECT_FALSE(dh::g_musicEnabled);
    click(kSwitchX, kMusicY);
    EXPECT_TRUE(dh::g_musicEnabled);
    EXPECT_STREQ(screen->musicButton->text, "Enabled");

    // The knob starts 193 of its 387 pixels of travel in; the drag ends where
    // the pointer leaves the slider.
    const dh::GuiSlider& slider = *screen->brightnessSlider;
    EXPECT_NEAR(screen->brightnessGamma(), 0.5 + 193.0 / 387.0, 1e-6);
    screen->onMouseMove(460, 543);
    screen->onMouseDown(460, 543, 1);
    screen->onMouseMove(261, 543);
    EXPECT_EQ(slider.knobOffset, 0);
    EXPECT_FLOAT_EQ(screen->brightnessGamma(), 0.5f);
    screen->onMouseMove(660, 545);
    EXPECT_EQ(slider.knobOffset, 387);
    EXPECT_FLOAT_EQ(screen->brightnessGamma(), 1.5f);
    screen->onMouseUp(660, 545, 1);
}

TEST_F(StartupScreen, AnEmptyNameIsRefusedAndTheMenuStays)
{
    // Enter on the empty name entry, then Enter again for the refusal it brings.
    testsupport::DialogScript script;
    int dialogs = 0;
    script.at(0, [&] { ++dialogs; });
    script.at(2, [] { testsupport::holdKey(dh::VK_RETURN, true); });
    script.at(4, [] { testsupport::holdKey(dh::VK_RETURN, false); });
    script.at(6, [] { testsupport::holdKey(dh::VK_RETURN, true); });
    click(kMenuX, kNewGameY);
    EXPECT_EQ(dialogs, 2);
    EXPECT_TRUE(showing(screen->titlePanel));
    EXPECT_TRUE(dh::isWindowOpen());
}

TEST_F(StartupScreen, WideWindowKeepsTheMenuInTheMiddle)
{
    resize(1280, 720);
    // Scale 1.2, virtual width 1066: the root panel at x = 533 - 375.
    screen->centreRootPanel();
    EXPECT_EQ(screen->rootPanel->x, 158);
    const auto frame = paint("startup_title_1280x720");
    EXPECT_EQ(meanBrightness(frame, 0, 0, 180, 720), 0);
    EXPECT_EQ(meanBrightness(frame, 1100, 0, 1280, 720), 0);
    EXPECT_GT(meanBrightness(frame, 560, 200, 1000, 500), 60);
    resize(800, 600);
}

// A window manager's resize after the menu was laid out (full screen under a
// desktop) centres the menu again in the size the window has now.
TEST_F(StartupScreen, TheMenuFollowsAResizeOfTheWindow)
{
    dh::g_listener = screen.get();
    resize(1280, 720);
    // Scale 1.2, virtual size 1066 x 600.
    EXPECT_EQ(screen->rootPanel->x, 533 - 375);
    EXPECT_EQ(screen->rootPanel->y, 300 - 275);
    resize(1280, 1024);
    // Scale 1.6, virtual size 800 x 640.
    EXPECT_EQ(screen->rootPanel->x, 400 - 375);
    EXPECT_EQ(screen->rootPanel->y, 320 - 275);
    resize(800, 600);
    EXPECT_EQ(screen->rootPanel->x, 25);
    EXPECT_EQ(screen->rootPanel->y, 25);
    dh::g_listener = nullptr;
}

}

// The widgets go with the window, before the menu itself: the settings view
// open when the window is closed is remembered then, once.
TEST_F(StartupScreen, ClosingTheWindowAtTheSettingsViewWritesTheSettingsAsTheWidgetsGo)
{
    const std::string file = dh::SettingsFile::defaultPath();
    ASSERT_FALSE(file.empty());
    std::filesystem::remove(file);
    screen->showView(screen->settingsPanel);
    dh::g_soundEnabled = false;
    screen->onDestroy();
    dh::g_soundEnabled = true;
    std::stringstream written;
    written << std::ifstream(file).rdbuf();
    EXPECT_NE(written.str().find("sound=off"), std::string::npos) << written.str();
    screen.reset();
    std::stringstream after;
    after << std::ifstream(file).rdbuf();
    EXPECT_EQ(after.str(), written.str());
}
