#include "flight/GameObject_Missile.h"

#include "audio/SoundEffects.h"
#include "flight/CombatLog.h"
#include "flight/FlightModels.h"
#include "flight/GameObject_Explosion.h"
#include "flight/ObjectList.h"
#include "flight/Orientation.h"
#include "flight/World.h"
#include "rendering/Mesh.h"

namespace dh {

namespace {

float boundRadius(const GameObject& obj)
{
    return obj.mesh != nullptr ? obj.mesh->boundRadius : 0.0f;
}

}

GameObject_Missile::GameObject_Missile(float x, float y, float z, GameObject* owner, GameObject* target)
    : owner(owner), target(target)
{
    name = "Missile";
    shield = 1.0f;
    visible = true;
    targetable = true;
    mesh = g_flightModels.missile;
    position = {x, y, z};
    mass = 1000.0f;
    targetSpeed = 4500.0f;
    acceleration = 14000.0f;
}

GameObject_Missile::~GameObject_Missile()
{
    if (list == nullptr) {
        return;
    }
    list->addObject(new GameObject_Explosion(position.x, position.y, position.z, 32.0f * boundRadius(*this)));
    stopWorldSound(*this, engineSound);
}

void GameObject_Missile::update(float dt)
{
    if (list == nullptr) {
        return;
    }
    if (!started) {
        started = true;
        playWorldSound(*this, sample::rocketFire, position, 48000.0f, false);
        engineSound = playWorldSound(*this, sample::rocketEngine, position, 32000.0f, true);
    } else {
        moveWorldSound(*this, engineSound, position);
    }

    if (smokeTimer > 0.0f) {
        smokeTimer -= dt;
    } else {
        emitSmoke();
        smokeTimer = 0.05f;
    }

    if (list->containsObject(target)) {
        facePoint(*this, target->position);
    }

    ObjectList* home = list;
    lifetime -= dt;
    if (lifetime <= 0.0f) {
        home->deleteObject(this);
        return;
    }
    Vector3 hitPoint;
    GameObject* hit = home->rayCast(position, forward(), owner, hitPoint);
    if (hit != nullptr && length(hitPoint - position) < 8.0f * boundRadius(*this)) {
        hit->takeDamage(kDamage, owner);
        CombatLog::missile(*hit, owner, *this, kDamage);
        home->deleteObject(this);
    }
}

void GameObject_Missile::emitSmoke()
{
    ParticleList* particles = worldParticles(*this);
    if (particles == nullptr) {
        return;
    }
    ParticleBurst burst;
    burst.position = position - forward() * (1.5f * boundRadius(*this));
    burst.redHigh = 1.0f;
    burst.redLow = 1.0f;
    burst.sizeHigh = 16.0f;
    burst.sizeLow = 4.0f;
    burst.lifeHigh = 0.2f;
    burst.lifeLow = 0.1f;
    setBurstMotion(burst, velocity);
    particles->emitParticles(burst);
}

}
