#pragma once

#include "flight/GameObject.h"

namespace dh {

// Never moved by physics; such an object may still turn or move itself in update.
class StaticGameObject : public GameObject {
public:
    StaticGameObject() = default;

    bool isStatic() const final { return true; }
};

}
