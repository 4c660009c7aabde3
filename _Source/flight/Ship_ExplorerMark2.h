#pragma once

#include "flight/GameObject_Ship.h"

namespace dh {

class Ship_ExplorerMark2 : public GameObject_Ship {
public:
    static const ShipClass kClass;

    Ship_ExplorerMark2(float x, float z);
};

}
