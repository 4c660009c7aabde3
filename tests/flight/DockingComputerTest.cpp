// The docking computer flying the real game, with the real models' geometry,
// on a clock of the test's own. The keys are held as a player holds them.
#include "flight/Controls.h"
#include "flight/FlightAssists.h"
#include "flight/Game.h"
#include "flight/GameObject_Ship.h"
#include "flight/GameObject_SpaceStation.h"
#include "flight/Orientation.h"
#include "flight/PlayerHuman.h"
#include "flight/RealModels.h"
#include "platform/KeyState.h"
#include "platform/PlatformEvents.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <memory>
#include <numbers>
#include <string>

using namespace dh;

namespace {

constexpr std::uint32_t kFrameMilliseconds = 16;
constexpr unsigned kKeyC = 'C';
constexpr float kPi = std::numbers::pi_v<float>;

// Where a flight starts, as seen from the station: its position and the
// ship's heading and speed.
struct Start {
    const char* name;
    Vector3 position;
    float yawTurn;
    float pitchTurn;
    float speed;
};

class DockingComputerTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(models.loaded);
        platformOverrideClock(&now);
        clearInjectedKeys();
        g_flightAssists = true;
        newGame();
    }
    void TearDown() override
    {
        game.reset();
        g_flightAssists = false;
        g_controls.restoreDefaults();
        clearInjectedKeys();
        platformOverrideClock(nullptr);
    }

    void newGame()
    {
        game.reset();
        docks = 0;
        GameHooks hooks;
        hooks.runStationScreen = [this](Game&) { ++docks; };
        game = std::make_unique<Game>("Pilot", hooks);
        // The first eight frames after a start have no time step.
        for (int i = 0; i < 8; ++i)
            frame();
    }

    void frame()
    {
        now += kFrameMilliseconds;
        game->simulateFrame();
        game->runPendingDock();
    }

    // Frames for `seconds`, 62 to a second.
    void frames(float seconds)
    {
        for (int i = 0; i < static_cast<int>(seconds * 62.0f); ++i)
            frame();
    }

    void press(unsigned key)
    {
        injectKeyState(key, true);
        frame();
        injectKeyState(key, false);
        frame();
    }

    GameObject_Ship& ship() { return *game->playerShip(); }
    GameObject_SpaceStation& station() { return *static_cast<GameObject_SpaceStation*>(game->station()); }
    bool engaged() const { return game->human->dockingComputer.engaged(); }

    // Puts the ship at `start` relative to the station: its nose first towards
    // the station's centre, then turned.
    void place(const Start& start)
    {
        GameObject_Ship& own = ship();
        own.position = station().position + start.position;
        own.orientation = Matrix3{};
        facePoint(own, station().position);
        yaw(own, start.yawTurn);
        pitch(own, start.pitchTurn);
        own.velocity = own.forward() * start.speed;
        own.targetSpeed = start.speed;
    }

    // Flies with C pressed until the dock or `limit` seconds; the seconds it
    // took, or a negative number. Checks on the way that the ship moves and
    // turns no faster than a pilot's controls let it and never takes damage.
    float flyToDock(float limit)
    {
        const float shield = ship().shield;
        press(kKeyC);
        EXPECT_TRUE(engaged());
        const float dt = static_cast<float>(kFrameMilliseconds) * 0.001f;
        for (float t = 0.0f; t < limit; t += dt) {
            const Vector3 before = ship().position;
            const float targetBefore = ship().targetSpeed;
            frame();
            if (docks > 0)
                return t + dt;
            EXPECT_EQ(ship().shield, shield) << "a bump at " << t << " s";
            EXPECT_LE(length(ship().position - before), ship().topSpeed * dt * 1.01f) << "a jump at " << t << " s";
            EXPECT_LE(std::fabs(ship().targetSpeed - targetBefore), dt * PlayerHuman::kThrottleRate * 1.001f);
            EXPECT_LE(std::fabs(game->human->yawRate), dt * PlayerHuman::kTurnRate * 1.001f);
            EXPECT_LE(std::fabs(game->human->pitchRate), dt * PlayerHuman::kTurnRate * 1.001f);
            // In the bay the computer lets go, and the station docks the ship next frame.
            const bool inBay = lengthSquared(ship().position - station().dockingPoint())
                             < GameObject_SpaceStation::kDockingRadiusSquared;
            if (!engaged() && !inBay) {
                ADD_FAILURE() << "let go at " << t << " s, " << length(ship().position - station().dockingPoint())
                              << " units from the bay";
                return -1.0f;
            }
        }
        return -1.0f;
    }

    test::RealModels models;
    std::uint32_t now = 100000;
    int docks = 0;
    std::unique_ptr<Game> game;
};

// From every side of the station, near and far, at rest or fast, nose in any
// direction: the ship docks within 100 s without a bump, and the computer has
// let go once it is in.
TEST_F(DockingComputerTest, DocksFromAroundTheStation)
{
    const Start starts[] = {
        {"on the axis, facing the bay", {0.0f, 0.0f, 6000.0f}, 0.0f, 0.0f, 0.0f},
        {"on the axis, facing away", {0.0f, 0.0f, 3000.0f}, kPi, 0.0f, 0.0f},
        {"behind, on the axis", {0.0f, 0.0f, -8000.0f}, 0.0f, 0.0f, 1500.0f},
        {"just behind the drum", {0.0f, 300.0f, -1500.0f}, 0.5f, 0.3f, 0.0f},
        {"beside, level with the face", {5000.0f, 0.0f, 200.0f}, 0.0f, 0.0f, 2500.0f},
        {"low over the face, off the bay", {900.0f, 400.0f, 330.0f}, 1.0f, -0.5f, 200.0f},
        {"above the arm, fast away", {0.0f, 3000.0f, 0.0f}, kPi, 0.0f, 2500.0f},
        {"far, off the plane", {-12000.0f, 9000.0f, -9000.0f}, 0.3f, 0.2f, 2500.0f},
        {"far in front, off the axis", {15000.0f, -4000.0f, 10000.0f}, -1.0f, 0.0f, 1000.0f},
    };
    for (const Start& start : starts) {
        SCOPED_TRACE(start.name);
        newGame();
        place(start);
        const float seconds = flyToDock(100.0f);
        EXPECT_GT(seconds, 0.0f) << "no dock";
        std::printf("%-34s docked in %5.1f s\n", start.name, seconds);
        EXPECT_FALSE(engaged());
        // Relaunched in front of the bay, the ship stays at rest under the pilot's hands.
        frames(2.0f);
        EXPECT_EQ(docks, 1);
        EXPECT_EQ(ship().targetSpeed, 0.0f);
    }
}

// Sixty starts spread round the station by a generator of the test's own:
// every one docks within 100 s without a bump.
TEST_F(DockingComputerTest, DocksFromSpreadStarts)
{
    std::uint32_t state = 12345;
    const auto next = [&state] {
        state = state * 1664525u + 1013904223u;
        return static_cast<float>(state >> 8) / 16777216.0f;
    };
    float slowest = 0.0f;
    for (int i = 0; i < 60; ++i) {
        const float z = next() * 2.0f - 1.0f;
        const float around = next() * 2.0f * kPi;
        const float across = std::sqrt(1.0f - z * z);
        const float distance = 2500.0f + next() * 17000.0f;
        const Vector3 direction{across * std::cos(around), across * std::sin(around), z};
        const Start start{"", direction * distance, (next() * 2.0f - 1.0f) * kPi, (next() - 0.5f) * kPi,
                          next() * 2500.0f};
        SCOPED_TRACE("start " + std::to_string(i));
        newGame();
        place(start);
        const float seconds = flyToDock(100.0f);
        EXPECT_GT(seconds, 0.0f) << "no dock";
        slowest = std::max(slowest, seconds);
    }
    std::printf("slowest docking %.1f s\n", slowest);
}

// The bay is wherever the station's face points, and the station keeps rolling.
TEST_F(DockingComputerTest, FollowsTheBayWhereverTheStationFaces)
{
    GameObject_SpaceStation& home = station();
    yaw(home, 2.0f);
    pitch(home, 0.7f);
    place({"", home.forward() * 4000.0f + home.orientation.row(0) * 3000.0f, 0.4f, 0.0f, 0.0f});
    EXPECT_GT(flyToDock(100.0f), 0.0f);
}

// The pilot's own steering or throttle, or C again, takes the controls back,
// and the ship flies on as the pilot flies it.
TEST_F(DockingComputerTest, LetsGoForThePilotsHands)
{
    const unsigned keys[] = {'W', 'A', 'S', 'D', VK_RETURN, VK_SHIFT, VK_RBUTTON, kKeyC};
    for (unsigned key : keys) {
        SCOPED_TRACE(std::string("key ") + std::to_string(key));
        newGame();
        place({"", {2000.0f, 0.0f, 8000.0f}, 0.0f, 0.0f, 0.0f});
        press(kKeyC);
        frames(1.0f);
        ASSERT_TRUE(engaged());
        press(key);
        EXPECT_FALSE(engaged());
        // Let go, the ship keeps the throttle it had and turns no more.
        const float throttle = ship().targetSpeed;
        frames(3.0f);
        EXPECT_FALSE(engaged());
        EXPECT_EQ(ship().targetSpeed, throttle);
        EXPECT_NEAR(game->human->yawRate, 0.0f, 1e-3f);
        EXPECT_NEAR(game->human->pitchRate, 0.0f, 1e-3f);
    }
}

// C does nothing with the assists off: the flight is exactly the flight
// without it. Nor does it beyond 20 km, or while C is another action's key.
TEST_F(DockingComputerTest, StaysOffWithoutAssistsBeyondRangeOrWhenCIsTaken)
{
    const Start start{"", {1000.0f, 500.0f, 9000.0f}, 0.6f, 0.2f, 800.0f};
    g_flightAssists = false;
    newGame();
    place(start);
    frames(3.0f);
    frame();
    frame();
    const Vector3 withoutC = ship().position;
    const Matrix3 turnedWithoutC = ship().orientation;
    newGame();
    place(start);
    press(kKeyC);
    frames(3.0f);
    EXPECT_FALSE(engaged());
    EXPECT_EQ(ship().position, withoutC);
    EXPECT_EQ(ship().orientation.m, turnedWithoutC.m);

    g_flightAssists = true;
    newGame();
    place({"", {0.0f, 0.0f, 20100.0f}, 0.0f, 0.0f, 0.0f});
    press(kKeyC);
    EXPECT_FALSE(engaged()) << "20.1 km out";
    ship().position = station().position + Vector3{0.0f, 0.0f, 19900.0f};
    press(kKeyC);
    EXPECT_TRUE(engaged()) << "19.9 km out";

    newGame();
    ASSERT_TRUE(g_controls.bind(Action::Laser, kKeyC));
    place({"", {0.0f, 0.0f, 5000.0f}, 0.0f, 0.0f, 0.0f});
    press(kKeyC);
    EXPECT_FALSE(engaged()) << "C fires the laser";
}

// From the new game's start, 32 km out facing the station: two seconds of
// Enter, then C once the ship is within range.
TEST_F(DockingComputerTest, DocksFromTheNewGameStart)
{
    injectKeyState(VK_RETURN, true);
    frames(2.0f);
    injectKeyState(VK_RETURN, false);
    press(kKeyC);
    EXPECT_FALSE(engaged()) << "still beyond 20 km";
    while (length(ship().position - station().position) > DockingComputer::kRange)
        frame();
    const float seconds = flyToDock(120.0f);
    std::printf("docked %.1f s after C\n", seconds);
    EXPECT_GT(seconds, 0.0f);
}

}
