#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <filesystem>
#include <memory>
#include <string>
#include <vector>

#include "audio/Music.h"
#include "audio/SoundEffects.h"
#include "flight/Game.h"
#include "gui/GuiSlider.h"
#include "persistence/SaveFolder.h"
#include "persistence/SaveGame.h"
#include "platform/KeyState.h"
#include "screens/GuiLoadGame.h"
#include "screens/GuiScreen_Startup.h"
#include "shell/GLWindow.h"
#include "support/DialogScript.h"
#include "support/GlWindowSupport.h"
#include "support/PrivateDataFolder.h"

// The main menu drawn with the generated art and driven through its own mouse handling.
namespace {

using dh::GuiScreen_Startup;

class StartupScreen : public testsupport::GlWindowTest {
protected:
    void SetUp() override
    {
        // The load view reads the save folder; it must not be the developer's own.
        setenv("XDG_DATA_HOME", testsupport::privateDataFolder("dh-startup-screen").c_str(), 1);
        ASSERT_TRUE(testsupport::openWindowWith(testsupport::Art::FontsAndTextures));
        dh::g_listener = nullptr;
        dh::g_soundEnabled = true;
        dh::clearInjectedKeys();
        resize(800, 600);
        screen = std::make_unique<GuiScreen_Startup>();
    }
    void TearDown() override
    {
        screen.reset();
        dh::clearInjectedKeys();
        dh::g_listener = nullptr;
        dh::g_soundEnabled = true;
    }

    void click(int x, int y, int button = 1)
    {
        screen->onMouseMove(x, y);
        screen->onMouseDown(x, y, button);
        screen->onMouseUp(x, y, button);
    }

    // Paints one frame with the pointer off the buttons and keeps it as a picture.
    std::vector<std::uint8_t> paint(const std::string& name)
    {
        screen->onMouseMove(500, 571);
        screen->onPaint();
        std::vector<std::uint8_t> frame = testsupport::readBackOpaqueRgba();
        testsupport::keepPicture(frame, "screens", name);
        return frame;
    }

    // Mean brightness (0..765) of the rectangle [x0, x1) x [y0, y1).
    static int meanBrightness(const std::vector<std::uint8_t>& frame, int x0, int y0, int x1, int y1)
    {
        long sum = 0;
        for (int y = y0; y < y1; ++y)
            for (int x = x0; x < x1; ++x) {
                const std::size_t at = (static_cast<std::size_t>(y) * dh::clientWidth() + x) * 4;
                sum += frame[at] + frame[at + 1] + frame[at + 2];
            }
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
constexpr int kMenuX = 133, kNewGameY = 122, kLoadY = 162, kSettingsY = 497;
constexpr int kSwitchX = 651, kSoundY = 130, kMusicY = 210;

TEST_F(StartupScreen, TitleSettingsAndLoadViews)
{
    EXPECT_TRUE(showing(screen->titlePanel));
    paint("startup_title");

    click(kMenuX, kSettingsY, 2);
    EXPECT_TRUE(showing(screen->titlePanel));
    click(kMenuX, kSettingsY);
    EXPECT_TRUE(showing(screen->settingsPanel));

    // The load view's five slots point at the save files with no running game.
    dh::ensureSaveFolder();
    {
        dh::Game saved("Halvard");
        ASSERT_TRUE(dh::SaveGame::trySave(dh::slotFilePath(2).c_str(), &saved).succeeded);
    }
    std::vector<const dh::GuiLoadGame*> slots;
    for (const auto& child : screen->loadPanel->children)
        if (const auto* slot = dynamic_cast<const dh::GuiLoadGame*>(child.get()))
            slots.push_back(slot);
    ASSERT_EQ(slots.size(), 5u);
    std::sort(slots.begin(), slots.end(), [](auto* a, auto* b) { return a->y < b->y; });
    for (int i = 0; i < 5; ++i) {
        EXPECT_EQ(slots[i]->path, dh::slotFilePath(i + 1));
        EXPECT_EQ(slots[i]->game, nullptr);
    }
    click(kMenuX, kLoadY);
    EXPECT_TRUE(showing(screen->loadPanel));
    paint("startup_load");
    EXPECT_EQ(slots[1]->commanderName, "Halvard");
    std::filesystem::remove(dh::slotFilePath(2));
}

TEST_F(StartupScreen, SwitchesTurnOverAndTheBrightnessKnobStopsAtBothEnds)
{
    click(kMenuX, kSettingsY);
    click(kSwitchX, kSoundY);
    click(kSwitchX, kMusicY);
    EXPECT_FALSE(dh::g_soundEnabled);
    EXPECT_FALSE(dh::g_musicEnabled);
    EXPECT_STREQ(screen->musicButton->text, "Disabled");
    paint("startup_settings_switched_off");
    click(kSwitchX, kSoundY);
    click(kSwitchX, kMusicY);
    click(kSwitchX, kSoundY, 2);
    EXPECT_TRUE(dh::g_soundEnabled);
    EXPECT_TRUE(dh::g_musicEnabled);
    EXPECT_STREQ(screen->soundButton->text, "Enabled");

    const dh::GuiSlider& slider = *screen->brightnessSlider;
    EXPECT_EQ(slider.knobOffset, 193);
    // The knob's left edge is at 261 + 193 = 454; the drag ends where the pointer leaves the slider.
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
    script.at(2, [] { dh::injectKeyState(dh::VK_RETURN, true); });
    script.at(4, [] { dh::injectKeyState(dh::VK_RETURN, false); });
    script.at(6, [] { dh::injectKeyState(dh::VK_RETURN, true); });
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

}
