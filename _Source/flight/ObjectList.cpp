#include "flight/ObjectList.h"

#include "flight/Collision.h"
#include "flight/MovingGameObject.h"

#include <algorithm>
#include <cstring>

namespace dh {

ObjectList::ObjectList() : slots_(std::make_unique<Slots>()), grid_(std::make_unique<MoverGrid>()) {}

ObjectList::~ObjectList()
{
    clearObjects();
}

std::span<GameObject* const> ObjectList::movingObjects() const
{
    if (!slots_) {
        return {};
    }
    return {slots_->moving.data(), movingCount_};
}

std::span<GameObject* const> ObjectList::staticObjects() const
{
    if (!slots_) {
        return {};
    }
    return {slots_->statics.data(), staticCount_};
}

GameObject** ObjectList::arrayFor(bool isStatic)
{
    return isStatic ? slots_->statics.data() : slots_->moving.data();
}

std::uint32_t& ObjectList::countFor(bool isStatic)
{
    return isStatic ? staticCount_ : movingCount_;
}

void ObjectList::addObject(GameObject* obj)
{
    if (obj == nullptr || obj->list != nullptr) {
        return;
    }
    const bool isStatic = obj->isStatic();
    const std::uint32_t capacity = isStatic ? kMaxStatic : kMaxMoving;
    // A cleared list has no arrays left and takes nothing, like a full one.
    if (!slots_ || countFor(isStatic) >= capacity) {
        delete obj;
        return;
    }
    std::uint32_t& count = countFor(isStatic);
    arrayFor(isStatic)[count] = obj;
    obj->index = count;
    obj->list = this;
    ++count;
    obj->onAddedToWorld();
}

void ObjectList::removeFromArray(bool isStatic, std::uint32_t slot)
{
    GameObject** array = arrayFor(isStatic);
    std::uint32_t& count = countFor(isStatic);
    --count;
    if (count > 0 && slot < count) {
        array[slot] = array[count];
        array[slot]->index = slot;
    }
}

void ObjectList::deleteObject(GameObject* obj)
{
    if (obj == nullptr || obj->list != this) {
        return;
    }
    const std::uint32_t slot = obj->index;
    const bool isStatic = obj->isStatic();
    // The destructor runs while the object is still listed: a ship adds its
    // explosion to this list from there.
    delete obj;
    removeFromArray(isStatic, slot);
    for (std::uint32_t i = 0; i < refCount_; ++i) {
        if (slots_->refs[i]->object == obj) {
            slots_->refs[i]->object = nullptr;
        }
    }
}

void ObjectList::detachObject(GameObject* obj)
{
    if (obj == nullptr || obj->list != this) {
        return;
    }
    obj->onRemovedFromWorld();
    obj->list = nullptr;
    removeFromArray(obj->isStatic(), obj->index);
}

void ObjectList::clearObjects()
{
    if (!slots_) {
        return;
    }
    // Destructors may add objects (explosions) while this runs; they are
    // destroyed in turn because the counts are read afresh.
    for (std::uint32_t i = 0; i < movingCount_; ++i) {
        delete slots_->moving[i];
    }
    for (std::uint32_t i = 0; i < staticCount_; ++i) {
        delete slots_->statics[i];
    }
    // Every object is gone, so no registered reference may keep pointing at one.
    for (std::uint32_t i = 0; i < refCount_; ++i) {
        *slots_->refs[i] = {};
    }
    movingCount_ = 0;
    staticCount_ = 0;
    refCount_ = 0;
    slots_.reset();
}

bool ObjectList::containsObject(const GameObject* obj) const
{
    const auto statics = staticObjects();
    const auto moving = movingObjects();
    return std::find(statics.begin(), statics.end(), obj) != statics.end()
        || std::find(moving.begin(), moving.end(), obj) != moving.end();
}

bool ObjectList::registerRef(ObjectRef* ref)
{
    if (refCount_ >= kMaxRefs) {
        ref->object = nullptr;
        return false;
    }
    slots_->refs[refCount_++] = ref;
    ref->list = this;
    return true;
}

void ObjectList::trackRef(ObjectRef* ref)
{
    if (ref == nullptr || !slots_ || ref->list != nullptr) {
        return;
    }
    if (registerRef(ref) && !containsObject(ref->object)) {
        --refCount_;
        ref->object = nullptr;
        ref->list = nullptr;
    }
}

void ObjectList::untrackRef(ObjectRef* ref)
{
    if (ref == nullptr || ref->list != this) {
        return;
    }
    // Iteration snapshots are registered last, so search from the end.
    for (std::uint32_t i = refCount_; i-- > 0;) {
        if (slots_->refs[i] == ref) {
            slots_->refs[i] = slots_->refs[refCount_ - 1];
            --refCount_;
            break;
        }
    }
    ref->list = nullptr;
}

void ObjectList::beginIteration()
{
    staticIterCount_ = staticCount_;
    movingIterCount_ = movingCount_;
    for (std::uint32_t i = 0; i < staticIterCount_; ++i) {
        staticSnapshot_[i] = {slots_->statics[i], nullptr};
        registerRef(&staticSnapshot_[i]);
    }
    for (std::uint32_t i = 0; i < movingIterCount_; ++i) {
        movingSnapshot_[i] = {slots_->moving[i], nullptr};
        registerRef(&movingSnapshot_[i]);
    }
}

void ObjectList::endIteration()
{
    for (std::uint32_t i = movingIterCount_; i-- > 0;) {
        untrackRef(&movingSnapshot_[i]);
    }
    for (std::uint32_t i = staticIterCount_; i-- > 0;) {
        untrackRef(&staticSnapshot_[i]);
    }
}

void ObjectList::updateAll(float dt)
{
    beginIteration();
    for (std::uint32_t i = 0; i < staticIterCount_; ++i) {
        if (staticSnapshot_[i].object != nullptr) {
            staticSnapshot_[i].object->update(dt);
        }
    }
    for (std::uint32_t i = 0; i < movingIterCount_; ++i) {
        if (movingSnapshot_[i].object != nullptr) {
            movingSnapshot_[i].object->update(dt);
        }
    }
    endIteration();
}

void ObjectList::renderAll(const Camera& camera)
{
    beginIteration();
    for (std::uint32_t i = 0; i < staticIterCount_; ++i) {
        if (staticSnapshot_[i].object != nullptr) {
            staticSnapshot_[i].object->render(camera);
        }
    }
    for (std::uint32_t i = 0; i < movingIterCount_; ++i) {
        if (movingSnapshot_[i].object != nullptr) {
            movingSnapshot_[i].object->render(camera);
        }
    }
    endIteration();
}

void ObjectList::stepPhysics(float dt)
{
    beginIteration();
    for (std::uint32_t i = 0; i < staticIterCount_; ++i) {
        GameObject* obj = staticSnapshot_[i].object;
        if (obj != nullptr && obj->isDead()) {
            deleteObject(obj);
        }
    }
    grid_->build(movingSnapshot_.data(), movingIterCount_);
    for (std::uint32_t i = 0; i < movingIterCount_; ++i) {
        GameObject* obj = movingSnapshot_[i].object;
        if (obj == nullptr) {
            continue;
        }
        if (obj->isDead()) {
            deleteObject(obj);
            continue;
        }
        moveObject(static_cast<MovingGameObject&>(*obj), dt);
        grid_->update(i);
        if (obj->collidable && obj->mesh != nullptr) {
            collideWithOthers(i);
        }
    }
    endIteration();
}

void ObjectList::moveObject(MovingGameObject& mover, float dt)
{
    const float speed = length(mover.velocity);
    mover.velocity += mover.forward() * mover.acceleration * dt;
    // Only a direction now; the zero vector becomes +x.
    normalize(mover.velocity);
    const float change = mover.acceleration * dt;
    const float newSpeed = speed > mover.targetSpeed ? std::max(speed - change, mover.targetSpeed)
                                                     : std::min(speed + change, mover.targetSpeed);
    mover.velocity *= newSpeed;
    mover.position += mover.velocity * dt;
}

// Every static, then every other mover, in snapshot order. Only the movers
// the grid finds near this one are tested: any other pair is too far apart
// for collideMoving to do anything. A push moves the mover, so its
// candidates are gathered again for the movers still to come.
void ObjectList::collideWithOthers(std::uint32_t moverIndex)
{
    ObjectRef& moverEntry = movingSnapshot_[moverIndex];
    for (std::uint32_t i = 0; i < staticIterCount_ && moverEntry.object != nullptr; ++i) {
        const GameObject* other = staticSnapshot_[i].object;
        if (other != nullptr && other->collidable && other->mesh != nullptr) {
            collideWithStatic(moverEntry, staticSnapshot_[i]);
        }
    }
    if (moverEntry.object == nullptr) {
        return;
    }
    grid_->update(moverIndex);
    MoverGrid::Candidates candidates;
    grid_->gather(moverIndex, candidates);
    for (std::uint32_t i = MoverGrid::next(candidates, 0); i < movingIterCount_ && moverEntry.object != nullptr;
         i = MoverGrid::next(candidates, i + 1)) {
        const GameObject* other = movingSnapshot_[i].object;
        if (other == nullptr || other == moverEntry.object || !other->collidable || other->mesh == nullptr) {
            continue;
        }
        const Vector3 before = moverEntry.object->position;
        collideMoving(moverEntry, movingSnapshot_[i]);
        if (moverEntry.object != nullptr && !(moverEntry.object->position == before)) {
            grid_->update(moverIndex);
            grid_->gather(moverIndex, candidates);
        }
    }
}

}

namespace dh {

GameObject* ObjectList::rayCast(Vector3 from, Vector3 dir, const GameObject* ignore, Vector3& hitPoint) const
{
    GameObject* nearest = nullptr;
    float nearestSquared = 0.0f;
    for (const auto objects : {staticObjects(), movingObjects()}) {
        for (GameObject* obj : objects) {
            Vector3 point;
            if (obj == ignore || obj->mesh == nullptr || !rayHitsObject(from, dir, *obj, point)) {
                continue;
            }
            const float distanceSquared = lengthSquared(point - from);
            if (nearest == nullptr || distanceSquared < nearestSquared) {
                nearest = obj;
                nearestSquared = distanceSquared;
                hitPoint = point;
            }
        }
    }
    return nearest;
}

GameObject* ObjectList::pickTarget(const GameObject* chooser) const
{
    if (chooser == nullptr) {
        return nullptr;
    }
    GameObject* best = nullptr;
    float bestAlignment = 0.0f;
    for (const auto objects : {staticObjects(), movingObjects()}) {
        for (GameObject* obj : objects) {
            if (obj == chooser || !obj->targetable) {
                continue;
            }
            const float alignment = dot(normalized(obj->position - chooser->position), chooser->forward());
            if (alignment > bestAlignment) {
                best = obj;
                bestAlignment = alignment;
            }
        }
    }
    return best;
}

GameObject* ObjectList::findFirstMissile() const
{
    for (const auto objects : {staticObjects(), movingObjects()}) {
        for (GameObject* obj : objects) {
            if (std::strcmp(obj->name, "Missile") == 0) {
                return obj;
            }
        }
    }
    return nullptr;
}

GameObject* ObjectList::findNextOfSameKind(const GameObject* obj) const
{
    if (obj == nullptr || obj->list != this) {
        return nullptr;
    }
    const auto objects = obj->isStatic() ? staticObjects() : movingObjects();
    for (std::size_t i = obj->index + 1; i < objects.size(); ++i) {
        if (objects[i]->name == obj->name) {
            return objects[i];
        }
    }
    return nullptr;
}

}
