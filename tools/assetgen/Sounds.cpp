// The game's 23 sound effects: each recipe is rendered, cleaned of any DC
// offset, given soft edges (one-shots) or a seamless loop point (loops),
// brought to its level and written as mono PCM.
#include "AssetGenerators.h"
#include "SoundsCatalogue.h"
#include "Wav.h"

#include <algorithm>
#include <cmath>
#include <string>

namespace dh::audiogen {
namespace {

struct OneShot {
    const char* name;
    Buffer (*recipe)();
    double peakDbfs;
    int bits;
};

struct Loop {
    const char* name;
    LoopLayers (*recipe)(double);
    double seconds;
    double peakDbfs;
};

// Interface sounds sit well below the flight's loud effects; the 8-bit tick
// is short and bright, so its coarser steps are never heard.
constexpr OneShot kOneShots[] = {
    {"buttonOver", soundButtonOver, -10.0, 16},
    {"buttonClick", soundButtonClick, -7.0, 16},
    {"dialogPopup", soundDialogPopup, -7.0, 16},
    {"tradeItemOver", soundTradeItemOver, -9.0, 8},
    {"tradeBuySell", soundTradeBuySell, -6.0, 16},
    {"systemOver", soundSystemOver, -11.0, 16},
    {"repair", soundRepair, -5.0, 16},
    {"dock", soundDock, -3.0, 16},
    {"launch", soundLaunch, -5.0, 16},
    {"hyperspace", soundHyperspace, -3.0, 16},
    {"missileIncoming", soundMissileIncoming, -13.0, 16},
    {"explosion", soundExplosion, -2.0, 16},
    {"rocketFire", soundRocketFire, -4.0, 16},
    {"empFire", soundEmpFire, -4.0, 16},
    {"laserHit", soundLaserHit, -6.0, 16},
    {"stationLights", soundStationLights, -10.0, 16},
    {"collision1", soundCollision1, -3.0, 16},
    {"collision2", soundCollision2, -3.0, 16},
    {"collisionWarning", soundCollisionWarning, -11.0, 16},
};

// Loops are steady, so their peaks sit lower than the one-shots' for the same
// loudness; the player's own engine drones under everything at the camera,
// so it is the quietest.
constexpr Loop kLoops[] = {
    {"rocketEngine", loopRocketEngine, 1.0, -8.0},
    {"empAmbient", loopEmpAmbient, 1.0, -10.0},
    {"laser", loopLaser, 1.0, -8.0},
    {"shipEngine", loopShipEngine, 2.0, -12.0},
};

// Filters need a moment to settle before the loop is cut, and the
// crossfade needs material past the loop's end.
constexpr double kLoopPreroll = 0.5;
constexpr double kLoopFade = 0.25;

Buffer renderOneShot(const OneShot& sound)
{
    Buffer buffer = sound.recipe();
    removeDc(buffer);
    // The fade-out only smooths the last of a tail that has already died away.
    fadeEdges(buffer, 0.0015, std::min(0.25, 0.15 * timeOf(buffer.size())));
    normalizePeak(buffer, sound.peakDbfs);
    return buffer;
}

Buffer cutLoop(const Buffer& layer, std::size_t length, std::size_t fade, Crossfade shape)
{
    const auto skip = static_cast<std::ptrdiff_t>(std::lround(kLoopPreroll * kSampleRate));
    const Buffer settled(layer.begin() + skip, layer.end());
    return makeSeamlessLoop(settled, length, fade, shape);
}

Buffer renderLoop(const Loop& sound)
{
    LoopLayers layers = sound.recipe(kLoopPreroll + sound.seconds + kLoopFade + kLoopPreroll);
    removeDc(layers.tones);
    removeDc(layers.noise);
    const auto length = static_cast<std::size_t>(std::lround(sound.seconds * kSampleRate));
    const auto fade = static_cast<std::size_t>(std::lround(kLoopFade * kSampleRate));
    Buffer loop = cutLoop(layers.tones, length, fade, Crossfade::Linear);
    const Buffer noise = cutLoop(layers.noise, length, fade, Crossfade::EqualPower);
    for (std::size_t i = 0; i < length; ++i)
        loop[i] += noise[i];
    normalizePeak(loop, sound.peakDbfs);
    return loop;
}

} // namespace
} // namespace dh::audiogen

void generateSounds(const std::filesystem::path& sndDir)
{
    using namespace dh::audiogen;
    for (const OneShot& sound : kOneShots)
        writeWav(sndDir / (std::string(sound.name) + ".wav"), renderOneShot(sound), sound.bits);
    for (const Loop& sound : kLoops)
        writeWav(sndDir / (std::string(sound.name) + ".wav"), renderLoop(sound), 16);
}
