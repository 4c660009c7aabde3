#include "flight/FlightTestObjects.h"

#include <gtest/gtest.h>

#include <vector>

using flighttest::add;
using flighttest::Events;
using flighttest::TestMover;
using flighttest::TestStatic;

TEST(ObjectList, AddsIntoTheArrayOfItsKindAndSwapRemoves)
{
    Events events;
    std::vector<TestMover*> movers;
    dh::ObjectList list;
    for (int i = 0; i < 4; ++i)
        movers.push_back(add<TestMover>(list, &events));
    add<TestStatic>(list, &events);
    list.addObject(movers[0]);
    EXPECT_EQ(events.added, 5) << "an object already listed is not added again";
    EXPECT_EQ(list.staticObjects().size(), 1u);
    list.deleteObject(movers[1]);
    ASSERT_EQ(list.movingObjects().size(), 3u);
    EXPECT_EQ(list.movingObjects()[1], movers[3]) << "the last object takes the freed slot";
    EXPECT_EQ(movers[3]->index, 1u);

    dh::ObjectList other;
    auto* stranger = add<TestMover>(other, &events);
    list.deleteObject(stranger);
    list.detachObject(stranger);
    EXPECT_EQ(stranger->list, &other) << "an object of another list is left alone";
    EXPECT_EQ(events.destroyed, 1);
}

TEST(ObjectList, FullArraysDropNewObjectsSilently)
{
    dh::ObjectList list;
    Events kept, dropped;
    for (std::uint32_t i = 0; i < 512; ++i) {
        add<TestMover>(list, &kept);
        add<TestStatic>(list, &kept);
    }
    add<TestMover>(list, &dropped);
    add<TestStatic>(list, &dropped);
    EXPECT_EQ(dropped.destroyed, 2);
    EXPECT_EQ(dropped.added, 0);
    list.clearObjects();
    EXPECT_EQ(kept.destroyed, 1024);
}

TEST(ObjectList, DeletedObjectsClearTheirReferencesDetachedOnesKeepThem)
{
    dh::ObjectList list;
    Events events;
    auto* doomed = add<TestMover>(list, &events);
    auto* traveller = add<TestMover>(list, &events);
    auto* bystander = add<TestStatic>(list, &events);
    dh::ObjectRef refs[4] = {{doomed, nullptr}, {doomed, nullptr}, {traveller, nullptr}, {bystander, nullptr}};
    for (dh::ObjectRef& ref : refs)
        list.trackRef(&ref);
    list.deleteObject(doomed);
    EXPECT_EQ(refs[0].object, nullptr);
    EXPECT_EQ(refs[1].object, nullptr);
    EXPECT_EQ(refs[3].object, bystander);

    list.detachObject(traveller);
    EXPECT_EQ(events.removed, 1);
    EXPECT_EQ(events.destroyed, 1);
    EXPECT_EQ(traveller->list, nullptr);
    EXPECT_EQ(refs[2].object, traveller);
    // The detached ship goes into another system's list and is tracked there.
    list.untrackRef(&refs[2]);
    dh::ObjectList next;
    next.addObject(traveller);
    next.trackRef(&refs[2]);
    EXPECT_EQ(refs[2].list, &next);
    next.untrackRef(&refs[2]);

    list.clearObjects();
    EXPECT_EQ(refs[3].object, nullptr);
    EXPECT_EQ(refs[3].list, nullptr);
}

TEST(ObjectList, TrackRefEdgeCases)
{
    dh::ObjectList list;
    auto* ship = add<TestMover>(list);
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
    for (auto& ref : refs)
        list.trackRef(&ref);
    dh::ObjectRef overflow{ship, nullptr};
    list.trackRef(&overflow);
    EXPECT_EQ(overflow.object, nullptr) << "the 2049th reference is left empty";
    // The last takes the place of one removed from the middle; all stay tracked.
    list.untrackRef(&refs[7]);
    list.deleteObject(ship);
    EXPECT_EQ(refs[7].object, ship);
    EXPECT_EQ(refs[8].object, nullptr);
    EXPECT_EQ(refs.back().object, nullptr);
    for (auto& ref : refs)
        list.untrackRef(&ref);
}

TEST(ObjectList, KindQueries)
{
    static const char* const kMissile = "Missile";
    static const char kOtherMissile[] = "Missile";
    dh::ObjectList list;
    EXPECT_EQ(list.findFirstMissile(), nullptr);
    std::vector<TestMover*> movers;
    for (const char* name : {"Explorer Mark I", kMissile, kOtherMissile, kMissile}) {
        movers.push_back(add<TestMover>(list));
        movers.back()->name = name;
    }
    // Equal text at another address is found by the text search, not by the kind walk.
    EXPECT_EQ(list.findFirstMissile(), movers[1]);
    EXPECT_EQ(list.findNextOfSameKind(movers[1]), movers[3]);
    EXPECT_EQ(list.findNextOfSameKind(movers[3]), nullptr);
    auto* staticMissile = add<TestStatic>(list);
    staticMissile->name = kMissile;
    EXPECT_EQ(list.findFirstMissile(), staticMissile) << "statics come first";
}

TEST(ObjectList, UpdateVisitsEachObjectOnceAndSkipsDeletedOnes)
{
    Events early, late, added;
    dh::ObjectList list;
    auto* killer = add<TestMover>(list, &early);
    auto* victim = add<TestMover>(list, &late);
    killer->onUpdateDo = [&] {
        list.deleteObject(victim);
        add<TestMover>(list, &added);
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
struct Wreck : Base {
    Wreck(Events* events, Events* leftovers) : Base(events), leftovers(leftovers) {}
    ~Wreck() override
    {
        if (this->list != nullptr)
            add<TestStatic>(*this->list, leftovers);
    }
    Events* leftovers;
};

}

TEST(ObjectList, DestructorsMayAddToTheListTheyLeave)
{
    dh::ObjectList list;
    Events events, leftovers;
    auto* crumbling = new Wreck<TestStatic>(&events, &leftovers);
    list.addObject(crumbling);
    auto* second = add<TestStatic>(list, &events);
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
