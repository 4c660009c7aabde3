// The physics step against plain pair loops: every static, then every other
// mover, in snapshot order, over the same narrow-phase functions. Whatever
// the step does to skip pairs that cannot touch, both must leave every
// position, velocity and shield, the generator and the sequence of sounds,
// damage and collision calls bit for bit alike.
#include "flight/Collision.h"
#include "flight/FlightTestObjects.h"
#include "flight/Orientation.h"

#include "core/Random.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <bit>
#include <cmath>
#include <cstdint>
#include <numbers>
#include <random>
#include <string>
#include <vector>

namespace {

constexpr float kPi = std::numbers::pi_v<float>;
constexpr float kStep = 1.0f / 60.0f;
constexpr float kArena = 6000.0f;

// Everything the objects of one list were asked to do, in order.
using Log = std::vector<std::string>;

struct Behaviour {
    bool killsOnCollision = false;  // deletes the mover it collides with
    bool diesOnCollision = false;   // deletes itself
    bool spawnsOnDeath = false;     // its destructor adds a static and a mover
};

class LoggedMover : public dh::MovingGameObject {
public:
    LoggedMover(Log& log, int id, Behaviour behaviour) : log_(log), id_(id), behaviour_(behaviour) {}
    ~LoggedMover() override;

    void playCollisionSound() override
    {
        note("sound");
        MovingGameObject::playCollisionSound();
    }
    void onDamaged(dh::GameObject*) override { note("damaged " + std::to_string(std::bit_cast<std::uint32_t>(shield))); }
    void onCollision(dh::GameObject* other) override;

    int id() const { return id_; }
    float turnRate = 0.0f;

private:
    void note(const std::string& what) { log_.push_back(std::to_string(id_) + " " + what); }

    Log& log_;
    int id_;
    Behaviour behaviour_;
};

class LoggedStatic : public dh::StaticGameObject {
public:
    LoggedStatic(Log& log, int id) : log_(log), id_(id) {}
    void onCollision(dh::GameObject*) override { log_.push_back(std::to_string(id_) + " struck"); }
    int id() const { return id_; }

private:
    Log& log_;
    int id_;
};

int idOf(const dh::GameObject* obj)
{
    if (obj->isStatic()) {
        return static_cast<const LoggedStatic*>(obj)->id();
    }
    return static_cast<const LoggedMover*>(obj)->id();
}

// The meshes of one scene: boxes of three sizes, a station-sized ball of
// 1000 triangles and an arena box whose faces look inwards.
struct Meshes {
    std::unique_ptr<dh::Mesh> small = flighttest::makeBox({2.0f, 2.0f, 8.0f});
    std::unique_ptr<dh::Mesh> ship = flighttest::makeBox({20.0f, 10.0f, 50.0f});
    std::unique_ptr<dh::Mesh> big = flighttest::makeBox(120.0f);
    std::unique_ptr<dh::Mesh> station = flighttest::makeBall(900.0f, 20, 25);
    std::unique_ptr<dh::Mesh> arena = makeArena(kArena);

    // The box turned inside out: each triangle's corners in the other order.
    static std::unique_ptr<dh::Mesh> makeArena(float half)
    {
        const auto box = flighttest::makeBox(half);
        std::vector<float> positions = box->positions;
        for (std::size_t t = 0; t < positions.size(); t += 9) {
            std::swap_ranges(positions.begin() + static_cast<std::ptrdiff_t>(t) + 3,
                             positions.begin() + static_cast<std::ptrdiff_t>(t) + 6,
                             positions.begin() + static_cast<std::ptrdiff_t>(t) + 6);
        }
        return flighttest::makeTriangles(std::move(positions));
    }
};

// One list and what its objects report. Built twice from the same recipe.
struct Side {
    explicit Side(const Meshes& meshes) : meshes(meshes) {}

    LoggedMover* addMover(dh::Mesh* mesh, dh::Vector3 at, float yawAngle, float speed, Behaviour behaviour)
    {
        auto* mover = new LoggedMover(log, nextId++, behaviour);
        mover->mesh = mesh;
        mover->collidable = true;
        mover->shield = 1000.0f;
        mover->position = at;
        dh::yaw(*mover, yawAngle);
        dh::pitch(*mover, yawAngle * 0.3f);
        mover->acceleration = 400.0f;
        mover->targetSpeed = speed;
        mover->velocity = mover->forward() * speed;
        list.addObject(mover);
        return mover;
    }

    LoggedStatic* addStatic(dh::Mesh* mesh, dh::Vector3 at)
    {
        auto* obj = new LoggedStatic(log, nextId++);
        obj->mesh = mesh;
        obj->collidable = true;
        obj->indestructible = true;
        obj->position = at;
        list.addObject(obj);
        return obj;
    }

    const Meshes& meshes;
    Log log;
    int nextId = 0;
    dh::ObjectList list;
};

LoggedMover::~LoggedMover()
{
    note("destroyed");
    if (behaviour_.spawnsOnDeath && list != nullptr) {
        // Like a ship's explosion: new objects join the list from the destructor.
        auto* debris = new LoggedStatic(log_, 100000 + id_);
        debris->position = position;
        list->addObject(debris);
        auto* fragment = new LoggedMover(log_, 200000 + id_, {});
        fragment->mesh = mesh;
        fragment->collidable = true;
        fragment->shield = 1000.0f;
        fragment->position = position;
        fragment->velocity = velocity;
        list->addObject(fragment);
    }
}

void LoggedMover::onCollision(dh::GameObject* other)
{
    note("hit " + std::to_string(idOf(other)));
    if (behaviour_.killsOnCollision && !other->isStatic() && list != nullptr) {
        list->deleteObject(other);
    } else if (behaviour_.diesOnCollision && list != nullptr) {
        list->deleteObject(this);
    }
}

// The step written out plainly over the list's public operations.
void plainStep(dh::ObjectList& list, float dt)
{
    static std::array<dh::ObjectRef, dh::ObjectList::kMaxStatic> statics;
    static std::array<dh::ObjectRef, dh::ObjectList::kMaxMoving> movers;
    const std::size_t staticCount = list.staticObjects().size();
    const std::size_t moverCount = list.movingObjects().size();
    for (std::size_t i = 0; i < staticCount; ++i) {
        statics[i] = {list.staticObjects()[i], nullptr};
    }
    for (std::size_t i = 0; i < moverCount; ++i) {
        movers[i] = {list.movingObjects()[i], nullptr};
    }
    for (std::size_t i = 0; i < staticCount; ++i) {
        list.trackRef(&statics[i]);
    }
    for (std::size_t i = 0; i < moverCount; ++i) {
        list.trackRef(&movers[i]);
    }

    for (std::size_t i = 0; i < staticCount; ++i) {
        if (statics[i].object != nullptr && statics[i].object->isDead()) {
            list.deleteObject(statics[i].object);
        }
    }
    for (std::size_t i = 0; i < moverCount; ++i) {
        auto* m = static_cast<dh::MovingGameObject*>(movers[i].object);
        if (m == nullptr) {
            continue;
        }
        if (m->isDead()) {
            list.deleteObject(m);
            continue;
        }
        const float speed = dh::length(m->velocity);
        m->velocity += m->forward() * m->acceleration * dt;
        dh::normalize(m->velocity);
        const float change = m->acceleration * dt;
        const float newSpeed = speed > m->targetSpeed ? std::max(speed - change, m->targetSpeed)
                                                      : std::min(speed + change, m->targetSpeed);
        m->velocity *= newSpeed;
        m->position += m->velocity * dt;
        if (!m->collidable || m->mesh == nullptr) {
            continue;
        }
        for (std::size_t s = 0; s < staticCount && movers[i].object != nullptr; ++s) {
            const dh::GameObject* other = statics[s].object;
            if (other != nullptr && other->collidable && other->mesh != nullptr) {
                dh::collideWithStatic(movers[i], statics[s]);
            }
        }
        for (std::size_t j = 0; j < moverCount && movers[i].object != nullptr; ++j) {
            const dh::GameObject* other = movers[j].object;
            if (other != nullptr && other != m && other->collidable && other->mesh != nullptr) {
                dh::collideMoving(movers[i], movers[j]);
            }
        }
    }

    for (std::size_t i = moverCount; i-- > 0;) {
        list.untrackRef(&movers[i]);
    }
    for (std::size_t i = staticCount; i-- > 0;) {
        list.untrackRef(&statics[i]);
    }
}

struct Recipe {
    int movers;
    int clusters;       // 0: spread over the arena; else that many tight groups
    float speed;        // cruising speed; fast movers cross many cells a step
    bool deletions;     // some movers delete others, or themselves, when they collide
    int steps;
};

// Builds the same scene on both sides and feeds both the same new movers.
class Scene {
public:
    explicit Scene(const Recipe& recipe) : recipe_(recipe), game_(meshes_), plain_(meshes_)
    {
        for (Side* side : {&game_, &plain_}) {
            side->addStatic(meshes_.arena.get(), {});
            side->addStatic(meshes_.station.get(), {400.0f, -300.0f, 200.0f});
        }
        while (static_cast<int>(game_.list.movingObjects().size()) < recipe_.movers) {
            addMover();
        }
    }

    // Both sides take one step from the same generator state; true while they agree.
    bool step(int n)
    {
        dh::g_randomSeed = 0x9D187u + static_cast<std::uint32_t>(n);
        game_.list.stepPhysics(kStep);
        const std::uint32_t gameSeed = dh::g_randomSeed;
        dh::g_randomSeed = 0x9D187u + static_cast<std::uint32_t>(n);
        plainStep(plain_.list, kStep);
        EXPECT_EQ(gameSeed, dh::g_randomSeed) << "step " << n;
        EXPECT_EQ(game_.log, plain_.log) << "step " << n;
        const bool same = gameSeed == dh::g_randomSeed && game_.log == plain_.log && sameObjects(n);
        for (const std::string& entry : game_.log) {
            const std::string what = entry.substr(entry.find(' ') + 1);
            seen.hits += what.starts_with("hit ") ? 1 : 0;
            seen.sounds += what == "sound" ? 1 : 0;
            seen.damage += what.starts_with("damaged") ? 1 : 0;
            seen.deletions += what == "destroyed" ? 1 : 0;
        }
        game_.log.clear();
        plain_.log.clear();
        turnAndRefill();
        return same;
    }

    // What happened over the run, so that a scene that tests nothing shows.
    struct Seen {
        int hits = 0, sounds = 0, damage = 0, deletions = 0;
    } seen;

private:
    static bool sameBits(dh::Vector3 a, dh::Vector3 b)
    {
        return std::bit_cast<std::array<std::uint32_t, 3>>(a) == std::bit_cast<std::array<std::uint32_t, 3>>(b);
    }

    bool sameObjects(int n) const
    {
        const auto statics = game_.list.staticObjects();
        const auto plainStatics = plain_.list.staticObjects();
        const auto moving = game_.list.movingObjects();
        const auto plainMoving = plain_.list.movingObjects();
        if (statics.size() != plainStatics.size() || moving.size() != plainMoving.size()) {
            ADD_FAILURE() << "step " << n << ": object counts differ";
            return false;
        }
        for (std::size_t i = 0; i < statics.size(); ++i) {
            if (idOf(statics[i]) != idOf(plainStatics[i])) {
                ADD_FAILURE() << "step " << n << ": static " << i << " differs";
                return false;
            }
        }
        for (std::size_t i = 0; i < moving.size(); ++i) {
            const auto& a = static_cast<const LoggedMover&>(*moving[i]);
            const auto& b = static_cast<const LoggedMover&>(*plainMoving[i]);
            if (a.id() != b.id() || !sameBits(a.position, b.position) || !sameBits(a.velocity, b.velocity)
                || std::bit_cast<std::uint32_t>(a.shield) != std::bit_cast<std::uint32_t>(b.shield)) {
                ADD_FAILURE() << "step " << n << ": mover " << a.id() << " differs";
                return false;
            }
        }
        return true;
    }

    // Between steps, alike on both sides: every mover turns a little so the
    // crowd keeps circling, and lost movers are replaced.
    void turnAndRefill()
    {
        for (Side* side : {&game_, &plain_}) {
            for (dh::GameObject* obj : side->list.movingObjects()) {
                dh::yaw(*obj, static_cast<LoggedMover*>(obj)->turnRate);
            }
        }
        while (static_cast<int>(game_.list.movingObjects().size()) < recipe_.movers) {
            addMover();
        }
    }

    void addMover()
    {
        std::uniform_real_distribution<float> unit(0.0f, 1.0f);
        const int kind = static_cast<int>(unit(generator_) * 20.0f);
        dh::Mesh* mesh = kind < 6 ? meshes_.small.get() : kind < 19 ? meshes_.ship.get() : meshes_.big.get();
        dh::Vector3 at;
        if (recipe_.clusters > 0) {
            const int cluster = static_cast<int>(unit(generator_) * static_cast<float>(recipe_.clusters));
            const float spread = 60.0f * std::cbrt(static_cast<float>(recipe_.movers / recipe_.clusters));
            const dh::Vector3 centre{-3000.0f + 1500.0f * static_cast<float>(cluster % 5), 2000.0f,
                                     -3000.0f + 1500.0f * static_cast<float>(cluster / 5)};
            at = centre + dh::Vector3{(unit(generator_) - 0.5f) * spread, (unit(generator_) - 0.5f) * spread,
                                      (unit(generator_) - 0.5f) * spread};
        } else {
            // Dense enough that a tenth or so overlap a neighbour.
            const float reach = 1500.0f * std::cbrt(static_cast<float>(recipe_.movers) / 64.0f);
            at = {(unit(generator_) * 2.0f - 1.0f) * reach, (unit(generator_) * 2.0f - 1.0f) * reach,
                  (unit(generator_) * 2.0f - 1.0f) * reach};
        }
        const float yawAngle = (unit(generator_) * 2.0f - 1.0f) * kPi;
        const float speed = recipe_.speed * (0.25f + unit(generator_));
        const float turnRate = (unit(generator_) - 0.5f) * 0.1f;
        const float shield = unit(generator_) < 0.2f ? 30.0f : 1000.0f;
        Behaviour behaviour;
        if (recipe_.deletions) {
            const float roll = unit(generator_);
            behaviour.killsOnCollision = roll < 0.03f;
            behaviour.diesOnCollision = roll >= 0.03f && roll < 0.06f;
            behaviour.spawnsOnDeath = roll >= 0.06f && roll < 0.2f;
        }
        for (Side* side : {&game_, &plain_}) {
            LoggedMover* mover = side->addMover(mesh, at, yawAngle, speed, behaviour);
            mover->turnRate = turnRate;
            mover->shield = shield;
        }
    }

    Recipe recipe_;
    Meshes meshes_;
    Side game_;
    Side plain_;
    std::mt19937 generator_{12345};
};

void runScene(const Recipe& recipe)
{
    SCOPED_TRACE(std::to_string(recipe.movers) + " movers, " + std::to_string(recipe.clusters) + " clusters");
    Scene scene(recipe);
    for (int n = 0; n < recipe.steps; ++n) {
        if (!scene.step(n)) {
            return;
        }
    }
    EXPECT_GT(scene.seen.hits, recipe.steps / 10);
    EXPECT_GT(scene.seen.sounds, 0);
    EXPECT_GT(scene.seen.damage, 0);
    if (recipe.deletions) {
        EXPECT_GT(scene.seen.deletions, 0);
    }
}

}

// Movers spread round the station, 64, 256 and 512 of them.
TEST(PlainPairLoops, SpreadCrowdsWithAStationStepAlike)
{
    runScene({64, 0, 400.0f, false, 3000});
    runScene({256, 0, 400.0f, false, 300});
    runScene({512, 0, 400.0f, false, 100});
}

// Tight groups that keep pushing each other apart, and fast movers that cross
// many cells in one step.
TEST(PlainPairLoops, DenseClustersAndFastMoversStepAlike)
{
    runScene({64, 2, 300.0f, false, 2000});
    runScene({256, 4, 300.0f, false, 300});
    runScene({512, 8, 300.0f, false, 100});
    runScene({128, 1, 6000.0f, false, 500});
}

// Collisions that delete movers in the middle of a step, destructors that add
// objects, and movers killed by collision damage.
TEST(PlainPairLoops, DeletionsInTheMiddleOfAStepStepAlike)
{
    runScene({64, 2, 400.0f, true, 3000});
    runScene({256, 4, 400.0f, true, 300});
    runScene({512, 8, 400.0f, true, 100});
}
