// drift-hauler-bench-startup: the game's own start-up, from the process's
// start as the kernel recorded it (so loading and linking count too) to the
// main menu's first frame on the screen. The full-screen question is answered
// No without being shown. Prints the time at which each step ended, then
// "startup <ms> ms".
#include "audio/Music.h"
#include "audio/SoundEffects.h"
#include "flight/Controls.h"
#include "flight/FlightModels.h"
#include "persistence/ControlsFile.h"
#include "persistence/SettingsFile.h"
#include "platform/Controllers.h"
#include "platform/PlatformWindow.h"
#include "rendering/GLFont.h"
#include "rendering/ModelList.h"
#include "rendering/TextureList.h"
#include "screens/GuiScreen_Startup.h"
#include "window/GLWindow.h"

#include <GL/gl.h>

#include <cstdio>
#include <ctime>
#include <fstream>
#include <iostream>
#include <memory>
#include <sstream>
#include <string>
#include <unistd.h>

namespace {

// The process's start in CLOCK_BOOTTIME seconds: field 22 of /proc/self/stat,
// in clock ticks since boot.
double processStart()
{
    std::ifstream stat("/proc/self/stat");
    std::string text((std::istreambuf_iterator<char>(stat)), std::istreambuf_iterator<char>());
    // The command name in field 2 may hold spaces; the fields after it do not.
    std::istringstream fields(text.substr(text.rfind(')') + 2));
    std::string field;
    for (int i = 3; i <= 22 && fields >> field; ++i) {
    }
    return std::stod(field) / static_cast<double>(sysconf(_SC_CLK_TCK));
}

double bootClock()
{
    timespec now{};
    clock_gettime(CLOCK_BOOTTIME, &now);
    return static_cast<double>(now.tv_sec) + static_cast<double>(now.tv_nsec) * 1e-9;
}

class StepClock {
public:
    StepClock() : start_(processStart()) {}

    double mark(const char* step) const
    {
        const double ms = (bootClock() - start_) * 1000.0;
        std::printf("%s %.1f ms\n", step, ms);
        return ms;
    }

private:
    double start_;
};

}

int main()
{
    const StepClock clock;
    clock.mark("main");
    if (!dh::platformInit()) {
        std::fprintf(stderr, "drift-hauler-bench-startup: the window system could not be started\n");
        return 1;
    }
    dh::g_controls = dh::readControls(dh::controlsFilePath(), std::cerr);
    dh::openControllers();
    dh::createGLWindow();
    dh::centreWindow();
    glClearColor(0.0f, 0.0f, 0.0f, 0.0f);
    glClear(GL_COLOR_BUFFER_BIT);
    dh::swapBuffers();
    clock.mark("window");
    dh::centreWindow();
    dh::pumpMessages();
    const dh::Settings settings = dh::SettingsFile(dh::SettingsFile::defaultPath()).load(std::cerr);
    dh::g_soundEnabled = settings.sound;
    dh::g_musicEnabled = settings.music;
    clock.mark("question-and-settings");
    dh::initSoundDevice();
    clock.mark("sound-device");
    if (!dh::g_musicReady) {
        dh::initMusic();
    }
    clock.mark("music");
    dh::loadFonts();
    clock.mark("fonts");
    dh::loadTextures();
    clock.mark("textures");
    dh::loadModels();
    clock.mark("models");
    dh::loadSoundList();
    clock.mark("samples");
    dh::g_flightModels = {dh::model(dh::Model::Ship_Explorer), dh::model(dh::Model::Ship_Fighter),
                          dh::model(dh::Model::Missile), dh::model(dh::Model::Spacestation)};
    auto menu = std::make_unique<dh::GuiScreen_Startup>(dh::GameHooks{}, settings);
    clock.mark("menu-built");
    menu->onPaint();
    glFinish();
    const double total = clock.mark("first-frame");
    std::printf("startup %.1f ms\n", total);
    menu.reset();
    dh::g_flightModels = {};
    dh::releaseFonts();
    dh::releaseTextures();
    dh::releaseModels();
    dh::releaseSoundList();
    dh::closeControllers();
    dh::platformQuit();
    dh::shutdownSoundDevice();
    dh::shutdownMusic();
    return 0;
}
