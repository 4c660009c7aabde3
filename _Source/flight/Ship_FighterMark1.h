#pragma once

#include "flight/GameObject_Ship.h"

namespace dh {

class Ship_FighterMark1 : public GameObject_Ship {
public:
    static const ShipClass kClass;

    Ship_FighterMark1(float x, float z);
};

}
