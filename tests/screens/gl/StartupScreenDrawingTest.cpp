#include <GL/gl.h>
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <filesystem>
#include <functional>
#include <map>
#include <memory>
#include <stdexcept>
#include <string>
#include <vector>

#include "audio/Music.h"
#include "audio/SoundEffects.h"
#include "gui/Dialogs.h"
#include "gui/GuiButton.h"
#include "gui/GuiPanel.h"
#include "gui/GuiSlider.h"
#include "flight/Game.h"
#include "persistence/SaveFolder.h"
#include "persistence/SaveGame.h"
#include "platform/KeyState.h"
#include "platform/PlatformEvents.h"
#include "platform/PlatformImage.h"
#include "rendering/GLFont.h"
#include "rendering/TextureList.h"
#include "screens/GuiLoadGame.h"
#include "screens/GuiScreen_Startup.h"
#include "shell/GLWindow.h"
#include "support/GlWindowSupport.h"
#include "support/PrivateDataFolder.h"

// The main menu drawn at 800 x 600 and 1280 x 720 with the generated art, and
// its actions driven through the screen's own mouse handling.
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
        dh::g_dialogFrameHook = nullptr;
        dh::clearInjectedKeys();
        dh::g_listener = nullptr;
        dh::g_soundEnabled = true;
    }

    // A left click (press and release) at client pixel (x, y).
    void click(int x, int y, int button = 1)
    {
        screen->onMouseMove(x, y);
        screen->onMouseDown(x, y, button);
        screen->onMouseUp(x, y, button);
    }

    // Paints one frame and reads it back.
    std::vector<std::uint8_t> paint(const std::string& name)
    {
        screen->onPaint();
        return readBack(name);
    }

    // The frame last drawn, top row first, RGBA, also written as a picture.
    static std::vector<std::uint8_t> readBack(const std::string& name)
    {
        std::vector<std::uint8_t> frame = testsupport::readBackOpaqueRgba();
        testsupport::keepPicture(frame, "screens", name);
        return frame;
    }

    static int brightness(const std::vector<std::uint8_t>& frame, int x, int y)
    {
        const std::size_t at = (static_cast<std::size_t>(y) * dh::clientWidth() + x) * 4;
        return frame[at] + frame[at + 1] + frame[at + 2];
    }

    // Mean brightness (0..765) of the rectangle [x0, x1) x [y0, y1).
    static int meanBrightness(const std::vector<std::uint8_t>& frame, int x0, int y0, int x1, int y1)
    {
        long sum = 0;
        for (int y = y0; y < y1; ++y)
            for (int x = x0; x < x1; ++x)
                sum += brightness(frame, x, y);
        return static_cast<int>(sum / ((x1 - x0) * (y1 - y0)));
    }

    void expectView(const dh::GuiPanel* shown)
    {
        for (const dh::GuiPanel* panel : {screen->titlePanel, screen->loadPanel, screen->settingsPanel}) {
            EXPECT_EQ(panel->visible, panel == shown);
            EXPECT_EQ(panel->enabled, panel == shown);
        }
    }

    std::unique_ptr<GuiScreen_Startup> screen;
};

// Client points of the menu at 800 x 600: the root panel sits at (25, 25), the
// views at (241, 33).
constexpr int kMenuX = 133, kNewGameY = 122, kLoadY = 162, kSettingsY = 497, kQuitY = 537;
constexpr int kSwitchX = 651, kSoundY = 130, kMusicY = 210;
constexpr int kResolutionX = 351;
int resolutionY(int i) { return 130 + 40 * i; }

// Steps run at the start of a dialog loop's passes (numbered from 0 in every
// dialog); a dialog open too long fails the test instead of hanging it.
class DialogScript {
public:
    DialogScript()
    {
        dh::g_dialogFrameHook = [this](int frame) {
            dialogs += frame == 0 ? 1 : 0;
            if (auto found = steps.find(frame); found != steps.end())
                found->second();
            if (frame >= 400)
                throw std::runtime_error("the dialog did not end");
        };
    }
    ~DialogScript() { dh::g_dialogFrameHook = nullptr; }
    DialogScript(const DialogScript&) = delete;
    DialogScript& operator=(const DialogScript&) = delete;

    // Enter pressed at pass 2 and, for a dialog opened while it is held, again at pass 6.
    void pressEnter()
    {
        steps[2] = [] { dh::injectKeyState(dh::VK_RETURN, true); };
        steps[4] = [] { dh::injectKeyState(dh::VK_RETURN, false); };
        steps[6] = [] { dh::injectKeyState(dh::VK_RETURN, true); };
    }

    std::map<int, std::function<void()>> steps;
    int dialogs = 0;
};

TEST_F(StartupScreen, TitleViewIsCentredWithItsPictureAndTexts)
{
    EXPECT_EQ(screen->rootPanel->x, 25);
    EXPECT_EQ(screen->rootPanel->y, 25);
    EXPECT_EQ(screen->rootPanel->width, 750);
    EXPECT_EQ(screen->rootPanel->height, 550);
    expectView(screen->titlePanel);
    EXPECT_STREQ(screen->newGameButton->text, "New Game");
    EXPECT_STREQ(screen->loadGameButton->text, "Load Game");
    EXPECT_STREQ(screen->settingsButton->text, "Settings");
    EXPECT_STREQ(screen->quitButton->text, "Quit Program");

    const auto frame = paint("startup_title");
    // Black outside the root panel, the title picture lit in the view.
    EXPECT_EQ(meanBrightness(frame, 0, 0, 800, 20), 0);
    EXPECT_EQ(meanBrightness(frame, 0, 580, 800, 600), 0);
    EXPECT_GT(meanBrightness(frame, 300, 150, 700, 450), 60);
    // The buttons' faces are light, the button panel between them dark.
    EXPECT_GT(meanBrightness(frame, 60, 110, 200, 135), 400);
    EXPECT_LT(meanBrightness(frame, 60, 250, 200, 300), 300);
}

TEST_F(StartupScreen, ButtonsSwitchBetweenTheThreeViewsOnLeftReleasesOnly)
{
    click(kMenuX, kSettingsY, 2);
    expectView(screen->titlePanel);
    click(kMenuX, kSettingsY);
    expectView(screen->settingsPanel);
    EXPECT_STREQ(screen->resolutionButtons[0]->text, "800x600 windowed");
    EXPECT_STREQ(screen->resolutionButtons[4]->text, "1600x1200 fullscreen");
    EXPECT_STREQ(screen->resolutionButtons[5]->text, "1440x900 fullscreen");
    EXPECT_STREQ(screen->resolutionButtons[7]->text, "1920x1080 fullscreen");
    screen->onMouseMove(500, 571);
    const auto settings = paint("startup_settings");
    EXPECT_GT(meanBrightness(settings, 270, 120, 420, 140), 400);

    click(kMenuX, kLoadY);
    expectView(screen->loadPanel);
    screen->onMouseMove(500, 571);
    const auto load = paint("startup_load");
    // Five slots of 75 pixels, 80 apart, from y = 93.
    for (int i = 0; i < 5; ++i)
        EXPECT_GT(meanBrightness(load, 270, 100 + 80 * i, 500, 160 + 80 * i), 300) << "slot " << i + 1;
    screen->showTitleView();
    expectView(screen->titlePanel);
}

TEST_F(StartupScreen, LoadViewHoldsTheFiveSaveSlotsWithoutARunningGame)
{
    dh::ensureSaveFolder();
    const std::string second = dh::slotFilePath(2);
    {
        dh::Game saved("Halvard");
        ASSERT_TRUE(dh::SaveGame::trySave(second.c_str(), &saved).succeeded);
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
        EXPECT_EQ(slots[i]->x, 20);
        EXPECT_EQ(slots[i]->y, 60 + 80 * i);
        EXPECT_EQ(slots[i]->width, 486);
        EXPECT_EQ(slots[i]->height, 75);
    }
    click(kMenuX, kLoadY);
    screen->onMouseMove(500, 571);
    paint("startup_load_one_saved");
    EXPECT_FALSE(slots[0]->exists);
    EXPECT_TRUE(slots[1]->exists);
    EXPECT_EQ(slots[1]->commanderName, "Halvard");
    std::filesystem::remove(second);
}

TEST_F(StartupScreen, SoundAndMusicSwitchesTurnOverAndRenameThemselves)
{
    click(kMenuX, kSettingsY);
    EXPECT_STREQ(screen->soundButton->text, "Enabled");
    EXPECT_STREQ(screen->musicButton->text, "Enabled");
    click(kSwitchX, kSoundY);
    EXPECT_FALSE(dh::g_soundEnabled);
    EXPECT_STREQ(screen->soundButton->text, "Disabled");
    EXPECT_STREQ(screen->musicButton->text, "Enabled");
    click(kSwitchX, kMusicY);
    EXPECT_FALSE(dh::g_musicEnabled);
    EXPECT_STREQ(screen->musicButton->text, "Disabled");
    screen->onMouseMove(500, 571);
    paint("startup_settings_switched_off");
    click(kSwitchX, kSoundY);
    click(kSwitchX, kMusicY);
    EXPECT_TRUE(dh::g_soundEnabled);
    EXPECT_TRUE(dh::g_musicEnabled);
    EXPECT_STREQ(screen->soundButton->text, "Enabled");
    EXPECT_STREQ(screen->musicButton->text, "Enabled");
    // A right release does nothing.
    click(kSwitchX, kSoundY, 2);
    EXPECT_TRUE(dh::g_soundEnabled);
}

TEST_F(StartupScreen, BrightnessKnobIsDraggedFromTheMiddleToBothEnds)
{
    click(kMenuX, kSettingsY);
    const dh::GuiSlider& slider = *screen->brightnessSlider;
    EXPECT_EQ(slider.knobOffset, 193);
    EXPECT_NEAR(screen->brightnessGamma(), 1.0, 0.01);
    // The knob's left edge is at 261 + 193 = 454 in the client.
    screen->onMouseMove(460, 543);
    screen->onMouseDown(460, 543, 1);
    // The drag ends when the pointer leaves the slider, so it stops at its edges.
    for (int x = 440; x >= 261; x -= 30)
        screen->onMouseMove(x, 543);
    screen->onMouseMove(261, 543);
    EXPECT_EQ(slider.knobOffset, 0);
    EXPECT_FLOAT_EQ(screen->brightnessGamma(), 0.5f);
    for (int x = 300; x <= 660; x += 30)
        screen->onMouseMove(x, 545);
    screen->onMouseMove(660, 545);
    EXPECT_EQ(slider.knobOffset, 387);
    EXPECT_FLOAT_EQ(screen->brightnessGamma(), 1.5f);
    screen->onMouseUp(660, 545, 1);
    screen->onMouseMove(500, 571);
    paint("startup_brightness_full");
}

TEST_F(StartupScreen, MissingFullscreenSizeIsRefusedWithAMessageAndTheMenuStaysCentred)
{
    click(kMenuX, kSettingsY);
    // The dialog freezes the frame last drawn, as the running menu leaves it.
    screen->onMouseMove(500, 571);
    screen->onPaint();
    std::vector<std::uint8_t> shown;
    {
        DialogScript script;
        script.steps[3] = [&] { shown = readBack("startup_mode_refused"); };
        script.steps[4] = [] { dh::injectKeyState(dh::VK_RETURN, true); };
        // 1920 x 1080 is not among this display's modes.
        click(kResolutionX, resolutionY(7));
        EXPECT_EQ(script.dialogs, 1);
    }
    dh::clearInjectedKeys();
    EXPECT_FALSE(dh::g_fullscreen);
    EXPECT_EQ(dh::clientWidth(), 800);
    EXPECT_EQ(dh::clientHeight(), 600);
    EXPECT_EQ(screen->rootPanel->x, 25);
    EXPECT_EQ(screen->rootPanel->y, 25);
    ASSERT_FALSE(shown.empty());
    // The message's white body in the middle over the darkened menu.
    EXPECT_GT(meanBrightness(shown, 120, 240, 300, 300), 450);
    EXPECT_LT(meanBrightness(shown, 20, 560, 200, 570), 150);
}

TEST_F(StartupScreen, EmptyCommanderNameIsRefusedAndTheMenuStays)
{
    DialogScript script;
    script.pressEnter();
    click(kMenuX, kNewGameY);
    EXPECT_EQ(script.dialogs, 2);
    expectView(screen->titlePanel);
    EXPECT_EQ(dh::g_listener, nullptr);
    EXPECT_TRUE(dh::isWindowOpen());
}

TEST_F(StartupScreen, QuitAndEscapeEndTheMenuLoop)
{
    dh::PlatformEvent event;
    event.type = dh::PlatformEvent::Type::MouseDown;
    event.x = kMenuX;
    event.y = kQuitY;
    event.button = 1;
    dh::platformPostEvent(event);
    event.type = dh::PlatformEvent::Type::MouseUp;
    dh::platformPostEvent(event);
    screen->run();
    EXPECT_FALSE(screen->running);
    EXPECT_TRUE(dh::isWindowOpen());

    dh::PlatformEvent escape;
    escape.type = dh::PlatformEvent::Type::KeyDown;
    escape.key = dh::VK_ESCAPE;
    dh::platformPostEvent(escape);
    screen->run();
    EXPECT_FALSE(screen->running);
}

TEST_F(StartupScreen, WideWindowKeepsTheMenuInTheMiddle)
{
    resize(1280, 720);
    // Scale 1.2, virtual width 1066: the root panel at x = 533 - 375.
    screen->centreRootPanel();
    EXPECT_EQ(screen->rootPanel->x, 158);
    EXPECT_EQ(screen->rootPanel->y, 25);
    const auto frame = paint("startup_title_1280x720");
    EXPECT_EQ(meanBrightness(frame, 0, 0, 180, 720), 0);
    EXPECT_EQ(meanBrightness(frame, 1100, 0, 1280, 720), 0);
    EXPECT_GT(meanBrightness(frame, 560, 200, 1000, 500), 60);
    resize(800, 600);
    screen->centreRootPanel();
    EXPECT_EQ(screen->rootPanel->x, 25);
}

}
