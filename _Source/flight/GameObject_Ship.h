#pragma once

#include "flight/Laser.h"
#include "flight/MovingGameObject.h"

#include <array>
#include <cstdint>

namespace dh {

class Mesh;

// The figures that make a ship class.
struct ShipClass {
    const char* name;
    float cost;
    float shield;
    float mass;
    std::uint32_t cargoCapacity;
    float topSpeed;
    float acceleration;
    float hyperspaceRange;
    float laserStrength;
    float laserCooling;
    std::uint32_t missileCapacity;
    std::uint32_t empCapacity;
    Vector3 laserColour;
};

// A ship flown by the player or a computer pilot: its class figures, laser,
// missile and EMP magazines, cargo hold, hyperspace fuel, engine sound and exhaust.
class GameObject_Ship : public MovingGameObject {
public:
    static constexpr std::uint32_t kGoodsKinds = 8;

    GameObject_Ship(float x, float z, const ShipClass& shipClass, Mesh* model);
    // Copies are every field but the list membership and the playing sounds:
    // the shipyard's class templates, and a bought class written over the
    // player's ship while it is out of its list.
    GameObject_Ship(const GameObject_Ship& other);
    GameObject_Ship& operator=(const GameObject_Ship& other);
    // A ship destroyed by damage leaves an explosion in its list.
    ~GameObject_Ship() override;

    void update(float dt) override;
    void render(const Camera& camera) override;
    void onAddedToWorld() override;
    void onRemovedFromWorld() override;

    // One frame of held fire: the laser step.
    void fireLaser(float dt);
    // One frame without fire: the laser cools.
    void stopLaser(float dt);
    void fireMissile(GameObject* target);
    void dropEmpBomb();
    void setMissiles(std::uint32_t n);
    void setEmpBombs(std::uint32_t n);

    // The engine sound's pitch factor: 0.7 at standstill up to 1.01 at top speed.
    float enginePitch() const;
    // A local point of the ship in world coordinates.
    Vector3 toWorld(Vector3 local) const;

    float cost = 0.0f;
    bool hyperspaceFuel = true;
    bool missileSide = true;
    std::uint32_t cargoCapacity = 0;
    float lastTimeStep = 0.0f;
    float maxShield = 0.0f;
    float topSpeed = 0.0f;
    float hyperspaceRange = 0.0f;
    std::uint32_t missiles = 0;
    std::uint32_t missileCapacity = 0;
    std::uint32_t empBombs = 0;
    std::uint32_t empCapacity = 0;
    float exhaustTimer = 0.0f;
    Vector3 exhaustPoint{0.0f, 0.0f, -50.0f};
    Vector3 muzzlePoint{0.0f, -1.0f, 55.0f};
    Vector3 eyePoint{0.0f, 4.0f, 55.0f};
    Laser laser;
    std::array<std::uint32_t, kGoodsKinds> cargo{};
    std::uint32_t engineSound = 0;

private:
    void copyFields(const GameObject_Ship& other);
    void coolLaser(float dt);
    void stopLaserSound();
    void emitExhaust();
    void drawBeam(const Camera& camera) const;
};

}
