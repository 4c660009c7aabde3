#include "flight/GameObject_Ship.h"

#include "audio/SoundEffects.h"
#include "core/Camera.h"
#include "flight/CombatLog.h"
#include "flight/GameObject_Emp.h"
#include "flight/GameObject_Explosion.h"
#include "flight/GameObject_Missile.h"
#include "flight/ObjectList.h"
#include "core/Random.h"
#include "flight/World.h"
#include "rendering/Mesh.h"

#include <algorithm>

namespace dh {

namespace {

constexpr float kSoundRange = 96000.0f;

float boundRadius(const GameObject& obj)
{
    return obj.mesh != nullptr ? obj.mesh->boundRadius : 0.0f;
}

}

GameObject_Ship::GameObject_Ship(float x, float z, const ShipClass& shipClass, Mesh* model)
{
    shield = shipClass.shield;
    visible = true;
    collidable = true;
    targetable = true;
    name = shipClass.name;
    position = {x, 0.0f, z};
    mesh = model;
    acceleration = shipClass.acceleration;
    mass = shipClass.mass;
    cost = shipClass.cost;
    cargoCapacity = shipClass.cargoCapacity;
    maxShield = shipClass.shield;
    topSpeed = shipClass.topSpeed;
    hyperspaceRange = shipClass.hyperspaceRange;
    missileCapacity = shipClass.missileCapacity;
    empCapacity = shipClass.empCapacity;
    laser.strength = shipClass.laserStrength;
    laser.cooling = shipClass.laserCooling;
    laser.colour = shipClass.laserColour;
    laser.beamWidth = static_cast<float>(random() & 0xFFFFFFu) * 0x1p-25f;
}

GameObject_Ship::GameObject_Ship(const GameObject_Ship& other) : MovingGameObject()
{
    copyFields(other);
}

GameObject_Ship& GameObject_Ship::operator=(const GameObject_Ship& other)
{
    if (this != &other) {
        copyFields(other);
    }
    return *this;
}

void GameObject_Ship::copyFields(const GameObject_Ship& other)
{
    shield = other.shield;
    indestructible = other.indestructible;
    visible = other.visible;
    collidable = other.collidable;
    name = other.name;
    targetable = other.targetable;
    position = other.position;
    orientation = other.orientation;
    mesh = other.mesh;
    velocity = other.velocity;
    acceleration = other.acceleration;
    targetSpeed = other.targetSpeed;
    mass = other.mass;
    cost = other.cost;
    hyperspaceFuel = other.hyperspaceFuel;
    missileSide = other.missileSide;
    cargoCapacity = other.cargoCapacity;
    lastTimeStep = other.lastTimeStep;
    maxShield = other.maxShield;
    topSpeed = other.topSpeed;
    hyperspaceRange = other.hyperspaceRange;
    missiles = other.missiles;
    missileCapacity = other.missileCapacity;
    empBombs = other.empBombs;
    empCapacity = other.empCapacity;
    exhaustTimer = other.exhaustTimer;
    exhaustPoint = other.exhaustPoint;
    muzzlePoint = other.muzzlePoint;
    eyePoint = other.eyePoint;
    const std::uint32_t playingLaser = laser.sound;
    laser = other.laser;
    laser.sound = playingLaser;
    cargo = other.cargo;
}

GameObject_Ship::~GameObject_Ship()
{
    if (list == nullptr) {
        return;
    }
    GameObject_Ship::onRemovedFromWorld();
    if (mesh != nullptr && shield <= 0.0f) {
        list->addObject(new GameObject_Explosion(position.x, position.y, position.z, 6.0f * mesh->boundRadius));
    }
}

Vector3 GameObject_Ship::toWorld(Vector3 local) const
{
    return position + transformTransposed(orientation, local);
}

float GameObject_Ship::enginePitch() const
{
    const float f = std::min(length(velocity) / topSpeed, 1.0f);
    return (1.0f - f) * 0.7f + f * 1.01f;
}

void GameObject_Ship::update(float dt)
{
    lastTimeStep = dt;
    if (list == nullptr) {
        return;
    }
    if (SoundSet* sounds = worldSounds(*this)) {
        setSoundPosition(*sounds, engineSound, position.x, position.y, position.z);
        setSoundPitch(*sounds, engineSound, enginePitch());
    }
}

void GameObject_Ship::onAddedToWorld()
{
    if (SoundSet* sounds = worldSounds(*this)) {
        engineSound = playSoundAt(*sounds, sample::shipEngine, position.x, position.y, position.z, kSoundRange,
                                  enginePitch(), true);
    }
}

void GameObject_Ship::onRemovedFromWorld()
{
    stopLaserSound();
    laser.cool(laser.cooling * 0.01f);
    laser.firing = false;
    stopWorldSound(*this, engineSound);
}

void GameObject_Ship::stopLaserSound()
{
    if (laser.firing) {
        stopWorldSound(*this, laser.sound);
    }
}

void GameObject_Ship::coolLaser(float dt)
{
    stopLaserSound();
    laser.cool(laser.cooling * dt);
    laser.firing = false;
}

void GameObject_Ship::stopLaser(float dt)
{
    if (list != nullptr) {
        coolLaser(dt);
    }
}

void GameObject_Ship::fireLaser(float dt)
{
    if (list == nullptr) {
        return;
    }
    if (laser.hitTimer < Laser::kHitInterval) {
        laser.hitTimer += dt;
    }
    if (laser.overheated()) {
        laser.lockout = Laser::kLockout;
        coolLaser(dt);
        return;
    }
    if (laser.lockout > 0.0f) {
        laser.lockout -= dt;
        coolLaser(dt);
        return;
    }

    const Vector3 muzzle = toWorld(muzzlePoint);
    if (!laser.firing) {
        laser.sound = playWorldSound(*this, sample::laser, muzzle, kSoundRange, true);
    } else {
        moveWorldSound(*this, laser.sound, muzzle);
    }
    laser.heat = std::max(laser.heat + laser.strength * dt - laser.cooling * dt, 0.0f);
    laser.beamStart = muzzle;
    laser.firing = true;
    if (laser.flickerTimer < Laser::kFlickerInterval) {
        laser.flickerTimer += dt;
    } else {
        laser.flickerTimer = 0.0f;
        laser.beamWidth = random01() * 0.5f;
    }

    Vector3 hitPoint;
    GameObject* hit = list->rayCast(laser.beamStart, forward(), this, hitPoint);
    if (hit == nullptr) {
        laser.beamEnd = laser.beamStart + normalized(forward()) * Laser::kRange;
        return;
    }
    const float damage = laser.strength * dt;
    if (damage > 0.0f) {
        hit->takeDamage(damage, this);
        CombatLog::laser(*hit, *this, damage);
    }
    laser.beamEnd = hitPoint;
    if (laser.hitTimer >= Laser::kHitInterval) {
        if (ParticleList* particles = worldParticles(*this)) {
            particles->emitSparks(hitPoint);
        }
        playWorldSound(*this, sample::laserHit, hitPoint, kSoundRange, false);
        laser.hitTimer = 0.0f;
    }
}

void GameObject_Ship::fireMissile(GameObject* target)
{
    if (list == nullptr || target == nullptr || missiles == 0) {
        return;
    }
    --missiles;
    const float side = missileSide ? boundRadius(*this) : -boundRadius(*this);
    const Vector3 launch = position + orientation.row(0) * side;
    auto* missile = new GameObject_Missile(launch.x, launch.y, launch.z, this, target);
    missile->velocity = velocity;
    list->addObject(missile);
    missileSide = !missileSide;
}

void GameObject_Ship::dropEmpBomb()
{
    if (list == nullptr || empBombs == 0) {
        return;
    }
    --empBombs;
    list->addObject(new GameObject_Emp(this));
}

void GameObject_Ship::setMissiles(std::uint32_t n)
{
    missiles = std::min(n, missileCapacity);
}

void GameObject_Ship::setEmpBombs(std::uint32_t n)
{
    empBombs = std::min(n, empCapacity);
}

void GameObject_Ship::render(const Camera& camera)
{
    if (camera.followed != this || camera.outsideView) {
        emitExhaust();
    }
    drawBeam(camera);
}

void GameObject_Ship::emitExhaust()
{
    if (exhaustTimer > 0.0f) {
        exhaustTimer -= lastTimeStep;
        return;
    }
    exhaustTimer = 0.02f;
    ParticleList* particles = worldParticles(*this);
    if (!visible || particles == nullptr) {
        return;
    }
    ParticleBurst burst;
    burst.position = toWorld(exhaustPoint);
    burst.redHigh = 0.5f;
    burst.redLow = 0.2f;
    burst.greenLow = 0.2f;
    burst.blueHigh = 1.0f;
    burst.blueLow = 1.0f;
    burst.sizeHigh = 12.0f;
    burst.sizeLow = 8.0f;
    burst.lifeHigh = 0.3f;
    burst.lifeLow = 0.2f;
    setBurstMotion(burst, velocity);
    particles->emitParticles(burst);
}

}
