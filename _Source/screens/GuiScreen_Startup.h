#pragma once
#include "flight/GameHooks.h"
#include "gui/GuiScreen.h"
#include "persistence/Settings.h"

#include <array>

namespace dh {

class GuiButton;
class GuiControls;
class GuiPanel;
class GuiSlider;

// The main menu: new game, the five save slots, the settings (display mode,
// sound, music, brightness, and the controls' own view) and quitting. A game runs inside the action that
// started it; afterwards the menu shows its title view again.
class GuiScreen_Startup : public GuiScreen {
public:
    static constexpr int kRootWidth = 750;
    static constexpr int kRootHeight = 550;

    // Every game the menu starts, new or loaded, gets these hooks; the
    // settings view starts from the remembered settings.
    explicit GuiScreen_Startup(GameHooks gameHooks = {}, Settings settings = {});
    ~GuiScreen_Startup() override;
    GuiScreen_Startup(const GuiScreen_Startup&) = delete;
    GuiScreen_Startup& operator=(const GuiScreen_Startup&) = delete;

    // Centres the root panel in the window's virtual size.
    void centreRootPanel();
    void showTitleView();
    // Shows one of the title, load and settings panels and hides the others.
    void showView(GuiPanel* view);

    // The gamma the brightness slider stands for: 0.5 with the knob at the
    // left end, 1.5 at the right end (knob at width - 13).
    static float gammaForKnob(int knobOffset, int sliderWidth);
    float brightnessGamma() const;
    // The knob place nearest to a gamma, the inverse of gammaForKnob.
    static int knobForGamma(float gamma, int sliderWidth);
    // Turn the setting over; sound effects still playing stop when sound goes
    // off, the song stops when music goes off. Nothing starts when either
    // comes back on.
    static void switchSound();
    static void switchMusic();

    GuiPanel* rootPanel = nullptr;
    GuiPanel* titlePanel = nullptr;
    GuiPanel* loadPanel = nullptr;
    GuiPanel* settingsPanel = nullptr;
    GuiButton* newGameButton = nullptr;
    GuiButton* loadGameButton = nullptr;
    GuiButton* settingsButton = nullptr;
    GuiButton* quitButton = nullptr;
    std::array<GuiButton*, 8> resolutionButtons{};
    GuiButton* soundButton = nullptr;
    GuiButton* musicButton = nullptr;
    GuiButton* assistsButton = nullptr;
    GuiSlider* brightnessSlider = nullptr;
    GuiButton* controlsButton = nullptr;
    GuiControls* controlsPanel = nullptr;

    // A key goes to the controls view while an action there waits for one.
    void onKeyDown(unsigned virtualKey) override;
    // A window manager may resize the window after the menu was laid out
    // (full screen under a desktop arrives late); the menu follows it.
    void onResize() override;
    // The widgets go with the window; an open settings view is remembered first.
    void onDestroy() override;

private:
    void buildRootPanel();
    void buildTitlePanel();
    void buildLoadPanel();
    void buildSettingsPanel();
    void addResolutionButtons();
    void buildControlsPanel();

    // Asks the commander's name, plays the intro and runs the game to its end.
    void playNewGame();
    // The display modes; a full-screen size the display lacks is refused
    // with a message.
    void chooseWindowed();
    void chooseFullscreen(int width, int height);

    // Writes the settings file when the settings view closes.
    void rememberSettings();

    GameHooks gameHooks;
    Settings settings;
};

// The caption of a sound or music switch for its setting.
const char* switchCaption(bool enabled);
// The flight assists switch names itself, having no label above it.
const char* assistsCaption();

}
