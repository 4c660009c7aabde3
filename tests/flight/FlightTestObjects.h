#pragma once

#include "flight/MovingGameObject.h"
#include "flight/ObjectList.h"
#include "flight/StaticGameObject.h"
#include "rendering/Mesh.h"

#include <cmath>
#include <functional>
#include <memory>
#include <vector>

namespace flighttest {

// What happened to a test object; kept outside it so it survives the object.
struct Events {
    int collisions = 0, damaged = 0, sounds = 0, added = 0, removed = 0, destroyed = 0, updates = 0;
};

template <typename Base>
class Recorder : public Base {
public:
    explicit Recorder(Events* events = nullptr, dh::Mesh* mesh = nullptr) : events_(events)
    {
        this->mesh = mesh;
        this->collidable = true;
        this->visible = true;
        this->targetable = true;
        this->shield = 1000.0f;
    }
    ~Recorder() override { count(&Events::destroyed); }

    void onCollision(dh::GameObject* other) override
    {
        count(&Events::collisions);
        if (onCollisionDo)
            onCollisionDo(other);
    }
    void onDamaged(dh::GameObject* by) override
    {
        count(&Events::damaged);
        lastAttacker = by;
    }
    void onAddedToWorld() override { count(&Events::added); }
    void onRemovedFromWorld() override { count(&Events::removed); }
    void update(float) override
    {
        count(&Events::updates);
        if (onUpdateDo)
            onUpdateDo();
    }

    std::function<void(dh::GameObject*)> onCollisionDo;
    std::function<void()> onUpdateDo;
    dh::GameObject* lastAttacker = nullptr;

protected:
    void count(int Events::*field)
    {
        if (events_ != nullptr)
            ++(events_->*field);
    }

private:
    Events* events_;
};

class TestMover : public Recorder<dh::MovingGameObject> {
public:
    using Recorder::Recorder;
    void playCollisionSound() override
    {
        count(&Events::sounds);
        MovingGameObject::playCollisionSound();
    }
};

using TestStatic = Recorder<dh::StaticGameObject>;

template <typename T>
T* add(dh::ObjectList& list, Events* events = nullptr, dh::Mesh* mesh = nullptr, dh::Vector3 position = {})
{
    auto* obj = new T(events, mesh);
    obj->position = position;
    list.addObject(obj);
    return obj;
}

inline std::unique_ptr<dh::Mesh> makeTriangles(std::vector<float> positions)
{
    auto mesh = std::make_unique<dh::Mesh>();
    mesh->setTriangles(std::move(positions), {});
    return mesh;
}

// An axis-aligned box centred on the origin, triangles facing outwards.
inline std::unique_ptr<dh::Mesh> makeBox(dh::Vector3 half)
{
    dh::Mesh cube;
    cube.makeFallbackCube();
    for (std::size_t i = 0; i < cube.positions.size(); i += 3) {
        cube.positions[i] *= half.x / 256.0f;
        cube.positions[i + 1] *= half.y / 256.0f;
        cube.positions[i + 2] *= half.z / 256.0f;
    }
    return makeTriangles(cube.positions);
}

inline std::unique_ptr<dh::Mesh> makeBox(float half) { return makeBox({half, half, half}); }

// A ball of rings x segments x 2 triangles facing outwards, round the origin.
inline std::unique_ptr<dh::Mesh> makeBall(float radius, int rings, int segments)
{
    constexpr float kPi = 3.14159265f;
    auto point = [&](int ring, int segment) {
        const float polar = kPi * static_cast<float>(ring) / static_cast<float>(rings);
        const float azimuth = 2.0f * kPi * static_cast<float>(segment) / static_cast<float>(segments);
        return dh::Vector3{radius * std::sin(polar) * std::cos(azimuth), radius * std::cos(polar),
                           radius * std::sin(polar) * std::sin(azimuth)};
    };
    std::vector<float> positions;
    auto add = [&](dh::Vector3 a, dh::Vector3 b, dh::Vector3 c) {
        positions.insert(positions.end(), {a.x, a.y, a.z, b.x, b.y, b.z, c.x, c.y, c.z});
    };
    for (int ring = 0; ring < rings; ++ring) {
        for (int segment = 0; segment < segments; ++segment) {
            add(point(ring, segment), point(ring, segment + 1), point(ring + 1, segment + 1));
            add(point(ring, segment), point(ring + 1, segment + 1), point(ring + 1, segment));
        }
    }
    return makeTriangles(std::move(positions));
}

}
