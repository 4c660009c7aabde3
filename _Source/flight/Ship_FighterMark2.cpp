#include "flight/Ship_FighterMark2.h"

#include "flight/FlightModels.h"

namespace dh {

const ShipClass Ship_FighterMark2::kClass{
    "Fighter Mark II", 12000.0f, 500.0f, 21000.0f, 25, 4000.0f, 2500.0f, 4.5f, 1500.0f, 800.0f, 4, 16,
    {0.0f, 0.2f, 1.0f},
};

Ship_FighterMark2::Ship_FighterMark2(float x, float z) : GameObject_Ship(x, z, kClass, g_flightModels.fighter) {}

}
