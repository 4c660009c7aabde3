#include "flight/FlightTestObjects.h"

#include <gtest/gtest.h>

#include <vector>

using flighttest::Events;
using flighttest::TestMover;
using flighttest::TestStatic;

TEST(ObjectList, AddsIntoTheArrayOfItsKindAndSwapRemoves)
{
    dh::ObjectList list;
    Events events;
    std::vector<TestMover*> movers;
    for (int i = 0; i < 4; ++i) {
        movers.push_back(new TestMover(&events));
        list.addObject(movers.back());
    }
    auto* station = new TestStatic(&events);
    list.addObject(station);
    EXPECT_EQ(events.added, 5);
    ASSERT_EQ(list.movingObjects().size(), 4u);
    ASSERT_EQ(list.staticObjects().size(), 1u);
    EXPECT_EQ(station->index, 0u);
    EXPECT_EQ(movers[3]->index, 3u);
    EXPECT_EQ(movers[3]->list, &list);

    // Adding an object that is already in a list does nothing.
    list.addObject(movers[0]);
    list.addObject(nullptr);
    EXPECT_EQ(list.movingObjects().size(), 4u);

    // The last object takes the freed slot.
    list.deleteObject(movers[1]);
    EXPECT_EQ(events.destroyed, 1);
    ASSERT_EQ(list.movingObjects().size(), 3u);
    EXPECT_EQ(list.movingObjects()[1], movers[3]);
    EXPECT_EQ(movers[3]->index, 1u);

    // Deleting the last one moves nothing.
    list.deleteObject(movers[3]);
    EXPECT_EQ(list.movingObjects()[0], movers[0]);
    EXPECT_EQ(list.movingObjects()[1], movers[2]);
    EXPECT_EQ(movers[2]->index, 1u);

    // An object of another list is left alone.
    dh::ObjectList other;
    auto* stranger = new TestMover(&events);
    other.addObject(stranger);
    list.deleteObject(stranger);
    list.detachObject(stranger);
    EXPECT_EQ(stranger->list, &other);
    EXPECT_EQ(events.destroyed, 2);
}

TEST(ObjectList, FullArraysDropNewObjectsSilently)
{
    dh::ObjectList list;
    Events kept;
    Events dropped;
    for (std::uint32_t i = 0; i < dh::ObjectList::kMaxMoving; ++i) {
        list.addObject(new TestMover(&kept));
    }
    for (std::uint32_t i = 0; i < dh::ObjectList::kMaxStatic; ++i) {
        list.addObject(new TestStatic(&kept));
    }
    list.addObject(new TestMover(&dropped));
    list.addObject(new TestStatic(&dropped));
    EXPECT_EQ(dropped.destroyed, 2);
    EXPECT_EQ(dropped.added, 0);
    EXPECT_EQ(list.movingObjects().size(), 512u);
    EXPECT_EQ(list.staticObjects().size(), 512u);
    EXPECT_EQ(kept.destroyed, 0);

    list.clearObjects();
    EXPECT_EQ(kept.destroyed, 1024);
    EXPECT_TRUE(list.movingObjects().empty());
    // A cleared list has no arrays left: a new object is destroyed like one for a full array.
    list.addObject(new TestMover(&dropped));
    EXPECT_EQ(dropped.destroyed, 3);
}

TEST(ObjectList, DeletedObjectsClearTheirReferencesDetachedOnesKeepThem)
{
    dh::ObjectList list;
    Events events;
    auto* doomed = new TestMover(&events);
    auto* traveller = new TestMover(&events);
    auto* bystander = new TestStatic(&events);
    list.addObject(doomed);
    list.addObject(traveller);
    list.addObject(bystander);

    dh::ObjectRef doomedRefs[3] = {{doomed, nullptr}, {doomed, nullptr}, {doomed, nullptr}};
    dh::ObjectRef travellerRef{traveller, nullptr};
    dh::ObjectRef bystanderRef{bystander, nullptr};
    for (auto& ref : doomedRefs) {
        list.trackRef(&ref);
    }
    list.trackRef(&travellerRef);
    list.trackRef(&bystanderRef);
    EXPECT_EQ(list.refCount(), 5u);
    EXPECT_EQ(bystanderRef.list, &list);

    list.deleteObject(doomed);
    for (const auto& ref : doomedRefs) {
        EXPECT_EQ(ref.object, nullptr);
        EXPECT_EQ(ref.list, &list);
    }
    EXPECT_EQ(bystanderRef.object, bystander);

    list.detachObject(traveller);
    EXPECT_EQ(events.removed, 1);
    EXPECT_EQ(events.destroyed, 1);
    EXPECT_EQ(traveller->list, nullptr);
    EXPECT_EQ(travellerRef.object, traveller);
    EXPECT_EQ(travellerRef.list, &list);
    EXPECT_TRUE(list.movingObjects().empty());

    // Unregistering keeps the object pointer; the reference is free to register again.
    list.untrackRef(&travellerRef);
    EXPECT_EQ(travellerRef.list, nullptr);
    EXPECT_EQ(travellerRef.object, traveller);
    EXPECT_EQ(list.refCount(), 4u);

    // The detached ship goes into another system's list and is tracked there.
    dh::ObjectList next;
    next.addObject(traveller);
    next.trackRef(&travellerRef);
    EXPECT_EQ(travellerRef.list, &next);
    EXPECT_EQ(traveller->index, 0u);
    next.untrackRef(&travellerRef);

    // Clearing destroys everything; references to the destroyed objects read null.
    list.clearObjects();
    EXPECT_EQ(bystanderRef.object, nullptr);
    EXPECT_EQ(bystanderRef.list, nullptr);
    EXPECT_EQ(events.destroyed, 2);
}

TEST(ObjectList, TrackRefEdgeCases)
{
    dh::ObjectList list;
    auto* ship = new TestMover;
    list.addObject(ship);

    // An object in no list: the reference ends up empty and unregistered.
    TestMover loose;
    dh::ObjectRef looseRef{&loose, nullptr};
    list.trackRef(&looseRef);
    EXPECT_EQ(looseRef.object, nullptr);
    EXPECT_EQ(looseRef.list, nullptr);
    EXPECT_EQ(list.refCount(), 0u);

    // A reference registered elsewhere is ignored.
    dh::ObjectList other;
    dh::ObjectRef foreign{ship, &other};
    list.trackRef(&foreign);
    EXPECT_EQ(foreign.list, &other);
    EXPECT_EQ(list.refCount(), 0u);
    list.trackRef(nullptr);
    list.untrackRef(&foreign);
    EXPECT_EQ(foreign.list, &other);

    // With 2048 references registered the next one is left empty.
    std::vector<dh::ObjectRef> refs(dh::ObjectList::kMaxRefs, dh::ObjectRef{ship, nullptr});
    for (auto& ref : refs) {
        list.trackRef(&ref);
    }
    EXPECT_EQ(list.refCount(), 2048u);
    dh::ObjectRef overflow{ship, nullptr};
    list.trackRef(&overflow);
    EXPECT_EQ(overflow.object, nullptr);
    EXPECT_EQ(overflow.list, nullptr);

    // Removing one from the middle lets the last take its place; all stay tracked.
    list.untrackRef(&refs[7]);
    EXPECT_EQ(list.refCount(), 2047u);
    list.deleteObject(ship);
    for (std::size_t i = 0; i < refs.size(); ++i) {
        EXPECT_EQ(refs[i].object, i == 7 ? ship : nullptr) << i;
    }
    for (auto& ref : refs) {
        list.untrackRef(&ref);
    }
    EXPECT_EQ(list.refCount(), 0u);
}

TEST(ObjectList, KindQueries)
{
    static const char* const kMissile = "Missile";
    dh::ObjectList list;
    EXPECT_EQ(list.findFirstMissile(), nullptr);

    auto* ship = new TestMover;
    ship->name = "Explorer Mark I";
    auto* first = new TestMover;
    first->name = kMissile;
    auto* copyOfName = new TestMover;
    // Equal text at another address: found by the text search, not by the kind walk.
    static const char kOtherMissile[] = "Missile";
    copyOfName->name = kOtherMissile;
    auto* second = new TestMover;
    second->name = kMissile;
    for (auto* obj : {ship, first, copyOfName, second}) {
        list.addObject(obj);
    }

    EXPECT_EQ(list.findFirstMissile(), first);
    EXPECT_EQ(list.findNextOfSameKind(first), second);
    EXPECT_EQ(list.findNextOfSameKind(second), nullptr);
    EXPECT_EQ(list.findNextOfSameKind(nullptr), nullptr);

    // Statics come first.
    auto* staticMissile = new TestStatic;
    staticMissile->name = kMissile;
    list.addObject(staticMissile);
    EXPECT_EQ(list.findFirstMissile(), staticMissile);
    EXPECT_EQ(list.findNextOfSameKind(staticMissile), nullptr);

    EXPECT_TRUE(list.containsObject(second));
    list.deleteObject(second);
    EXPECT_FALSE(list.containsObject(second));
    EXPECT_FALSE(list.containsObject(nullptr));
}

TEST(ObjectList, UpdateVisitsEachObjectOnceAndSkipsDeletedOnes)
{
    dh::ObjectList list;
    Events staticEvents;
    Events early;
    Events late;
    Events added;
    auto* station = new TestStatic(&staticEvents);
    auto* killer = new TestMover(&early);
    auto* victim = new TestMover(&late);
    list.addObject(station);
    list.addObject(killer);
    list.addObject(victim);

    // The first mover deletes the second and adds a newcomer during the walk.
    killer->onUpdateDo = [&] {
        list.deleteObject(victim);
        list.addObject(new TestMover(&added));
    };
    list.updateAll(0.1f);
    EXPECT_EQ(staticEvents.updates, 1);
    EXPECT_EQ(early.updates, 1);
    EXPECT_EQ(late.updates, 0);
    EXPECT_EQ(late.destroyed, 1);
    EXPECT_EQ(added.updates, 0);
    // The iteration snapshots are unregistered again.
    EXPECT_EQ(list.refCount(), 0u);

    killer->onUpdateDo = nullptr;
    list.updateAll(0.1f);
    EXPECT_EQ(added.updates, 1);
    EXPECT_EQ(early.updates, 2);
}

namespace {

// Leaves another object behind in its list when destroyed, as a destroyed ship
// leaves its explosion.
template <typename Base>
class Wreck : public Base {
public:
    Wreck(Events* events, Events* leftovers) : Base(events), leftovers_(leftovers) {}
    ~Wreck() override
    {
        if (this->list != nullptr) {
            this->list->addObject(new TestStatic(leftovers_));
        }
    }

private:
    Events* leftovers_;
};

}

TEST(ObjectList, DestructorsMayAddToTheListTheyLeave)
{
    dh::ObjectList list;
    Events events;
    Events leftovers;
    auto* crumbling = new Wreck<TestStatic>(&events, &leftovers);
    auto* second = new TestStatic(&events);
    auto* third = new TestStatic(&events);
    list.addObject(crumbling);
    list.addObject(second);
    list.addObject(third);

    // The leftover lands last in the same array and then fills the freed slot.
    list.deleteObject(crumbling);
    ASSERT_EQ(list.staticObjects().size(), 3u);
    EXPECT_EQ(leftovers.added, 1);
    EXPECT_EQ(list.staticObjects()[1], second);
    EXPECT_EQ(list.staticObjects()[2], third);
    EXPECT_EQ(list.staticObjects()[0]->index, 0u);
    EXPECT_NE(list.staticObjects()[0], second);

    // A moving wreck destroyed by the physics step leaves a static behind,
    // which is not visited in that step.
    auto* wreck = new Wreck<TestMover>(&events, &leftovers);
    wreck->shield = 0.0f;
    list.addObject(wreck);
    list.stepPhysics(0.01f);
    EXPECT_TRUE(list.movingObjects().empty());
    EXPECT_EQ(list.staticObjects().size(), 4u);
    EXPECT_EQ(leftovers.destroyed, 0);

    // Clearing also destroys what destructors add while it runs.
    list.addObject(new Wreck<TestMover>(&events, &leftovers));
    list.clearObjects();
    EXPECT_EQ(leftovers.added, 3);
    EXPECT_EQ(leftovers.destroyed, 3);
    EXPECT_EQ(events.destroyed, 5);
}
