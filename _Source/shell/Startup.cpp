#include "shell/Startup.h"

#include "audio/Music.h"
#include "audio/SoundEffects.h"
#include "flight/FlightModels.h"
#include "flight/FlightAssists.h"
#include "flight/Game.h"
#include "flight/World.h"
#include "gui/Dialogs.h"
#include "persistence/ControlsFile.h"
#include "persistence/SettingsFile.h"
#include "platform/Controllers.h"
#include "platform/PlatformWindow.h"
#include "rendering/GLFont.h"
#include "rendering/ModelList.h"
#include "rendering/SpaceBackground.h"
#include "rendering/TextureList.h"
#include "screens/GuiScreen_InGameMenu.h"
#include "screens/GuiScreen_SpaceStation.h"
#include "screens/GuiScreen_Startup.h"
#include "window/DisplayMode.h"
#include "window/GLWindow.h"

#include <GL/gl.h>

#include <array>
#include <iostream>
#include <memory>
#include <string_view>

namespace dh {

namespace {

void loadAssets()
{
    loadFonts();
    loadTextures();
    loadModels();
    loadSoundList();
}

// The flight builds its objects from the loaded models, so they are handed
// over once the assets are in.
void connectFlight()
{
    g_flightModels = {model(Model::Ship_Explorer), model(Model::Ship_Fighter), model(Model::Missile),
                      model(Model::Spacestation)};
}

// What every game asks of the program: its screens, its dialogs and skies
// built with the window's context.
GameHooks gameHooks()
{
    GameHooks hooks;
    hooks.runInGameMenu = runInGameMenu;
    hooks.runStationScreen = runStationScreen;
    hooks.showMessage = [](const char* title, const char* text) { showMessage(title, text); };
    hooks.showMessageLines = [](const char* title, const char* upperLine, const char* lowerLine) {
        showMessage(title, upperLine, lowerLine);
    };
    hooks.buildBackground = [](const float* sunColour, std::string_view planetTexture) {
        const std::array<float, 3> sun{sunColour[0], sunColour[1], sunColour[2]};
        return std::make_shared<SpaceBackground>(sun, findTexture(planetTexture));
    };
    return hooks;
}

void releaseAssets()
{
    g_flightModels = {};
    releaseFonts();
    releaseTextures();
    releaseModels();
    releaseSoundList();
}

// The settings remembered from the last run take over from the start-up
// question's answer where the player chose a display mode in the settings view.
Settings applyRememberedSettings()
{
    const Settings settings = SettingsFile(SettingsFile::defaultPath()).load(std::cerr);
    g_soundEnabled = settings.sound;
    g_musicEnabled = settings.music;
    g_flightAssists = settings.flightAssists;
    if (!isWindowOpen())
        return settings;
    if (settings.display && settings.display->fullscreen) {
        if (hasDisplayMode(settings.display->width, settings.display->height))
            setDisplayMode(settings.display->width, settings.display->height, true);
    } else if (settings.display && g_fullscreen) {
        setDisplayMode(settings.display->width, settings.display->height, false);
    }
    if (settings.brightness)
        setGamma(*settings.brightness);
    pumpMessages();
    return settings;
}

void runStartMenu(const Settings& settings)
{
    if (!isWindowOpen())
        return;
    auto menu = std::make_unique<GuiScreen_Startup>(gameHooks(), settings);
    menu->run();
}

}

int runDriftHauler()
{
    if (!platformInit())
        fatalError("The window system could not be started.");
    g_controls = readControls(controlsFilePath(), std::cerr);
    openControllers();
    createGLWindow();
    centreWindow();
    glClearColor(0.0f, 0.0f, 0.0f, 0.0f);
    glClear(GL_COLOR_BUFFER_BIT);
    swapBuffers();
    if (platformAskYesNo(kFullscreenCaption, kFullscreenQuestion))
        chooseFullscreenMode();
    else
        centreWindow();
    pumpMessages();
    const Settings settings = applyRememberedSettings();

    initSoundDevice();
    if (!g_musicReady)
        initMusic();
    loadAssets();
    connectFlight();

    runStartMenu(settings);

    releaseAssets();
    closeControllers();
    platformQuit();
    shutdownSoundDevice();
    shutdownMusic();
    return 0;
}

}
