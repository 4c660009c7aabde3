#pragma once

#include "core/Matrix3.h"
#include "core/Vector3.h"

#include <cstdint>

namespace dh {

class Mesh;
class ObjectList;
struct Camera;

// Everything that exists in a star system. Concrete objects derive from
// MovingGameObject or StaticGameObject; once added to an ObjectList the list
// owns them and destroys them through the virtual destructor.
class GameObject {
public:
    virtual ~GameObject() = default;
    GameObject(const GameObject&) = delete;
    GameObject& operator=(const GameObject&) = delete;

    virtual void onCollision(GameObject* other);
    virtual void update(float dt);
    virtual void render(const Camera& camera);
    // Called after every shield reduction; attacker is null for collisions.
    virtual void onDamaged(GameObject* attacker);
    virtual void onAddedToWorld();
    virtual void onRemovedFromWorld();
    virtual bool isStatic() const = 0;

    // Lowers the shield, never below 0, then reports the damage.
    void takeDamage(float damage, GameObject* attacker);
    bool isDead() const { return !indestructible && shield <= 0.0f; }
    Vector3 forward() const { return orientation.row(2); }

    float shield = 0.0f;
    bool indestructible = false;
    bool visible = false;
    bool collidable = false;
    // Kind name: a string constant, compared by the kind queries.
    const char* name = "";
    bool targetable = false;
    Vector3 position;
    Matrix3 orientation;
    // Shared model, not owned; null means no drawing, no collisions, no ray hits.
    Mesh* mesh = nullptr;
    ObjectList* list = nullptr;
    std::uint32_t index = 0;

private:
    GameObject() = default;
    friend class MovingGameObject;
    friend class StaticGameObject;
};

}
