#pragma once

#include "flight/GameObject.h"

namespace dh {

class MovingGameObject : public GameObject {
public:
    MovingGameObject() = default;

    bool isStatic() const final { return false; }
    // Plays one of the two collision samples at the object, when it is in a list.
    virtual void playCollisionSound();

    Vector3 velocity;
    // Units per second squared; also how fast the flight direction turns towards the nose.
    float acceleration = 0.0f;
    float targetSpeed = 0.0f;
    float mass = 1000.0f;
};

}
