#include "screens/GuiScreen_Startup.h"

#include "audio/Music.h"
#include "audio/SoundEffects.h"
#include "flight/FlightAssists.h"
#include "flight/Game.h"
#include "gui/Dialogs.h"
#include "gui/GuiButton.h"
#include "gui/GuiHRule.h"
#include "gui/GuiImage.h"
#include "gui/GuiLabel.h"
#include "gui/GuiPanel.h"
#include "gui/GuiSlider.h"
#include "window/UiSpace.h"
#include "persistence/ControlsFile.h"
#include "persistence/SaveFolder.h"
#include "persistence/SettingsFile.h"
#include "platform/PlatformMemory.h"
#include "platform/Version.h"
#include "rendering/GLFont.h"
#include "rendering/TextureList.h"
#include "screens/GuiControls.h"
#include "screens/GuiLoadGame.h"
#include "window/DisplayMode.h"
#include "window/GLWindow.h"
#include "screens/IntroScreen.h"

#include <array>
#include <cmath>
#include <functional>
#include <iostream>
#include <memory>
#include <string>
#include <utility>

namespace dh {

namespace {

template <class W>
W* place(GuiPanel* panel, std::unique_ptr<W> widget, int x, int y)
{
    widget->x = x;
    widget->y = y;
    return static_cast<W*>(panel->addWidget(std::move(widget)));
}

GuiPanel* addPanel(GuiPanel* parent, int x, int y, int width, int height)
{
    auto panel = std::make_unique<GuiPanel>();
    panel->width = width;
    panel->height = height;
    return place(parent, std::move(panel), x, y);
}

GuiLabel* addLabel(GuiPanel* panel, int x, int y, const char* text)
{
    auto label = std::make_unique<GuiLabel>();
    label->text = text;
    return place(panel, std::move(label), x, y);
}

GuiLabel* addHeading(GuiPanel* panel, int x, int y, const char* text)
{
    GuiLabel* label = addLabel(panel, x, y, text);
    label->font = g_fontBig;
    label->textSize = 16;
    return label;
}

void addRule(GuiPanel* panel, int x, int y)
{
    auto rule = std::make_unique<GuiHRule>();
    rule->width = 486;
    rule->height = 4;
    place(panel, std::move(rule), x, y);
}

GuiButton* addButton(GuiPanel* panel, int x, int y, const char* caption, std::function<void()> action)
{
    auto button = std::make_unique<GuiButton>();
    button->width = 180;
    button->height = 35;
    button->text = caption;
    button->action = std::move(action);
    return place(panel, std::move(button), x, y);
}

void addImage(GuiPanel* panel, int x, int y, int width, int height, GLTexture* texture)
{
    auto image = std::make_unique<GuiImage>();
    image->width = width;
    image->height = height;
    image->setTexture(texture);
    place(panel, std::move(image), x, y);
}

// A close request taken by the pump after a mode change destroys the window
// and, with it, the screen's widgets; only a live menu is re-centred.
void recentre(GuiScreen_Startup* screen)
{
    if (isWindowOpen())
        screen->centreRootPanel();
}

struct FullscreenMode {
    const char* caption;
    int width;
    int height;
};

constexpr std::array<FullscreenMode, 7> kFullscreenModes{{
    {"800x600 fullscreen", 800, 600},
    {"1024x768 fullscreen", 1024, 768},
    {"1280x1024 fullscreen", 1280, 1024},
    {"1600x1200 fullscreen", 1600, 1200},
    {"1440x900 fullscreen", 1440, 900},
    {"1680x1050 fullscreen", 1680, 1050},
    {"1920x1080 fullscreen", 1920, 1080},
}};

}

const char* switchCaption(bool enabled)
{
    return enabled ? "Enabled" : "Disabled";
}

const char* assistsCaption()
{
    return g_flightAssists ? "Flight assists: Enabled" : "Flight assists: Disabled";
}

GuiScreen_Startup::GuiScreen_Startup(GameHooks gameHooks, Settings settings)
    : gameHooks(std::move(gameHooks)), settings(settings)
{
    clipCursorToWindow(false);
    auto root = std::make_unique<GuiPanel>();
    root->width = kRootWidth;
    root->height = kRootHeight;
    rootPanel = static_cast<GuiPanel*>(addWidget(std::move(root)));
    buildRootPanel();
    buildTitlePanel();
    buildLoadPanel();
    buildSettingsPanel();
    buildControlsPanel();
    // Closed from the start, so that showing the title view writes nothing.
    settingsPanel->visible = false;
    centreRootPanel();
    showTitleView();
}

// Quitting, or closing the window, from the settings view closes it too.
GuiScreen_Startup::~GuiScreen_Startup()
{
    rememberSettings();
}

void GuiScreen_Startup::onDestroy()
{
    rememberSettings();
    settingsPanel = nullptr;
    GuiScreen::onDestroy();
}

void GuiScreen_Startup::buildRootPanel()
{
    addImage(rootPanel, 8, 8, 256, 64, texture(Tex::menuTitlePanel));
    addImage(rootPanel, 8, 58, 256, 512, texture(Tex::menuButtonPanel));
    addHeading(rootPanel, 32, 20, "Main Menu");
    newGameButton = addButton(rootPanel, 18, 80, "New Game", [this] { playNewGame(); });
    loadGameButton = addButton(rootPanel, 18, 120, "Load Game", [this] { showView(loadPanel); });
    settingsButton = addButton(rootPanel, 18, 455, "Settings", [this] { showView(settingsPanel); });
    quitButton = addButton(rootPanel, 18, 495, "Quit Program", [this] { running = false; });
    titlePanel = addPanel(rootPanel, 216, 8, 526, 534);
    loadPanel = addPanel(rootPanel, 216, 8, 526, 534);
    settingsPanel = addPanel(rootPanel, 216, 8, 526, 534);
}

void GuiScreen_Startup::buildTitlePanel()
{
    auto picture = std::make_unique<GuiImage>(GuiImage::TitleImage{});
    picture->width = 526;
    picture->height = 534;
    place(titlePanel, std::move(picture), 0, 0);
    addHeading(titlePanel, 20, 15, "Drift Hauler");
    addRule(titlePanel, 20, 40);
    addHeading(titlePanel, 20, 60, "By Quillon Marsh");
    addRule(titlePanel, 20, 490);
    addHeading(titlePanel, 20, 505, "Version: " DH_VERSION);
}

void GuiScreen_Startup::buildLoadPanel()
{
    addHeading(loadPanel, 20, 15, "Load game");
    addRule(loadPanel, 20, 40);
    for (int slot = 1; slot <= kSaveSlots; ++slot) {
        auto load = std::make_unique<GuiLoadGame>(slotFilePath(slot), gameHooks);
        load->width = 486;
        load->height = 75;
        place(loadPanel, std::move(load), 20, 60 + 80 * (slot - 1));
    }
}

void GuiScreen_Startup::buildSettingsPanel()
{
    addHeading(settingsPanel, 20, 15, "Settings");
    addRule(settingsPanel, 20, 40);
    addLabel(settingsPanel, 20, 60, "Resolution");
    addResolutionButtons();
    addLabel(settingsPanel, 320, 60, "Sound");
    soundButton = addButton(settingsPanel, 320, 80, switchCaption(g_soundEnabled), [this] {
        switchSound();
        soundButton->text = switchCaption(g_soundEnabled);
    });
    addLabel(settingsPanel, 320, 140, "Music");
    musicButton = addButton(settingsPanel, 320, 160, switchCaption(g_musicEnabled), [this] {
        switchMusic();
        musicButton->text = switchCaption(g_musicEnabled);
    });
    assistsButton = addButton(settingsPanel, 300, 300, assistsCaption(), [this] {
        g_flightAssists = !g_flightAssists;
        assistsButton->text = assistsCaption();
    });
    assistsButton->width = 200;
    addLabel(settingsPanel, 20, 480, "Screen brightness");
    auto slider = std::make_unique<GuiSlider>();
    slider->width = 400;
    slider->height = 20;
    slider->minValue = 0.5f;
    slider->maxValue = 1.5f;
    slider->knobOffset = settings.brightness ? knobForGamma(*settings.brightness, slider->width) : 193;
    slider->onKnobMoved = [this] {
        settings.brightness = brightnessGamma();
        setGamma(*settings.brightness);
    };
    brightnessSlider = place(settingsPanel, std::move(slider), 20, 500);
}

void GuiScreen_Startup::buildControlsPanel()
{
    controlsPanel = place(rootPanel, std::make_unique<GuiControls>(g_controls, controlsFilePath()), 216, 8);
    controlsButton = addButton(settingsPanel, 320, 240, "Controls", [this] { showView(controlsPanel); });
}

void GuiScreen_Startup::onKeyDown(unsigned virtualKey)
{
    if (!controlsPanel->takeKey(virtualKey))
        GuiScreen::onKeyDown(virtualKey);
}

void GuiScreen_Startup::onResize()
{
    recentre(this);
}

void GuiScreen_Startup::addResolutionButtons()
{
    resolutionButtons[0] = addButton(settingsPanel, 20, 80, "800x600 windowed", [this] { chooseWindowed(); });
    for (std::size_t i = 0; i < kFullscreenModes.size(); ++i) {
        const FullscreenMode mode = kFullscreenModes[i];
        resolutionButtons[i + 1] = addButton(settingsPanel, 20, 120 + 40 * static_cast<int>(i), mode.caption,
                                             [this, mode] { chooseFullscreen(mode.width, mode.height); });
    }
}

void GuiScreen_Startup::centreRootPanel()
{
    float width = 0.0f, height = 0.0f;
    uiSize(width, height);
    rootPanel->x = static_cast<int>(width) / 2 - kRootWidth / 2;
    rootPanel->y = static_cast<int>(height) / 2 - kRootHeight / 2;
}

void GuiScreen_Startup::showView(GuiPanel* view)
{
    if (view != settingsPanel)
        rememberSettings();
    for (GuiPanel* panel : {titlePanel, loadPanel, settingsPanel, static_cast<GuiPanel*>(controlsPanel)}) {
        panel->visible = panel == view;
        panel->enabled = panel == view;
    }
}

void GuiScreen_Startup::showTitleView()
{
    showView(titlePanel);
}

float GuiScreen_Startup::gammaForKnob(int knobOffset, int sliderWidth)
{
    const float t = static_cast<float>(knobOffset) / static_cast<float>(sliderWidth - GuiSlider::kKnobWidth);
    return (1.0f - t) * 0.5f + t * 1.5f;
}

float GuiScreen_Startup::brightnessGamma() const
{
    return gammaForKnob(brightnessSlider->knobOffset, brightnessSlider->width);
}

int GuiScreen_Startup::knobForGamma(float gamma, int sliderWidth)
{
    const float travel = static_cast<float>(sliderWidth - GuiSlider::kKnobWidth);
    return static_cast<int>(std::lround((gamma - 0.5f) * travel));
}

void GuiScreen_Startup::rememberSettings()
{
    if (settingsPanel == nullptr || !settingsPanel->visible)
        return;
    settings.sound = g_soundEnabled;
    settings.music = g_musicEnabled;
    settings.flightAssists = g_flightAssists;
    SettingsFile(SettingsFile::defaultPath()).save(settings, std::cerr);
}

void GuiScreen_Startup::switchSound()
{
    g_soundEnabled = !g_soundEnabled;
    if (!g_soundEnabled)
        stopAllSounds();
}

void GuiScreen_Startup::switchMusic()
{
    g_musicEnabled = !g_musicEnabled;
    if (!g_musicEnabled)
        stopMusic();
}

void GuiScreen_Startup::playNewGame()
{
    const std::string name = askCommanderName();
    if (name.empty()) {
        showMessage("Enter commnader name", "You must enter a name before proceeding.");
        return;
    }
    pumpMessages();
    playIntro();
    if (!isWindowOpen())
        return;
    showLoadingFrame();
    auto game = std::make_unique<Game>(name.c_str(), gameHooks);
    game->run();
    game.reset();
    releaseFreedMemory();
    showTitleView();
}

void GuiScreen_Startup::chooseWindowed()
{
    setDisplayMode(800, 600, false);
    settings.display = DisplayChoice{};
    pumpMessages();
    recentre(this);
}

void GuiScreen_Startup::chooseFullscreen(int width, int height)
{
    if (hasDisplayMode(width, height)) {
        setDisplayMode(width, height, true);
        settings.display = DisplayChoice{width, height, true};
    } else
        showMessage("Unable to change display mode", "Requested display mode is not supported.");
    pumpMessages();
    recentre(this);
}

}
