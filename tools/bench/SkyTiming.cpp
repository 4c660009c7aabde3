#include "SkyTiming.h"

#include "ProcessMemory.h"
#include "Statistics.h"

#include "galaxy/Galaxy.h"
#include "galaxy/StarSystem.h"
#include "rendering/SpaceBackground.h"
#include "rendering/TextureList.h"

#include <GL/gl.h>

#include <array>
#include <chrono>
#include <cstdio>
#include <map>
#include <memory>
#include <vector>

namespace bench {

namespace {

using Clock = std::chrono::steady_clock;

constexpr std::array<const char*, 6> kSteps{"sprites", "clouds", "render", "read-back", "mipmaps", "stars"};

Clock::time_point s_stepStart;
std::map<std::string, double>* s_stepTimes = nullptr;

// The driver's queued work is finished first, so that each step pays for its own.
void stepEnded(const char* step)
{
    glFinish();
    const Clock::time_point now = Clock::now();
    (*s_stepTimes)[step] += std::chrono::duration<double, std::milli>(now - s_stepStart).count();
    s_stepStart = now;
}

std::unique_ptr<dh::SpaceBackground> buildSky(std::map<std::string, double>& steps, double& total)
{
    const dh::Galaxy galaxy;
    dh::StarSystem system;
    dh::pickStartSystem(galaxy, system);
    float sun[3];
    dh::starColour(system, sun);
    glFinish();
    s_stepTimes = &steps;
    dh::SpaceBackground::stepEnded = stepEnded;
    const Clock::time_point start = Clock::now();
    s_stepStart = start;
    auto sky = std::make_unique<dh::SpaceBackground>(std::array<float, 3>{sun[0], sun[1], sun[2]},
                                                     dh::findTexture(dh::planetTexture(system)));
    total = std::chrono::duration<double, std::milli>(Clock::now() - start).count();
    dh::SpaceBackground::stepEnded = nullptr;
    s_stepTimes = nullptr;
    return sky;
}

}

[[gnu::noinline]] double measuredSkyBuild()
{
    std::map<std::string, double> steps;
    double total = 0.0;
    buildSky(steps, total);
    return total;
}

std::string timeSkyBuilds(int builds)
{
    std::vector<double> totals;
    std::map<std::string, std::vector<double>> stepTimes;
    const long before = residentKilobytes();
    long afterFirst = 0;
    for (int i = 0; i < builds; ++i) {
        std::map<std::string, double> steps;
        double total = 0.0;
        auto sky = buildSky(steps, total);
        if (i == 0) {
            afterFirst = residentKilobytes();
        }
        totals.push_back(total);
        for (const auto& [step, ms] : steps) {
            stepTimes[step].push_back(ms);
        }
    }
    char line[512];
    int used = std::snprintf(line, sizeof line, "sky %.3f ms (", median(totals));
    for (const char* step : kSteps) {
        used += std::snprintf(line + used, sizeof line - static_cast<std::size_t>(used), "%s%s %.3f",
                              step == kSteps.front() ? "" : ", ", step, median(stepTimes[step]));
    }
    std::snprintf(line + used, sizeof line - static_cast<std::size_t>(used),
                  ")\nrss-before-sky %ld kB\nrss-after-sky %ld kB", before, afterFirst);
    return line;
}

}
