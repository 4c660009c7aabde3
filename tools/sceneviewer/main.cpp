// drift-hauler-sceneviewer [folder]: builds the start system's world with the
// station, ships, a missile, an EMP bomb, explosions and particles, and writes
// screenshots of chosen moments from chosen cameras into the folder (default
// "sceneviewer" in the working directory).
#include "DemoScene.h"

#include "galaxy/Galaxy.h"
#include "galaxy/StarSystem.h"
#include "platform/PlatformImage.h"
#include "platform/PlatformWindow.h"

#include <cstdio>
#include <filesystem>
#include <string>

namespace {

constexpr float kStep = 1.0f / 30.0f;

bool saveScreenshot(const std::filesystem::path& file)
{
    const int w = dh::clientWidth();
    const int h = dh::clientHeight();
    std::vector<std::uint8_t> rgba(static_cast<std::size_t>(w) * h * 4);
    glReadBuffer(GL_BACK);
    glPixelStorei(GL_PACK_ALIGNMENT, 1);
    glReadPixels(0, 0, w, h, GL_RGBA, GL_UNSIGNED_BYTE, rgba.data());
    std::vector<std::uint8_t> topFirst;
    topFirst.reserve(rgba.size());
    for (int y = h - 1; y >= 0; --y) {
        const auto row = rgba.begin() + static_cast<std::ptrdiff_t>(y) * w * 4;
        topFirst.insert(topFirst.end(), row, row + w * 4);
    }
    for (std::size_t i = 3; i < topFirst.size(); i += 4) {
        topFirst[i] = 255;
    }
    const bool saved = dh::savePng(file, w, h, topFirst);
    std::printf("%s %s\n", saved ? "wrote" : "could not write", file.string().c_str());
    return saved;
}

sceneviewer::SceneOptions startSystemOptions()
{
    const dh::Galaxy galaxy;
    dh::StarSystem system;
    dh::pickStartSystem(galaxy, system);
    sceneviewer::SceneOptions options;
    dh::starColour(system, options.starColour.data());
    dh::ambientColour(system, options.ambientColour.data());
    options.planetTexture = dh::planetTexture(system);
    options.sceneSeed = system.sceneSeed;
    return options;
}

void run(sceneviewer::Scene& scene, int frames, const dh::Camera& camera)
{
    for (int i = 0; i < frames; ++i) {
        scene.frame(kStep, camera);
        dh::swapBuffers();
        dh::pumpMessages();
    }
}

bool shoot(sceneviewer::Scene& scene, const dh::Camera& camera, const std::filesystem::path& file)
{
    scene.draw(camera);
    const bool saved = saveScreenshot(file);
    dh::swapBuffers();
    return saved;
}

}

int main(int argc, char** argv)
{
    const std::filesystem::path folder = argc > 1 ? argv[1] : "sceneviewer";
    std::filesystem::create_directories(folder);
    if (!dh::platformInit()) {
        std::fprintf(stderr, "drift-hauler-sceneviewer: the window system could not be started\n");
        return 1;
    }
    dh::createGLWindow();
    sceneviewer::loadAssets();
    bool ok = true;
    {
        sceneviewer::Scene scene(startSystemOptions());
        const dh::Camera station = sceneviewer::lookAt({700.0f, 400.0f, 1830.0f}, {0.0f, 0.0f, 0.0f});
        run(scene, 20, station);
        ok = shoot(scene, station, folder / "station-2000.png") && ok;
        for (std::uint32_t v = 2; v < dh::PlayerHuman::kViewCount; ++v) {
            ok = shoot(scene, scene.pilot->views[v], folder / ("ship-view" + std::to_string(v) + ".png")) && ok;
        }
        const dh::Vector3 ship = scene.player->position;
        ok = shoot(scene, sceneviewer::lookAt(ship + dh::Vector3{60.0f, 50.0f, 260.0f}, ship), folder / "exhaust.png") && ok;
        ok = shoot(scene, sceneviewer::lookAt(ship + dh::Vector3{450.0f, 120.0f, -350.0f}, ship + dh::Vector3{0.0f, 0.0f, -350.0f}),
                   folder / "laser-hit.png") && ok;

        const dh::Vector3 blast = ship + dh::Vector3{-250.0f, 0.0f, -500.0f};
        scene.explode(blast, 400.0f);
        const dh::Camera explosion = sceneviewer::lookAt(blast + dh::Vector3{0.0f, 100.0f, 900.0f}, blast);
        run(scene, 7, explosion);
        ok = shoot(scene, explosion, folder / "explosion.png") && ok;

        scene.firing = false;
        scene.dropEmp();
        const dh::Camera emp = sceneviewer::lookAt(ship + dh::Vector3{-300.0f, 250.0f, 600.0f}, ship);
        run(scene, 12, emp);
        ok = shoot(scene, emp, folder / "emp.png") && ok;
    }
    {
        sceneviewer::Scene busiest(sceneviewer::busiestOptions());
        ok = shoot(busiest, sceneviewer::busiestView(), folder / "busiest.png") && ok;
    }
    sceneviewer::releaseAssets();
    dh::platformQuit();
    return ok ? 0 : 1;
}
