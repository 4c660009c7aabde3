#include "flight/Ship_ExplorerMark1.h"

#include "flight/FlightModels.h"

namespace dh {

const ShipClass Ship_ExplorerMark1::kClass{
    "Explorer Mark I", 2000.0f, 200.0f, 15000.0f, 10, 2500.0f, 1200.0f, 3.0f, 700.0f, 500.0f, 2, 8,
    {1.0f, 0.0f, 0.0f},
};

Ship_ExplorerMark1::Ship_ExplorerMark1(float x, float z) : GameObject_Ship(x, z, kClass, g_flightModels.explorer) {}

}
