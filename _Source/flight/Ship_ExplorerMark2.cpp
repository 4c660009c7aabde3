#include "flight/Ship_ExplorerMark2.h"

#include "flight/FlightModels.h"

namespace dh {

const ShipClass Ship_ExplorerMark2::kClass{
    "Explorer Mark II", 3000.0f, 300.0f, 17000.0f, 15, 2800.0f, 1500.0f, 3.5f, 1000.0f, 600.0f, 2, 8,
    {1.0f, 0.5f, 0.0f},
};

Ship_ExplorerMark2::Ship_ExplorerMark2(float x, float z) : GameObject_Ship(x, z, kClass, g_flightModels.explorer) {}

}
