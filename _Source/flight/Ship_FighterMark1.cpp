#include "flight/Ship_FighterMark1.h"

#include "flight/FlightModels.h"

namespace dh {

const ShipClass Ship_FighterMark1::kClass{
    "Fighter Mark I", 7000.0f, 400.0f, 20000.0f, 20, 3500.0f, 1800.0f, 4.0f, 1200.0f, 600.0f, 4, 16,
    {0.0f, 1.0f, 0.2f},
};

Ship_FighterMark1::Ship_FighterMark1(float x, float z) : GameObject_Ship(x, z, kClass, g_flightModels.fighter) {}

}
