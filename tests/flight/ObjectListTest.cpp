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
    list.addObject(new TestStatic(&events));
    list.addObject(movers[0]);
    EXPECT_EQ(events.added, 5) << "an object already listed is not added again";
    ASSERT_EQ(list.staticObjects().size(), 1u);

    list.deleteObject(movers[1]);
    ASSERT_EQ(list.movingObjects().size(), 3u);
    EXPECT_EQ(list.movingObjects()[1], movers[3]) << "the last object takes the freed slot";
    EXPECT_EQ(movers[3]->index, 1u);

    dh::ObjectList other;
    auto* stranger = new TestMover(&events);
    other.addObject(stranger);
    list.deleteObject(stranger);
    list.detachObject(stranger);
    EXPECT_EQ(stranger->list, &other) << "an object of another list is left alone";
    EXPECT_EQ(events.destroyed, 1);
}

TEST(ObjectList, FullArraysDropNewObjectsSilently)
{
    dh::ObjectList list;
    Events kept;
    Events dropped;
    for (std::uint32_t i = 0; i < 512; ++i) {
        list.addObject(new TestMover(&kept));
        list.addObject(new TestStatic(&kept));
    }
    list.addObject(new TestMover(&dropped));
    list.addObject(new TestStatic(&dropped));
    EXPECT_EQ(dropped.destroyed, 2);
    EXPECT_EQ(dropped.added, 0);
    EXPECT_EQ(list.movingObjects().size() + list.staticObjects().size(), 1024u);
    list.clearObjects();
    EXPECT_EQ(kept.destroyed, 1024);
}

TEST(ObjectList, DeletedObjectsClearTheirReferencesDetachedOnesKeepThem)
{
    dh::ObjectList list;
    Events events;
    auto* doomed = new TestMover(&events);
    auto* traveller = new TestMover(&events);
    auto* bystander = new TestStatic(&events);
    for (dh::GameObject* obj : std::initializer_list<dh::GameObject*>{doomed, traveller, bystander}) {
        list.addObject(obj);
    }
    dh::ObjectRef doomedRefs[2] = {{doomed, nullptr}, {doomed, nullptr}};
    dh::ObjectRef travellerRef{traveller, nullptr};
    dh::ObjectRef bystanderRef{bystander, nullptr};
    for (dh::ObjectRef* ref : {&doomedRefs[0], &doomedRefs[1], &travellerRef, &bystanderRef}) {
        list.trackRef(ref);
    }

    list.deleteObject(doomed);
    EXPECT_EQ(doomedRefs[0].object, nullptr);
    EXPECT_EQ(doomedRefs[1].object, nullptr);
    EXPECT_EQ(bystanderRef.object, bystander);

    list.detachObject(traveller);
    EXPECT_EQ(events.removed, 1);
    EXPECT_EQ(events.destroyed, 1);
    EXPECT_EQ(traveller->list, nullptr);
    EXPECT_EQ(travellerRef.object, traveller);

    // The detached ship goes into another system's list and is tracked there.
    list.untrackRef(&travellerRef);
    EXPECT_EQ(travellerRef.object, traveller);
    dh::ObjectList next;
    next.addObject(traveller);
    next.trackRef(&travellerRef);
    EXPECT_EQ(travellerRef.list, &next);
    next.untrackRef(&travellerRef);

    list.clearObjects();
    EXPECT_EQ(bystanderRef.object, nullptr);
    EXPECT_EQ(bystanderRef.list, nullptr);
}

TEST(ObjectList, TrackRefEdgeCases)
{
    dh::ObjectList list;
    auto* ship = new TestMover;
    list.addObject(ship);

    TestMover loose;
    dh::ObjectRef looseRef{&loose, nullptr};
    list.trackRef(&looseRef);
    EXPECT_EQ(looseRef.object, nullptr) << "an object in no list leaves the reference empty";
    EXPECT_EQ(looseRef.list, nullptr);

    dh::ObjectList other;
    dh::ObjectRef foreign{ship, &other};
    list.trackRef(&foreign);
    list.untrackRef(&foreign);
    EXPECT_EQ(foreign.list, &other) << "a reference registered elsewhere is ignored";
    EXPECT_EQ(list.refCount(), 0u);

    std::vector<dh::ObjectRef> refs(dh::ObjectList::kMaxRefs, dh::ObjectRef{ship, nullptr});
    for (auto& ref : refs) {
        list.trackRef(&ref);
    }
    dh::ObjectRef overflow{ship, nullptr};
    list.trackRef(&overflow);
    EXPECT_EQ(overflow.object, nullptr) << "the 2049th reference is left empty";
    EXPECT_EQ(overflow.list, nullptr);

    // The last takes the place of one removed from the middle; all stay tracked.
    list.untrackRef(&refs[7]);
    list.deleteObject(ship);
    EXPECT_EQ(refs[7].object, ship);
    EXPECT_EQ(refs.back().object, nullptr);
    EXPECT_EQ(refs[8].object, nullptr);
    for (auto& ref : refs) {
        list.untrackRef(&ref);
    }
}

TEST(ObjectList, KindQueries)
{
    static const char* const kMissile = "Missile";
    static const char kOtherMissile[] = "Missile";
    dh::ObjectList list;
    EXPECT_EQ(list.findFirstMissile(), nullptr);
    std::vector<TestMover*> movers;
    for (const char* name : {"Explorer Mark I", kMissile, kOtherMissile, kMissile}) {
        movers.push_back(new TestMover);
        movers.back()->name = name;
        list.addObject(movers.back());
    }
    // Equal text at another address is found by the text search, not by the kind walk.
    EXPECT_EQ(list.findFirstMissile(), movers[1]);
    EXPECT_EQ(list.findNextOfSameKind(movers[1]), movers[3]);
    EXPECT_EQ(list.findNextOfSameKind(movers[3]), nullptr);

    auto* staticMissile = new TestStatic;
    staticMissile->name = kMissile;
    list.addObject(staticMissile);
    EXPECT_EQ(list.findFirstMissile(), staticMissile) << "statics come first";
    EXPECT_EQ(list.findNextOfSameKind(staticMissile), nullptr);
}

TEST(ObjectList, UpdateVisitsEachObjectOnceAndSkipsDeletedOnes)
{
    dh::ObjectList list;
    Events early;
    Events late;
    Events added;
    auto* killer = new TestMover(&early);
    auto* victim = new TestMover(&late);
    list.addObject(killer);
    list.addObject(victim);
    killer->onUpdateDo = [&] {
        list.deleteObject(victim);
        list.addObject(new TestMover(&added));
    };
    list.updateAll(0.1f);
    EXPECT_EQ(late.updates, 0);
    EXPECT_EQ(added.updates, 0);
    EXPECT_EQ(list.refCount(), 0u) << "the iteration snapshots are unregistered";
    killer->onUpdateDo = nullptr;
    list.updateAll(0.1f);
    EXPECT_EQ(added.updates, 1);
    EXPECT_EQ(early.updates, 2);
}

namespace {

// Leaves another object in its list when destroyed, as a ship leaves its explosion.
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
    list.addObject(crumbling);
    list.addObject(second);
    list.deleteObject(crumbling);
    ASSERT_EQ(list.staticObjects().size(), 2u);
    EXPECT_EQ(list.staticObjects()[1], second);
    EXPECT_EQ(list.staticObjects()[0]->index, 0u);

    // A moving wreck removed by the physics step leaves a static that step does not visit.
    auto* wreck = new Wreck<TestMover>(&events, &leftovers);
    wreck->shield = 0.0f;
    list.addObject(wreck);
    list.stepPhysics(0.01f);
    EXPECT_EQ(list.staticObjects().size(), 3u);
    EXPECT_EQ(leftovers.destroyed, 0);

    // Clearing also destroys what destructors add while it runs.
    list.addObject(new Wreck<TestMover>(&events, &leftovers));
    list.clearObjects();
    EXPECT_EQ(leftovers.added, 3);
    EXPECT_EQ(leftovers.destroyed, 3);
}
