#include "flight/GameObject_Emp.h"

#include "audio/SoundEffects.h"
#include "flight/CombatLog.h"
#include "flight/ObjectList.h"
#include "core/Random.h"
#include "flight/World.h"

namespace dh {

namespace {

float randomSign()
{
    return (random() & 1u) != 0 ? 1.0f : -1.0f;
}

// A step of 50 to 400 units.
float randomStep()
{
    const float u = random01();
    return u * 50.0f + (1.0f - u) * 400.0f;
}

}

GameObject_Emp::GameObject_Emp(GameObject* owner) : owner(owner)
{
    name = "";
    visible = true;
    collidable = true;
    indestructible = true;
    mass = 1000.0f;
    if (owner != nullptr) {
        centre = owner->position;
    }
    generateArcs();
}

GameObject_Emp::~GameObject_Emp()
{
    stopWorldSound(*this, ambientSound);
}

void GameObject_Emp::generateArcs()
{
    for (auto& arc : arcs) {
        const float sx = randomSign();
        const float sy = randomSign();
        const float sz = randomSign();
        Vector3 point;
        for (Vector3& p : arc) {
            const float x = randomStep() * sx;
            const float y = randomStep() * sy;
            const float z = randomStep() * sz;
            point += Vector3{x, y, z};
            p = point;
        }
    }
}

void GameObject_Emp::followOwner()
{
    if (list != nullptr && list->containsObject(owner)) {
        centre = owner->position;
    }
}

void GameObject_Emp::update(float dt)
{
    if (list == nullptr) {
        return;
    }
    followOwner();
    if (!started) {
        started = true;
        playWorldSound(*this, sample::empFire, centre, 48000.0f, false);
        ambientSound = playWorldSound(*this, sample::empAmbient, centre, 32000.0f, true);
    } else {
        moveWorldSound(*this, ambientSound, centre);
    }

    lifetime -= dt;
    if (lifetime <= 0.0f) {
        list->deleteObject(this);
        return;
    }
    if (arcTimer < 0.02f) {
        arcTimer += dt;
    } else {
        generateArcs();
        arcTimer = 0.0f;
    }

    const float radius = blastRadius();
    for (GameObject* missile = list->findFirstMissile(); missile != nullptr;
         missile = list->findNextOfSameKind(missile)) {
        if (length(missile->position - centre) <= radius) {
            missile->takeDamage(1e8f, this);
            CombatLog::emp(*missile, owner, 1e8f);
        }
    }
}

}
