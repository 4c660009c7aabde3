// The geometry of the flight assists' HUD: where the scanner plots what is
// around the ship, which objects count as closing on it, where the arrows to
// what is out of sight stand, and the docking corridor's gates and advice.
#include "core/Camera.h"
#include "flight/AssistScanner.h"
#include "flight/AssistView.h"
#include "flight/DockingCorridor.h"
#include "flight/FlightAssists.h"
#include "flight/FlightTestObjects.h"
#include "flight/Game.h"
#include "flight/Orientation.h"
#include "flight/Ship_ExplorerMark1.h"
#include "flight/OffscreenMarkers.h"
#include "flight/World.h"

#include <gtest/gtest.h>

#include <cmath>
#include <numbers>

using namespace dh;

namespace {

constexpr float kPi = std::numbers::pi_v<float>;

void expectPlot(const std::optional<ScannerPlot>& plot, float x, float planeY, float y)
{
    ASSERT_TRUE(plot.has_value());
    EXPECT_NEAR(plot->x, x, 1e-4f);
    EXPECT_NEAR(plot->planeY, planeY, 1e-4f);
    EXPECT_NEAR(plot->y, y, 1e-4f);
}

void expectPoint(Point2 got, float x, float y)
{
    EXPECT_NEAR(got.x, x, 0.01f);
    EXPECT_NEAR(got.y, y, 0.01f);
}

// A ship at (1000, 0, 2000) yawed a quarter turn: its nose points along +x,
// its right axis along -z.
struct TurnedShip {
    TurnedShip()
    {
        ship.position = {1000.0f, 0.0f, 2000.0f};
        yaw(ship, kPi * 0.5f);
    }
    Vector3 at(float x, float y, float z) const { return ship.position + Vector3{x, y, z}; }
    flighttest::TestMover ship;
};

// The side of the cockpit view ahead that a world point shows on: the ship's
// own view-0 camera, turned half round to look along the nose.
float cockpitViewX(const GameObject& ship, Vector3 point)
{
    Camera camera;
    turnCameraYaw(camera, kPi);
    camera.followed = const_cast<GameObject*>(&ship);
    camera.followedRotation = ship.orientation;
    camera.followedPosition = ship.position;
    const Matrix4 view = getViewMatrix(camera);
    return view.m[0] * point.x + view.m[1] * point.y + view.m[2] * point.z + view.m[3];
}

// A 90-degree perspective for an 800 x 600 view and the identity modelview.
AssistView plainView()
{
    AssistView view;
    view.modelview = {1, 0, 0, 0, 0, 1, 0, 0, 0, 0, 1, 0, 0, 0, 0, 1};
    const float n = 1.0f, f = 262144.0f;
    view.projection = {0.75f, 0, 0, 0, 0, 1, 0, 0, 0, 0, (f + n) / (n - f), -1, 0, 0, 2 * f * n / (n - f), 0};
    return view;
}

}

TEST(AssistScanner, PlotsAroundTheHeadingOnASquareRootScale)
{
    const TurnedShip t;
    // A quarter of the range away shows half way out; ahead is up the
    // scanner, squeezed by the plane's flattening of one half.
    expectPlot(AssistScanner::plot(t.ship, t.at(6250.0f, 0.0f, 0.0f)), 0.0f, -0.25f, -0.25f);
    expectPlot(AssistScanner::plot(t.ship, t.at(-6250.0f, 0.0f, 0.0f)), 0.0f, 0.25f, 0.25f);
    // Off the ship's right axis: on the left, where the cockpit view shows it.
    const Vector3 right = t.at(0.0f, 0.0f, -6250.0f);
    EXPECT_LT(cockpitViewX(t.ship, right), 0.0f);
    expectPlot(AssistScanner::plot(t.ship, right), -0.5f, 0.0f, 0.0f);
    EXPECT_GT(cockpitViewX(t.ship, t.at(0.0f, 0.0f, 6250.0f)), 0.0f);
    expectPlot(AssistScanner::plot(t.ship, t.at(0.0f, 0.0f, 6250.0f)), 0.5f, 0.0f, 0.0f);
    // Straight above at 4 km: on the plane's centre, a mark 0.4 x 0.5 high.
    expectPlot(AssistScanner::plot(t.ship, t.at(0.0f, 4000.0f, 0.0f)), 0.0f, 0.0f, -0.2f);
    // 3 km ahead and 4 km below: 5 km away, sqrt(0.2) out.
    const float s = std::sqrt(0.2f) / 5000.0f;
    expectPlot(AssistScanner::plot(t.ship, t.at(3000.0f, -4000.0f, 0.0f)), 0.0f, -1500.0f * s, 500.0f * s);
    expectPlot(AssistScanner::plot(t.ship, t.ship.position), 0.0f, 0.0f, 0.0f);
}

TEST(AssistScanner, ReachesTwentyFiveKilometres)
{
    const TurnedShip t;
    expectPlot(AssistScanner::plot(t.ship, t.at(0.0f, 0.0f, 25000.0f)), 1.0f, 0.0f, 0.0f);
    EXPECT_FALSE(AssistScanner::plot(t.ship, t.at(0.0f, 0.0f, 25010.0f)).has_value());
    EXPECT_FALSE(AssistScanner::plot(t.ship, t.at(20000.0f, 20000.0f, 0.0f)).has_value());
}

TEST(OffscreenMarkers, CountsOnlyWhatNearsThePlayerWithinEightKilometres)
{
    flighttest::TestMover ship;
    ship.position = {0.0f, 0.0f, 0.0f};
    const Vector3 still{};
    const Vector3 ahead{0.0f, 0.0f, 5000.0f};
    EXPECT_TRUE(OffscreenMarkers::closingOn(ship, {0.0f, 0.0f, 100.0f}, ahead, still));
    EXPECT_TRUE(OffscreenMarkers::closingOn(ship, still, ahead, {0.0f, 0.0f, -10.0f}));
    // Faster away than the player follows; across the line of sight.
    EXPECT_FALSE(OffscreenMarkers::closingOn(ship, {0.0f, 0.0f, 100.0f}, ahead, {0.0f, 0.0f, 200.0f}));
    EXPECT_FALSE(OffscreenMarkers::closingOn(ship, still, ahead, {300.0f, 0.0f, 0.0f}));
    EXPECT_FALSE(OffscreenMarkers::closingOn(ship, still, ahead, still));
    // Eight kilometres counts, a little more does not.
    EXPECT_TRUE(OffscreenMarkers::closingOn(ship, still, {0.0f, 8000.0f, 0.0f}, {0.0f, -1.0f, 0.0f}));
    EXPECT_FALSE(OffscreenMarkers::closingOn(ship, still, {0.0f, 8010.0f, 0.0f}, {0.0f, -4000.0f, 0.0f}));
}

TEST(OffscreenMarkers, ArrowsPointFromTheCentreAndStayInsideTheMargins)
{
    // In sight, up to the very edge of the view: no arrow.
    EXPECT_FALSE(OffscreenMarkers::arrowFor({0.0f, 0.0f, 0.5f, 1.0f}, 800.0f, 600.0f).has_value());
    EXPECT_FALSE(OffscreenMarkers::arrowFor({-2.0f, 2.0f, 0.5f, 2.0f}, 800.0f, 600.0f).has_value());

    auto right = OffscreenMarkers::arrowFor({2.0f, 0.0f, 0.5f, 1.0f}, 800.0f, 600.0f);
    ASSERT_TRUE(right.has_value());
    expectPoint(right->tip, 776.0f, 300.0f);
    expectPoint(right->direction, 1.0f, 0.0f);
    // Behind and to the left stays on the left, not mirrored.
    auto behindLeft = OffscreenMarkers::arrowFor({-0.5f, 0.0f, 0.5f, -1.0f}, 800.0f, 600.0f);
    ASSERT_TRUE(behindLeft.has_value());
    expectPoint(behindLeft->tip, 24.0f, 300.0f);
    // Up and right at 45 degrees on the screen meets the top margin first:
    // 276 units up from the middle, as many across.
    auto upRight = OffscreenMarkers::arrowFor({3.0f, 4.0f, 0.5f, 1.0f}, 800.0f, 600.0f);
    ASSERT_TRUE(upRight.has_value());
    expectPoint(upRight->tip, 676.0f, 24.0f);
    expectPoint(upRight->direction, std::sqrt(0.5f), -std::sqrt(0.5f));
    // Dead astern: the arrow points down, above the console.
    auto astern = OffscreenMarkers::arrowFor({0.0f, 0.0f, 0.5f, -1.0f}, 800.0f, 600.0f);
    ASSERT_TRUE(astern.has_value());
    expectPoint(astern->tip, 400.0f, 512.0f);
    expectPoint(astern->direction, 0.0f, 1.0f);
}

TEST(AssistView, ProjectsLikeTheFlightView)
{
    const AssistView view = plainView();
    const auto ahead = view.clip({0.0f, 0.0f, -10.0f});
    EXPECT_FLOAT_EQ(ahead[3], 10.0f);
    expectPoint(view.screen(ahead), 400.0f, 300.0f);
    // 45 degrees up reaches the top edge; 53 degrees right (tan = 4/3) the right edge.
    expectPoint(view.screen(view.clip({0.0f, 10.0f, -10.0f})), 400.0f, 0.0f);
    expectPoint(view.screen(view.clip({40.0f, 0.0f, -30.0f})), 800.0f, 300.0f);
}

TEST(DockingCorridor, GatesRunOutwardsAlongTheBaysAxis)
{
    flighttest::TestStatic station;
    station.position = {100.0f, 50.0f, -300.0f};
    // A quarter yaw turns the bay to face +x; the station's roll leaves it so.
    yaw(station, kPi * 0.5f);
    roll(station, 1.0f);
    const Vector3 bay = DockingCorridor::bay(station);
    EXPECT_NEAR(bay.x, 300.0f, 1e-3f);
    EXPECT_NEAR(bay.y, 50.0f, 1e-3f);
    EXPECT_NEAR(bay.z, -300.0f, 1e-3f);
    const auto gates = DockingCorridor::gates(station);
    for (std::size_t i = 0; i < gates.size(); ++i) {
        EXPECT_NEAR(gates[i].x, 300.0f + 500.0f * static_cast<float>(i + 1), 1e-2f);
        EXPECT_NEAR(gates[i].y, 50.0f, 1e-2f);
        EXPECT_NEAR(gates[i].z, -300.0f, 1e-2f);
    }
    EXPECT_NEAR(gates.back().x - bay.x, 4000.0f, 1e-2f);

    // Pitched a quarter turn instead, the bay faces down.
    flighttest::TestStatic pitched;
    pitch(pitched, kPi * 0.5f);
    const auto down = DockingCorridor::gates(pitched);
    EXPECT_NEAR(down[0].y, -700.0f, 1e-2f);
    EXPECT_NEAR(down[7].y, -4200.0f, 1e-2f);
    EXPECT_NEAR(down[7].x, 0.0f, 1e-2f);
    EXPECT_NEAR(down[7].z, 0.0f, 1e-2f);
}

TEST(DockingCorridor, AdvisesSlowingDownTowardsTheBay)
{
    // A quarter of the distance per second; never under 250 units per second,
    // a quarter of which, lost in a knock, harms nothing; never over the ship's best.
    EXPECT_FLOAT_EQ(DockingCorridor::advisedClosingSpeed(4000.0f, 2500.0f), 1000.0f);
    EXPECT_FLOAT_EQ(DockingCorridor::advisedClosingSpeed(600.0f, 2500.0f), 250.0f);
    EXPECT_FLOAT_EQ(DockingCorridor::advisedClosingSpeed(0.0f, 2500.0f), 250.0f);
    EXPECT_FLOAT_EQ(DockingCorridor::advisedClosingSpeed(32000.0f, 2500.0f), 2500.0f);
}

TEST(DockingCorridor, TheStationsLabelMeasuresToTheBayOnlyWithAssists)
{
    Game game("Assisted");
    const GameObject& station = *game.station();
    const Vector3 bay = station.position + station.forward() * 200.0f;
    auto* other = new Ship_ExplorerMark1(500.0f, 700.0f);
    game.world->objects.addObject(other);

    g_flightAssists = false;
    EXPECT_EQ(DockingCorridor::labelPoint(game, station), station.position);
    g_flightAssists = true;
    EXPECT_EQ(DockingCorridor::labelPoint(game, station), bay);
    EXPECT_EQ(DockingCorridor::labelPoint(game, *other), other->position);
    g_flightAssists = false;
}
