#pragma once
// The recipes of the game's sound effects. One-shot recipes return the raw
// sound. Loop recipes render as many seconds as asked of a steady sound in two
// layers: tones that repeat a whole number of times per second (so a loop of
// whole seconds cut from them joins up by itself) and noise (which needs a
// crossfade at the loop point). Levels, edges and loop points are finished by
// the caller.
#include "Synth.h"

namespace dh::audiogen {

Buffer soundButtonOver();
Buffer soundButtonClick();
Buffer soundDialogPopup();
Buffer soundTradeItemOver();
Buffer soundTradeBuySell();
Buffer soundSystemOver();
Buffer soundRepair();
Buffer soundDock();
Buffer soundLaunch();
Buffer soundHyperspace();
Buffer soundMissileIncoming();
Buffer soundCollisionWarning();

Buffer soundExplosion();
Buffer soundRocketFire();
Buffer soundEmpFire();
Buffer soundLaserHit();
Buffer soundStationLights();
Buffer soundCollision1();
Buffer soundCollision2();

struct LoopLayers {
    Buffer tones;
    Buffer noise;
};

LoopLayers loopRocketEngine(double seconds);
LoopLayers loopEmpAmbient(double seconds);
LoopLayers loopLaser(double seconds);
LoopLayers loopShipEngine(double seconds);

} // namespace dh::audiogen
