#pragma once

#include "flight/ObjectRef.h"

namespace dh {

class GameObject_Ship;

// A pilot: flies the ship its reference points at, once per frame.
class Player {
public:
    explicit Player(ObjectRef* shipRef, double credits) : shipRef(shipRef), credits(credits) {}
    virtual ~Player() = default;
    Player(const Player&) = delete;
    Player& operator=(const Player&) = delete;

    virtual void update(float dt) = 0;

    // Null once the ship is gone. Pilots only ever fly ships.
    GameObject_Ship* ship() const;

    // Not owned; the game keeps the reference registered with the world.
    ObjectRef* shipRef;
    double credits;
};

}
