#pragma once

#include "flight/MoverGrid.h"
#include "flight/ObjectRef.h"
#include "core/Vector3.h"

#include <array>
#include <cstdint>
#include <memory>
#include <span>

namespace dh {

class GameObject;
class MovingGameObject;
struct Camera;

// Owns every object of one star system: up to 512 moving and 512 static
// objects, densely packed (removal moves the last object into the freed slot),
// and up to 2048 registered tracked references. A full array drops new
// objects silently.
class ObjectList {
public:
    static constexpr std::uint32_t kMaxMoving = 512;
    static constexpr std::uint32_t kMaxStatic = 512;
    static constexpr std::uint32_t kMaxRefs = 2048;

    ObjectList();
    ~ObjectList();
    ObjectList(const ObjectList&) = delete;
    ObjectList& operator=(const ObjectList&) = delete;

    void addObject(GameObject* obj);
    void deleteObject(GameObject* obj);
    void detachObject(GameObject* obj);
    // Destroys every object and releases the arrays; the list then takes no
    // more objects or references.
    void clearObjects();

    void trackRef(ObjectRef* ref);
    void untrackRef(ObjectRef* ref);

    void updateAll(float dt);
    // The opaque meshes of every visible object, statics first; the object the
    // camera rides in is left out unless the camera looks from outside.
    void drawMeshes(const Camera& camera);
    void renderAll(const Camera& camera);
    void stepPhysics(float dt);

    // Nearest object whose front-facing triangles the ray hits, or null.
    GameObject* rayCast(Vector3 from, Vector3 dir, const GameObject* ignore, Vector3& hitPoint) const;
    GameObject* pickTarget(const GameObject* chooser) const;
    GameObject* findFirstMissile() const;
    GameObject* findNextOfSameKind(const GameObject* obj) const;
    // Looks the pointer up among the statics, then the movers, without touching the object.
    bool containsObject(const GameObject* obj) const;

    std::span<GameObject* const> movingObjects() const;
    std::span<GameObject* const> staticObjects() const;
    std::uint32_t refCount() const { return refCount_; }

private:
    struct Slots {
        std::array<GameObject*, kMaxMoving> moving{};
        std::array<GameObject*, kMaxStatic> statics{};
        std::array<ObjectRef*, kMaxRefs> refs{};
    };

    GameObject** arrayFor(bool isStatic);
    std::uint32_t& countFor(bool isStatic);
    void removeFromArray(bool isStatic, std::uint32_t slot);
    bool registerRef(ObjectRef* ref);
    void beginIteration();
    void endIteration();
    void moveObject(MovingGameObject& mover, float dt);
    void collideWithOthers(std::uint32_t moverIndex);

    std::unique_ptr<Slots> slots_;
    std::unique_ptr<MoverGrid> grid_;
    std::uint32_t movingCount_ = 0;
    std::uint32_t staticCount_ = 0;
    std::uint32_t refCount_ = 0;
    std::array<ObjectRef, kMaxStatic> staticSnapshot_{};
    std::array<ObjectRef, kMaxMoving> movingSnapshot_{};
    std::uint32_t staticIterCount_ = 0;
    std::uint32_t movingIterCount_ = 0;
};

}
