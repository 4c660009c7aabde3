#include "GalaxyMapTestSupport.h"

#include "flight/ObjectList.h"
#include "flight/World.h"
#include "screens/GuiStarInfo.h"

#include <string>
#include <tuple>
#include <vector>

namespace dh {
namespace {

using namespace maptest;

TEST_F(MapTest, StartsCentredAndDrawsTheCellsUnderTheMapAndOneAround)
{
    ASSERT_EQ(game->currentSystem.name, "Viovio");
    // 64 x + offset - half the size, in 32-bit arithmetic.
    EXPECT_EQ(map->scrollX, 23946579u * 64u + 32u - 241u);
    EXPECT_EQ(map->scrollY, 23624208u * 64u + 30u - 158u);

    std::vector<std::string> names;
    std::vector<std::pair<int, int>> places;
    map->forEachVisibleStar([&](const StarSystem& s, int sx, int sy) {
        names.push_back(s.name);
        places.push_back({sx, sy});
    });
    // Columns of cells 23946574..583 and rows 23624205..211, as the galaxy tool lists them.
    const std::vector<std::string> expected = {"Croat", "Enne",   "Fewha", "Mided", "Sovfi",  "Tooas",
                                               "Copit", "Oris",   "Bigto", "Karus", "Viovio", "Lanab",
                                               "Elmin", "Forros", "Okhud", "Mocom", "Theone", "Ersfi"};
    EXPECT_EQ(names, expected);
    ASSERT_EQ(places.size(), expected.size());
    // Bigto, cell 23946574 (col -64), offset 34 25: x = 2 - 47 - 64 + 34.
    EXPECT_EQ(places[8], (std::pair{-75, 2 + 128 + 25}));
    EXPECT_EQ(places[10], (std::pair{kMapX + 241, kMapY + 158}));
}

TEST_F(MapTest, ScrollingWrapsAroundTheEdgeOfTheGalaxy)
{
    map->scrollX = 10;
    map->scrollY = 0;
    map->anchorX = 400;
    map->anchorY = 300;
    map->scrollByCursor(390, 290);
    EXPECT_EQ(map->scrollX, 0u);
    EXPECT_EQ(map->scrollY, 0xFFFFFFF6u);
    map->scrollByCursor(410, 300);
    EXPECT_EQ(map->scrollX, 10u);
    // Galaxy pixels wrap at 2^32: the cells left of and above cell 0 are the
    // last ones, 2^26 - 1 (and 2^26 - 2 above).
    std::vector<std::pair<std::uint32_t, std::uint32_t>> expected;
    for (std::uint32_t row : {0x3FFFFFEu, 0x3FFFFFFu, 0u, 1u, 2u, 3u, 4u})
        for (std::uint32_t column : {0x3FFFFFFu, 0u, 1u, 2u, 3u, 4u, 5u, 6u, 7u, 8u}) {
            StarSystem found;
            getSystem(game->galaxy, column, row, found);
            if (found.hasStar())
                expected.push_back({found.x, found.y});
        }
    std::vector<std::pair<std::uint32_t, std::uint32_t>> drawn;
    map->forEachVisibleStar([&](const StarSystem& s, int sx, int sy) {
        drawn.push_back({s.x, s.y});
        const int column = s.x == 0x3FFFFFF ? -1 : static_cast<int>(s.x);
        const int row = s.y >= 0x3FFFFFE ? static_cast<int>(s.y) - 0x4000000 : static_cast<int>(s.y);
        EXPECT_EQ(sx, kMapX - 10 + 64 * column + static_cast<int>(s.offsetX));
        EXPECT_EQ(sy, kMapY + 10 + 64 * row + static_cast<int>(s.offsetY));
    });
    EXPECT_FALSE(drawn.empty());
    EXPECT_EQ(drawn, expected);
}

TEST_F(MapTest, AStarIsPointedAtWithinSixteenPixelsWithItsSoundOnce)
{
    sounds.take();
    for (auto [dx, dy] : {std::pair{16, 0}, {-16, 0}, {0, 16}, {16, -16}}) {
        pointAt(kCopit, dx, dy);
        EXPECT_EQ(map->hoveredSystem.name, "Copit") << dx << " " << dy;
    }
    EXPECT_EQ(sounds.take().systemOver, 1);
    for (auto [dx, dy] : {std::pair{17, 0}, {0, -17}}) {
        pointAt(kCopit, dx, dy);
        EXPECT_FALSE(map->hoveredSystem.hasStar()) << dx << " " << dy;
    }
    pointAt(kCopit);
    pointAt(kMided);
    EXPECT_EQ(sounds.take().systemOver, 1);
    map->onMouseLeave();
    EXPECT_FALSE(map->hoveredSystem.hasStar());

    // The current system pointed at is the game's own record with its stock.
    game->currentSystem.stock[0] = 7;
    pointAt(kViovio);
    EXPECT_EQ(map->hoveredSystem.stock[0], 7u);
}

TEST_F(MapTest, HomeButtonRecentresAndHidesTheStarUnderIt)
{
    sounds.take();
    const std::uint32_t homeX = map->scrollX;
    const std::uint32_t homeY = map->scrollY;
    // Columns 452..483, rows 3..34 of the container.
    for (auto [x, y, inside] : {std::tuple{451, 10, false}, {452, 2, false}, {452, 3, true}, {483, 35, false}}) {
        map->onMouseMove(x, y);
        EXPECT_EQ(map->homeHovered, inside) << x << " " << y;
    }
    EXPECT_EQ(sounds.take().buttonOver, 1);
    map->scrollX += 5000;
    map->scrollY -= 70000;
    map->onMouseMove(460, 20);
    map->onMouseDown(460, 20, 1);
    EXPECT_EQ(map->scrollX, homeX);
    EXPECT_EQ(map->scrollY, homeY);
    EXPECT_EQ(sounds.take().click, 1);

    // Copit's centre at (466, 20): its box reaches into the button from column 452.
    map->scrollX = static_cast<std::uint32_t>(kCopit.x * 64 + kCopit.offsetX) - (466 - kMapX);
    map->scrollY = static_cast<std::uint32_t>(kCopit.y * 64 + kCopit.offsetY) - (20 - kMapY);
    map->onMouseMove(460, 20);
    EXPECT_FALSE(map->hoveredSystem.hasStar());
    map->onMouseMove(451, 20);
    EXPECT_EQ(map->hoveredSystem.name, "Copit");
}

// With no window system the cursor never moves, as when one refuses warps:
// the drag must then scroll by nothing and let go once the pointer is out.
TEST_F(MapTest, ADragWhoseCursorWillNotMoveNeitherRunsAwayNorSticks)
{
    map->onMouseMove(200, 200);
    map->onMouseDown(200, 200, 2);
    ASSERT_TRUE(map->dragging);
    const std::uint32_t startX = map->scrollX;
    for (int i = 0; i < 5; ++i)
        map->onMouseMove(200 + i, 200);
    EXPECT_EQ(map->scrollX, startX);
    map->onMouseLeave();
    EXPECT_FALSE(map->dragging);
}

TEST_F(MapTest, RefusalsComeInTheirOrder)
{
    std::unique_ptr<GuiGalaxyMap> docked = makeMap(false);
    docked->onMouseMove(screenX(kViovio), screenY(kViovio));
    EXPECT_STREQ(docked->travelRefusal(ship()), "You cannot travel while docked at a spacestation.");
    pointAt(kViovio);
    EXPECT_STREQ(map->travelRefusal(ship()), "You are already at this system.");
    // Mocom is 3.66 ly away, beyond an Explorer's 3.0, fuel or not.
    pointAt(kMocom);
    ship().hyperspaceFuel = false;
    EXPECT_STREQ(map->travelRefusal(ship()), "System is beyond the range of your hyperspace engines.");
    pointAt(kMided);
    EXPECT_STREQ(map->travelRefusal(ship()), "You must refuel by docking at a spacestation before travelling again.");
    ship().hyperspaceFuel = true;
    EXPECT_EQ(map->travelRefusal(ship()), nullptr);

    // Two cells straight down with the same offsets: exactly 2 ly.
    StarSystem target = game->currentSystem;
    target.y += 2;
    map->hoveredSystem = target;
    ship().hyperspaceRange = 2.0f;
    EXPECT_EQ(map->travelRefusal(ship()), nullptr);
    ship().hyperspaceRange = 1.9999999f;
    EXPECT_NE(map->travelRefusal(ship()), nullptr);
}

TEST_F(MapTest, ClickingAStarInRangeJumpsAndClosesTheScreen)
{
    owner.running = true;
    // Refused, middle-button and empty-space clicks change nothing.
    pointAt(kMocom);
    map->onMouseDown(screenX(kMocom), screenY(kMocom), 1);
    pointAt(kCopit);
    map->onMouseDown(screenX(kCopit), screenY(kCopit), 4);
    map->onMouseMove(screenX(kCopit) + 20, screenY(kCopit));
    map->onMouseDown(screenX(kCopit) + 20, screenY(kCopit), 1);
    EXPECT_TRUE(owner.running);
    EXPECT_EQ(game->currentSystem.name, "Viovio");

    pointAt(kCopit);
    sounds.take();
    map->onMouseDown(screenX(kCopit), screenY(kCopit), 1);
    EXPECT_EQ(sounds.take().click, 1);
    EXPECT_FALSE(owner.running);
    EXPECT_EQ(game->currentSystem.name, "Copit");
    EXPECT_EQ(game->galaxy.recent[0].name, "Viovio");
    EXPECT_FALSE(ship().hyperspaceFuel);
}

TEST_F(MapTest, StarInfoShowsThePointedAtSystem)
{
    GuiStarInfo info(map.get(), game.get());
    const StarSystem& shown = info.map->hoveredSystem;
    struct Case {
        KnownStar star;
        const char* planet;
        const char* danger;
        const char* range;
    };
    for (const Case& c : {Case{kCopit, "planet2", "Dangerous", "In range"},
                          Case{kViovio, "planet4", nullptr, "Within system"},
                          Case{kMided, "planet1", "Some danger", "In range"},
                          Case{kMocom, nullptr, "Peaceful", "Out of range"}}) {
        pointAt(c.star);
        if (c.planet) {
            EXPECT_EQ(planetTexture(shown), c.planet) << c.star.name;
        }
        if (c.danger) {
            EXPECT_EQ(dangerName(shown.danger), c.danger) << c.star.name;
        }
        EXPECT_EQ(info.rangeText(shown), c.range) << c.star.name;
    }
    ship().hyperspaceRange = 3.7f;
    EXPECT_EQ(info.rangeText(shown), "In range");

    // Without a ship there is no range, and a click on a star only sounds.
    game->world->objects.deleteObject(game->playerShip());
    EXPECT_EQ(info.rangeText(shown), "");
    owner.running = true;
    pointAt(kCopit);
    sounds.take();
    map->onMouseDown(screenX(kCopit), screenY(kCopit), 1);
    EXPECT_EQ(sounds.take().click, 1);
    EXPECT_TRUE(owner.running);
    EXPECT_EQ(game->currentSystem.name, "Viovio");
}

}
}
