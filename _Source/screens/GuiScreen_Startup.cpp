#include "screens/GuiScreen_Startup.h"

#include "audio/Music.h"
#include "audio/SoundEffects.h"
#include "flight/Game.h"
#include "gui/Dialogs.h"
#include "gui/GuiButton.h"
#include "gui/GuiHRule.h"
#include "gui/GuiImage.h"
#include "gui/GuiLabel.h"
#include "gui/GuiPanel.h"
#include "gui/GuiSlider.h"
#include "window/UiSpace.h"
#include "persistence/SaveFolder.h"
#include "platform/Version.h"
#include "rendering/GLFont.h"
#include "rendering/TextureList.h"
#include "screens/GuiLoadGame.h"
#include "window/DisplayMode.h"
#include "window/GLWindow.h"
#include "screens/IntroScreen.h"

#include <array>
#include <memory>
#include <string>

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

GuiButton* addButton(GuiPanel* panel, int x, int y, const char* caption, GLWindowEventListener* action)
{
    auto button = std::make_unique<GuiButton>();
    button->width = 180;
    button->height = 35;
    button->text = caption;
    button->listener = action;
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

constexpr std::array<const char*, 8> kResolutionCaptions{
    "800x600 windowed",     "800x600 fullscreen",  "1024x768 fullscreen",  "1280x1024 fullscreen",
    "1600x1200 fullscreen", "1440x900 fullscreen", "1680x1050 fullscreen", "1920x1080 fullscreen",
};

}

const char* switchCaption(bool enabled)
{
    return enabled ? "Enabled" : "Disabled";
}

GuiScreen_Startup::GuiScreen_Startup()
{
    clipCursorToWindow(false);
    eventNewGame_ = std::make_unique<EventNewGame>(this);
    eventLoadGame_ = std::make_unique<EventLoadGame>(this);
    eventSettings_ = std::make_unique<EventSettings>(this);
    eventQuit_ = std::make_unique<EventQuit>(this);
    eventResolution800x600_windowed_ = std::make_unique<EventResolution800x600_windowed>(this);
    eventResolution800x600_fullscreen_ = std::make_unique<EventResolution800x600_fullscreen>(this);
    eventResolution1024x768_fullscreen_ = std::make_unique<EventResolution1024x768_fullscreen>(this);
    eventResolution1280x1024_fullscreen_ = std::make_unique<EventResolution1280x1024_fullscreen>(this);
    eventResolution1600x1200_fullscreen_ = std::make_unique<EventResolution1600x1200_fullscreen>(this);
    eventResolution1440x900_fullscreen_ = std::make_unique<EventResolution1440x900_fullscreen>(this);
    eventResolution1680x1050_fullscreen_ = std::make_unique<EventResolution1680x1050_fullscreen>(this);
    eventResolution1920x1080_fullscreen_ = std::make_unique<EventResolution1920x1080_fullscreen>(this);
    eventGammaChange_ = std::make_unique<EventGammaChange>(this);
    eventSoundOnOff_ = std::make_unique<EventSoundOnOff>(this);
    eventMusicOnOff_ = std::make_unique<EventMusicOnOff>(this);

    auto root = std::make_unique<GuiPanel>();
    root->width = kRootWidth;
    root->height = kRootHeight;
    rootPanel = static_cast<GuiPanel*>(addWidget(std::move(root)));
    buildRootPanel();
    buildTitlePanel();
    buildLoadPanel();
    buildSettingsPanel();
    centreRootPanel();
    showTitleView();
}

// The actions go first; the widgets that point at them go with the base.
GuiScreen_Startup::~GuiScreen_Startup() = default;

void GuiScreen_Startup::buildRootPanel()
{
    addImage(rootPanel, 8, 8, 256, 64, texture(Tex::menuTitlePanel));
    addImage(rootPanel, 8, 58, 256, 512, texture(Tex::menuButtonPanel));
    addHeading(rootPanel, 32, 20, "Main Menu");
    newGameButton = addButton(rootPanel, 18, 80, "New Game", eventNewGame_.get());
    loadGameButton = addButton(rootPanel, 18, 120, "Load Game", eventLoadGame_.get());
    settingsButton = addButton(rootPanel, 18, 455, "Settings", eventSettings_.get());
    quitButton = addButton(rootPanel, 18, 495, "Quit Program", eventQuit_.get());
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
        auto load = std::make_unique<GuiLoadGame>(slotFilePath(slot), nullptr);
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
    const std::array<GLWindowEventListener*, 8> actions{
        eventResolution800x600_windowed_.get(),     eventResolution800x600_fullscreen_.get(),
        eventResolution1024x768_fullscreen_.get(),  eventResolution1280x1024_fullscreen_.get(),
        eventResolution1600x1200_fullscreen_.get(), eventResolution1440x900_fullscreen_.get(),
        eventResolution1680x1050_fullscreen_.get(), eventResolution1920x1080_fullscreen_.get(),
    };
    for (std::size_t i = 0; i < actions.size(); ++i)
        resolutionButtons[i] =
            addButton(settingsPanel, 20, 80 + 40 * static_cast<int>(i), kResolutionCaptions[i], actions[i]);
    addLabel(settingsPanel, 320, 60, "Sound");
    soundButton = addButton(settingsPanel, 320, 80, switchCaption(g_soundEnabled), eventSoundOnOff_.get());
    addLabel(settingsPanel, 320, 140, "Music");
    musicButton = addButton(settingsPanel, 320, 160, switchCaption(g_musicEnabled), eventMusicOnOff_.get());
    addLabel(settingsPanel, 20, 480, "Screen brightness");
    auto slider = std::make_unique<GuiSlider>();
    slider->width = 400;
    slider->height = 20;
    slider->minValue = 0.5f;
    slider->maxValue = 1.5f;
    slider->knobOffset = 193;
    slider->listener = eventGammaChange_.get();
    brightnessSlider = place(settingsPanel, std::move(slider), 20, 500);
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
    for (GuiPanel* panel : {titlePanel, loadPanel, settingsPanel}) {
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

void GuiScreen_Startup::EventNewGame::onMouseUp(int, int, int button)
{
    if (button != 1)
        return;
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
    auto game = std::make_unique<Game>(name.c_str());
    game->run();
    game.reset();
    screen->showTitleView();
}

void GuiScreen_Startup::EventLoadGame::onMouseUp(int, int, int button)
{
    if (button == 1)
        screen->showView(screen->loadPanel);
}

void GuiScreen_Startup::EventSettings::onMouseUp(int, int, int button)
{
    if (button == 1)
        screen->showView(screen->settingsPanel);
}

void GuiScreen_Startup::EventQuit::onMouseUp(int, int, int button)
{
    if (button == 1)
        screen->running = false;
}

void GuiScreen_Startup::EventResolutionWindowed::onMouseUp(int, int, int button)
{
    if (button != 1)
        return;
    setDisplayMode(800, 600, false);
    pumpMessages();
    recentre(screen);
}

void GuiScreen_Startup::EventResolutionFullscreen::onMouseUp(int, int, int button)
{
    if (button != 1)
        return;
    if (hasDisplayMode(width, height))
        setDisplayMode(width, height, true);
    else
        showMessage("Unable to change display mode", "Requested display mode is not supported.");
    pumpMessages();
    recentre(screen);
}

void GuiScreen_Startup::EventGammaChange::onMouseMove(int, int)
{
    setGamma(screen->brightnessGamma());
}

void GuiScreen_Startup::EventSoundOnOff::onMouseUp(int, int, int button)
{
    if (button != 1)
        return;
    switchSound();
    screen->soundButton->text = switchCaption(g_soundEnabled);
}

void GuiScreen_Startup::EventMusicOnOff::onMouseUp(int, int, int button)
{
    if (button != 1)
        return;
    switchMusic();
    screen->musicButton->text = switchCaption(g_musicEnabled);
}

}
