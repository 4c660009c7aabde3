#pragma once

#include "flight/GameObject_Ship.h"

namespace dh {

class Ship_ExplorerMark1 : public GameObject_Ship {
public:
    static const ShipClass kClass;

    Ship_ExplorerMark1(float x, float z);
};

}
