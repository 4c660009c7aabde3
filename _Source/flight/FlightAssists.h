#pragma once

namespace dh {

// The player's choice of the flight aids the game offers beyond its plain
// cockpit. Off, the flight plays exactly as it always has.
extern bool g_flightAssists;

}
