// drift-hauler-bench-frame: the game's flight frame at 800 x 600, the floor
// scene against the worst scene in each of the eight views, interleaved, with
// glFinish closing every frame so that the renderer's work is inside the time.
// Then the sky's build, the resident memory and the allocations per frame.
//   --scene floor|worst --view K --frames N   one scene alone (for callgrind)
//   --warmup-drawn D                          with --scene worst: draw only the
//                                             last D of the warm-up frames
//   --lead-in L                               with --scene: L frames drawn in
//                                             the view before the measured ones
//   --sky-only                                two skies built, the second
//                                             in measuredSkyBuild, nothing else
//   --dump DIR                                frame 100 of each scene and view as PPM
#include "AllocationCount.h"
#include "FloorScene.h"
#include "FrameDump.h"
#include "NewObjects.h"
#include "OfflineSound.h"
#include "ProcessMemory.h"
#include "SkyTiming.h"
#include "Statistics.h"
#include "WorstScene.h"

#include "flight/FlightModels.h"
#include "flight/PlayerHuman.h"
#include "flight/World.h"
#include "platform/PlatformWindow.h"
#include "rendering/GLFont.h"
#include "rendering/ModelList.h"
#include "rendering/SpaceBackground.h"
#include "rendering/TextureList.h"
#include "window/GLWindow.h"

#include <GL/gl.h>

#include <array>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <memory>
#include <optional>
#include <string>
#include <vector>

namespace {

using Clock = std::chrono::steady_clock;

constexpr int kRounds = 5;
constexpr int kRoundFrames = 120;
constexpr int kDumpedFrame = 100;
constexpr int kCountedFrames = 600;
constexpr int kSkyBuilds = 10;
constexpr int kViews = static_cast<int>(dh::PlayerHuman::kViewCount);

struct Options {
    std::optional<std::string> scene;
    int view = 0;
    int frames = kRoundFrames;
    int drawnWarmUpFrames = bench::WorstScene::kWarmUpFrames;
    int leadInFrames = 0;
    bool skyOnly = false;
    std::optional<std::filesystem::path> dumpFolder;
};

bool parse(int argc, char** argv, Options& options)
{
    for (int i = 1; i < argc; ++i) {
        const bool hasValue = i + 1 < argc;
        if (std::strcmp(argv[i], "--scene") == 0 && hasValue) {
            options.scene = argv[++i];
        } else if (std::strcmp(argv[i], "--view") == 0 && hasValue) {
            options.view = std::atoi(argv[++i]);
        } else if (std::strcmp(argv[i], "--frames") == 0 && hasValue) {
            options.frames = std::atoi(argv[++i]);
        } else if (std::strcmp(argv[i], "--warmup-drawn") == 0 && hasValue) {
            options.drawnWarmUpFrames = std::atoi(argv[++i]);
        } else if (std::strcmp(argv[i], "--lead-in") == 0 && hasValue) {
            options.leadInFrames = std::atoi(argv[++i]);
        } else if (std::strcmp(argv[i], "--sky-only") == 0) {
            options.skyOnly = true;
        } else if (std::strcmp(argv[i], "--dump") == 0 && hasValue) {
            options.dumpFolder = argv[++i];
        } else {
            return false;
        }
    }
    const bool knownScene = !options.scene || *options.scene == "floor" || *options.scene == "worst";
    return knownScene && options.view >= 0 && options.view < kViews && options.frames > 0
        && options.drawnWarmUpFrames >= 0 && options.drawnWarmUpFrames <= bench::WorstScene::kWarmUpFrames
        && options.leadInFrames >= 0;
}

class Window {
public:
    Window()
    {
        if (!dh::platformInit()) {
            std::fprintf(stderr, "drift-hauler-bench-frame: the window system could not be started\n");
            std::exit(1);
        }
        dh::createGLWindow();
        dh::setClientSize(800, 600);
        dh::platformSetSwapInterval(0);
        dh::loadFonts();
        dh::loadTextures();
        dh::loadModels();
        dh::g_flightModels = {dh::model(dh::Model::Ship_Explorer), dh::model(dh::Model::Ship_Fighter),
                              dh::model(dh::Model::Missile), dh::model(dh::Model::Spacestation)};
    }
    ~Window()
    {
        dh::g_flightModels = {};
        dh::releaseFonts();
        dh::releaseTextures();
        dh::releaseModels();
        dh::platformQuit();
    }
    Window(const Window&) = delete;
    Window& operator=(const Window&) = delete;
};

dh::GameHooks skyHooks()
{
    dh::GameHooks hooks;
    hooks.buildBackground = [](const float* sun, std::string_view planet) {
        return std::make_shared<dh::SpaceBackground>(std::array<float, 3>{sun[0], sun[1], sun[2]},
                                                     dh::findTexture(planet));
    };
    return hooks;
}

// The measured work alone, apart for callgrind's --toggle-collect.
template <typename Scene>
[[gnu::noinline]] void measuredFrame(Scene& scene)
{
    scene.paint();
    glFinish();
}

// One frame, its time in milliseconds; the sounds are mixed outside it, as
// the game's audio thread does.
template <typename Scene>
double timedFrame(Scene& scene)
{
    scene.useClock();
    const Clock::time_point start = Clock::now();
    measuredFrame(scene);
    const double ms = std::chrono::duration<double, std::milli>(Clock::now() - start).count();
    bench::OfflineSound::mix();
    return ms;
}

template <typename Scene>
void runFrames(Scene& scene, int frames, std::vector<double>& times, const std::optional<std::filesystem::path>& dump,
               const std::string& name)
{
    for (int frame = 0; frame < frames; ++frame) {
        times.push_back(timedFrame(scene));
        if (dump && frame == kDumpedFrame) {
            bench::writeFrontBuffer(*dump / (name + ".ppm"));
        }
    }
}

std::string worstName(int view)
{
    return "worst-view" + std::to_string(view);
}

// Frames outside measuredFrame: the driver compiles the shaders that the
// view's first frames need here, not inside the counted frames.
template <typename Scene>
void leadIn(Scene& scene, int frames)
{
    for (int frame = 0; frame < frames; ++frame) {
        scene.useClock();
        scene.paint();
        glFinish();
        bench::OfflineSound::mix();
    }
}

int runOneScene(const Options& options)
{
    std::vector<double> times;
    if (*options.scene == "floor") {
        bench::FloorScene floor(skyHooks());
        leadIn(floor, options.leadInFrames);
        runFrames(floor, options.frames, times, options.dumpFolder, "floor");
        std::printf("floor %.3f ms\nrss %ld kB\n", bench::median(times), bench::residentKilobytes());
    } else {
        bench::WorstScene worst(bench::WorstScene::Mode::Drawn, skyHooks(), options.drawnWarmUpFrames);
        worst.game().human->viewIndex = static_cast<std::uint32_t>(options.view);
        leadIn(worst, options.leadInFrames);
        runFrames(worst, options.frames, times, options.dumpFolder, worstName(options.view));
        std::printf("worst view %d %.3f ms\nparticles %u\nrss %ld kB\n", options.view, bench::median(times),
                    worst.game().world->particles.count(), bench::residentKilobytes());
    }
    return 0;
}

void countAllocations(bench::WorstScene& worst)
{
    worst.game().human->viewIndex = 0;
    std::uint64_t calls = 0;
    std::uint64_t objects = 0;
    for (int frame = 0; frame < kCountedFrames; ++frame) {
        worst.useClock();
        bench::startCountingNew();
        measuredFrame(worst);
        calls += bench::stopCountingNew();
        objects += bench::countNewObjects(worst.game().world->objects);
        bench::OfflineSound::mix();
    }
    std::printf("new-per-frame %.3f objects-per-frame %.3f\n", static_cast<double>(calls) / kCountedFrames,
                static_cast<double>(objects) / kCountedFrames);
}

int runInterleaved(const Options& options)
{
    // The floor scene is built first, so that the memory it holds is seen alone.
    auto floor = std::make_unique<bench::FloorScene>(skyHooks());
    const long floorResident = bench::residentKilobytes();
    auto worst = std::make_unique<bench::WorstScene>(bench::WorstScene::Mode::Drawn, skyHooks());
    const long worstResident = bench::residentKilobytes();
    std::vector<double> floorTimes;
    std::array<std::vector<double>, kViews> worstTimes;
    std::vector<double> particles;
    for (int round = 0; round < kRounds; ++round) {
        const auto dump = round == 0 ? options.dumpFolder : std::nullopt;
        runFrames(*floor, kRoundFrames, floorTimes, dump, "floor");
        for (int view = 0; view < kViews; ++view) {
            worst->game().human->viewIndex = static_cast<std::uint32_t>(view);
            runFrames(*worst, kRoundFrames, worstTimes[view], dump, worstName(view));
            particles.push_back(worst->game().world->particles.count());
        }
    }
    const double floorMs = bench::median(floorTimes);
    std::printf("floor %.3f ms\n", floorMs);
    double ratio = 0.0;
    for (int view = 0; view < kViews; ++view) {
        const double ms = bench::median(worstTimes[view]);
        std::printf("worst view %d %.3f ms\n", view, ms);
        ratio = std::max(ratio, ms / floorMs);
    }
    std::printf("particles %.0f\nratio %.3f\n", bench::median(particles), ratio);
    std::printf("rss-floor %ld kB\nrss-floor-and-worst %ld kB\n", floorResident, worstResident);
    countAllocations(*worst);
    floor.reset();
    std::printf("%s\n", bench::timeSkyBuilds(kSkyBuilds).c_str());
    return 0;
}

}

int main(int argc, char** argv)
{
    Options options;
    if (!parse(argc, argv, options)) {
        std::fprintf(stderr,
                     "usage: %s [--scene floor|worst] [--view 0-7] [--frames N] [--warmup-drawn 0-240] [--lead-in L]\n"
                     "          [--dump DIR]\n"
                     "       %s --sky-only\n",
                     argv[0], argv[0]);
        return 2;
    }
    if (options.dumpFolder) {
        std::filesystem::create_directories(*options.dumpFolder);
    }
    const Window window;
    if (options.skyOnly) {
        // The first sky of a run also reads the cloud images; the second is
        // the one every later world build pays for.
        std::printf("first %s\n", bench::timeSkyBuilds(1).c_str());
        std::printf("second sky %.3f ms\n", bench::measuredSkyBuild());
        return 0;
    }
    const bench::OfflineSound sound;
    return options.scene ? runOneScene(options) : runInterleaved(options);
}
