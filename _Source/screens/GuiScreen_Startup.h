#pragma once
#include "flight/GameHooks.h"
#include "gui/GuiScreen.h"

#include <array>
#include <memory>

namespace dh {

class GuiButton;
class GuiPanel;
class GuiSlider;

// The main menu: new game, the five save slots, the settings (display mode,
// sound, music, brightness) and quitting. A game runs inside the action that
// started it; afterwards the menu shows its title view again.
class GuiScreen_Startup : public GuiScreen {
public:
    // The common part of every action: the screen it acts on.
    class Event : public GLWindowEventListener {
    public:
        explicit Event(GuiScreen_Startup* screen) : screen(screen) {}

    protected:
        GuiScreen_Startup* screen;
    };

    class EventNewGame : public Event {
    public:
        using Event::Event;
        void onMouseUp(int x, int y, int button) override;
    };
    class EventLoadGame : public Event {
    public:
        using Event::Event;
        void onMouseUp(int x, int y, int button) override;
    };
    class EventSettings : public Event {
    public:
        using Event::Event;
        void onMouseUp(int x, int y, int button) override;
    };
    class EventQuit : public Event {
    public:
        using Event::Event;
        void onMouseUp(int x, int y, int button) override;
    };
    class EventResolutionWindowed : public Event {
    public:
        using Event::Event;
        void onMouseUp(int x, int y, int button) override;
    };
    // Full screen at the size on the button's caption, when the display has it.
    class EventResolutionFullscreen : public Event {
    public:
        EventResolutionFullscreen(GuiScreen_Startup* screen, int width, int height)
            : Event(screen), width(width), height(height)
        {
        }
        void onMouseUp(int x, int y, int button) override;

        const int width;
        const int height;
    };
    template <int Width, int Height>
    class EventResolutionFullscreenAt : public EventResolutionFullscreen {
    public:
        explicit EventResolutionFullscreenAt(GuiScreen_Startup* screen)
            : EventResolutionFullscreen(screen, Width, Height)
        {
        }
    };
    using EventResolution800x600_windowed = EventResolutionWindowed;
    using EventResolution800x600_fullscreen = EventResolutionFullscreenAt<800, 600>;
    using EventResolution1024x768_fullscreen = EventResolutionFullscreenAt<1024, 768>;
    using EventResolution1280x1024_fullscreen = EventResolutionFullscreenAt<1280, 1024>;
    using EventResolution1600x1200_fullscreen = EventResolutionFullscreenAt<1600, 1200>;
    using EventResolution1440x900_fullscreen = EventResolutionFullscreenAt<1440, 900>;
    using EventResolution1680x1050_fullscreen = EventResolutionFullscreenAt<1680, 1050>;
    using EventResolution1920x1080_fullscreen = EventResolutionFullscreenAt<1920, 1080>;
    // Reports every move of the brightness knob.
    class EventGammaChange : public Event {
    public:
        using Event::Event;
        void onMouseMove(int x, int y) override;
    };
    class EventSoundOnOff : public Event {
    public:
        using Event::Event;
        void onMouseUp(int x, int y, int button) override;
    };
    class EventMusicOnOff : public Event {
    public:
        using Event::Event;
        void onMouseUp(int x, int y, int button) override;
    };

    static constexpr int kRootWidth = 750;
    static constexpr int kRootHeight = 550;

    // Every game the menu starts, new or loaded, gets these hooks.
    explicit GuiScreen_Startup(GameHooks gameHooks = {});
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
    GuiSlider* brightnessSlider = nullptr;

private:
    void buildRootPanel();
    void buildTitlePanel();
    void buildLoadPanel();
    void buildSettingsPanel();

    GameHooks gameHooks;
    std::unique_ptr<EventNewGame> eventNewGame_;
    std::unique_ptr<EventLoadGame> eventLoadGame_;
    std::unique_ptr<EventSettings> eventSettings_;
    std::unique_ptr<EventQuit> eventQuit_;
    std::unique_ptr<EventResolution800x600_windowed> eventResolution800x600_windowed_;
    std::unique_ptr<EventResolution800x600_fullscreen> eventResolution800x600_fullscreen_;
    std::unique_ptr<EventResolution1024x768_fullscreen> eventResolution1024x768_fullscreen_;
    std::unique_ptr<EventResolution1280x1024_fullscreen> eventResolution1280x1024_fullscreen_;
    std::unique_ptr<EventResolution1600x1200_fullscreen> eventResolution1600x1200_fullscreen_;
    std::unique_ptr<EventResolution1440x900_fullscreen> eventResolution1440x900_fullscreen_;
    std::unique_ptr<EventResolution1680x1050_fullscreen> eventResolution1680x1050_fullscreen_;
    std::unique_ptr<EventResolution1920x1080_fullscreen> eventResolution1920x1080_fullscreen_;
    std::unique_ptr<EventGammaChange> eventGammaChange_;
    std::unique_ptr<EventSoundOnOff> eventSoundOnOff_;
    std::unique_ptr<EventMusicOnOff> eventMusicOnOff_;
};

// The caption of a sound or music switch for its setting.
const char* switchCaption(bool enabled);

}
