// Frames per second of the busiest flight frame (16 ships, 4096 particles, 8
// explosions) against the same view with only the sky, star points and flare,
// at 800 x 600 with swap interval 0. Run under tests/support/with-xvfb.sh.
#include "../tools/sceneviewer/DemoScene.h"
#include "platform/PlatformWindow.h"

#include <benchmark/benchmark.h>

namespace {

sceneviewer::Scene& busiestScene()
{
    static sceneviewer::Scene* scene = [] {
        dh::createGLWindow();
        dh::platformSetSwapInterval(0);
        sceneviewer::loadAssets();
        return new sceneviewer::Scene(sceneviewer::busiestOptions());
    }();
    return *scene;
}

void BM_BusiestFrame(benchmark::State& state)
{
    sceneviewer::Scene& scene = busiestScene();
    const dh::Camera camera = sceneviewer::busiestView();
    for (auto _ : state) {
        scene.draw(camera);
        dh::swapBuffers();
        glFinish();
    }
    state.counters["particles"] = static_cast<double>(scene.world->particles.count());
    state.counters["fps"] = benchmark::Counter(static_cast<double>(state.iterations()), benchmark::Counter::kIsRate);
}

void BM_BackgroundOnlyFrame(benchmark::State& state)
{
    sceneviewer::Scene& scene = busiestScene();
    const dh::Camera camera = sceneviewer::busiestView();
    for (auto _ : state) {
        scene.drawBackground(camera);
        dh::swapBuffers();
        glFinish();
    }
    state.counters["fps"] = benchmark::Counter(static_cast<double>(state.iterations()), benchmark::Counter::kIsRate);
}

}

BENCHMARK(BM_BusiestFrame)->Unit(benchmark::kMillisecond)->UseRealTime()->MinTime(3.0);
BENCHMARK(BM_BackgroundOnlyFrame)->Unit(benchmark::kMillisecond)->UseRealTime()->MinTime(3.0);
