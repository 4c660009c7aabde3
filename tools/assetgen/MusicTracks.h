#pragma once
// The game's compositions: the background playlist and the intro's track.
#include "MusicComposer.h"

namespace dh::audiogen {

Song composeLongHaul();
Song composeNebula();
Song composeFrontierRun();
Song composeTradeWinds();
Song composeDeepField();
Song composeIntro();

} // namespace dh::audiogen
