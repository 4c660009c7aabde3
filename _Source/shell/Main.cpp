#include "audio/Music.h"
#include "audio/SoundEffects.h"
#include "flight/FlightModels.h"
#include "flight/Game.h"
#include "flight/World.h"
#include "platform/PlatformWindow.h"
#include "rendering/GLFont.h"
#include "rendering/ModelList.h"
#include "rendering/SpaceBackground.h"
#include "rendering/TextureList.h"
#include "shell/GLWindow.h"

#include <GL/gl.h>

#include <array>
#include <memory>

namespace {

constexpr const char* kCommanderName = "Commander";

void loadAssets()
{
    dh::loadFonts();
    dh::loadTextures();
    dh::loadModels();
    dh::loadSoundList();
    dh::g_flightModels = {dh::model(dh::Model::Ship_Explorer), dh::model(dh::Model::Ship_Fighter),
                          dh::model(dh::Model::Missile), dh::model(dh::Model::Spacestation)};
    if (!dh::g_buildBackground) {
        dh::g_buildBackground = [](const float* sunColour, std::string_view planetTexture) {
            const std::array<float, 3> sun{sunColour[0], sunColour[1], sunColour[2]};
            return std::make_shared<dh::SpaceBackground>(sun, dh::findTexture(planetTexture));
        };
    }
}

void releaseAssets()
{
    dh::g_flightModels = {};
    dh::releaseFonts();
    dh::releaseTextures();
    dh::releaseModels();
    dh::releaseSoundList();
}

}

// Until the start menu exists the game flies straight away.
int main()
{
    if (!dh::platformInit()) {
        dh::fatalError("The window system could not be started.");
    }
    dh::createGLWindow();
    dh::centreWindow();
    glClearColor(0.0f, 0.0f, 0.0f, 0.0f);
    glClear(GL_COLOR_BUFFER_BIT);
    dh::swapBuffers();
    dh::pumpMessages();

    dh::initSoundDevice();
    if (!dh::g_musicReady) {
        dh::initMusic();
    }
    loadAssets();

    if (dh::isWindowOpen()) {
        dh::showLoadingFrame();
        auto game = std::make_unique<dh::Game>(kCommanderName);
        game->run();
    }

    releaseAssets();
    dh::platformQuit();
    dh::shutdownSoundDevice();
    dh::shutdownMusic();
    return 0;
}
