#include "GalaxyMapTestSupport.h"

#include "flight/World.h"
#include "gui/GuiPanel.h"

#include <string>
#include <vector>

namespace dh {
namespace {

using namespace maptest;

TEST_F(MapTest, StartsWithTheCurrentSystemInTheMiddle)
{
    ASSERT_EQ(game->currentSystem.name, "Viovio");
    // 64 x + offset - half the size, in 32-bit arithmetic.
    EXPECT_EQ(map->scrollX, 23946579u * 64u + 32u - 241u);
    EXPECT_EQ(map->scrollY, 23624208u * 64u + 30u - 158u);
    EXPECT_EQ(screenX(kViovio), kMapX + 241);
    EXPECT_EQ(screenY(kViovio), kMapY + 158);
    EXPECT_FALSE(map->dragging);
    EXPECT_FALSE(map->homeHovered);
    EXPECT_FALSE(map->hoveredSystem.hasStar());
    GuiGalaxyMap fresh(game.get(), &owner, false);
    EXPECT_EQ(fresh.width, 100);
    EXPECT_EQ(fresh.height, 20);
}

TEST_F(MapTest, DrawsEveryStarOfTheCellsUnderTheMapAndOneCellAround)
{
    struct Drawn {
        std::string name;
        int x, y;
    };
    std::vector<Drawn> drawn;
    map->forEachVisibleStar([&](const StarSystem& s, int sx, int sy) { drawn.push_back({s.name, sx, sy}); });
    // scrollX AND 63 = 47, scrollY AND 63 = 0: columns of cells 23946574..583
    // and rows 23624205..211, as the galaxy tool lists them row by row.
    const std::vector<std::string> expected = {"Croat", "Enne",  "Fewha",  "Mided",  "Sovfi", "Tooas",
                                               "Copit", "Oris",  "Bigto",  "Karus",  "Viovio", "Lanab",
                                               "Elmin", "Forros", "Okhud", "Mocom",  "Theone", "Ersfi"};
    ASSERT_EQ(drawn.size(), expected.size());
    for (std::size_t i = 0; i < expected.size(); ++i)
        EXPECT_EQ(drawn[i].name, expected[i]) << i;
    // Bigto, cell 23946574 (col -64), offset 34 25: x = 2 - 47 - 64 + 34.
    EXPECT_EQ(drawn[8].x, -75);
    EXPECT_EQ(drawn[8].y, 2 + 128 + 25);
    EXPECT_EQ(drawn[10].x, kMapX + 241);
    EXPECT_EQ(drawn[10].y, kMapY + 158);
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
    // Ten pixels right scrolls ten galaxy pixels: the stars move left.
    map->scrollByCursor(410, 300);
    EXPECT_EQ(map->scrollX, 10u);
    EXPECT_EQ(map->scrollY, 0xFFFFFFF6u);
    // Galaxy pixels wrap at 2^32, so the cells left of and above cell 0 are
    // the last ones the map can reach: 2^26 - 1 (and 2^26 - 2 above).
    const std::vector<std::uint32_t> columns = {0x3FFFFFF, 0, 1, 2, 3, 4, 5, 6, 7, 8};
    const std::vector<std::uint32_t> rows = {0x3FFFFFE, 0x3FFFFFF, 0, 1, 2, 3, 4};
    std::vector<std::pair<std::uint32_t, std::uint32_t>> expected;
    for (std::uint32_t row : rows)
        for (std::uint32_t column : columns) {
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

TEST_F(MapTest, ScreenCentreSumsTheParentsAndScales)
{
    // The menu's nesting: root (25, 25), view (216, 8), box (20, 60), map (2, 2).
    GuiPanel root, view, holder;
    root.x = 25;
    root.y = 25;
    view.x = 216;
    view.y = 8;
    view.parent = &root;
    holder.x = 20;
    holder.y = 60;
    holder.parent = &view;
    map->parent = &holder;
    const GuiGalaxyMap::ScreenCentre atOne = map->screenCentre(1.0f, 100, 50);
    EXPECT_EQ(atOne.halfWidth, 241);
    EXPECT_EQ(atOne.halfHeight, 158);
    EXPECT_EQ(atOne.x, 100 + 263 + 241);
    EXPECT_EQ(atOne.y, 50 + 95 + 158);
    // 1024 x 768: s = 1.28; trunc(482 s) = 616, trunc(316 s) = 404, trunc(263 s) = 336, trunc(95 s) = 121.
    const GuiGalaxyMap::ScreenCentre scaled = map->screenCentre(1.28f, 0, 0);
    EXPECT_EQ(scaled.halfWidth, 308);
    EXPECT_EQ(scaled.halfHeight, 202);
    EXPECT_EQ(scaled.x, 336 + 308);
    EXPECT_EQ(scaled.y, 121 + 202);
    map->parent = nullptr;
}

TEST_F(MapTest, AStarIsPointedAtWithinSixteenPixelsOfItsCentre)
{
    for (auto [dx, dy] : {std::pair{16, 0}, {-16, 0}, {0, 16}, {0, -16}, {16, -16}}) {
        pointAt(kCopit, dx, dy);
        EXPECT_EQ(map->hoveredSystem.name, "Copit") << dx << " " << dy;
    }
    for (auto [dx, dy] : {std::pair{17, 0}, {-17, 0}, {0, 17}, {0, -17}}) {
        pointAt(kCopit, dx, dy);
        EXPECT_FALSE(map->hoveredSystem.hasStar()) << dx << " " << dy;
    }
    // Outside the widget nothing is pointed at, and leaving empties the record.
    pointAt(kCopit);
    map->onMouseMove(kMapX + kMapWidth, kMapY + 10);
    EXPECT_FALSE(map->hoveredSystem.hasStar());
    pointAt(kCopit);
    map->onMouseLeave();
    EXPECT_FALSE(map->hoveredSystem.hasStar());
}

TEST_F(MapTest, PointingAtANewStarPlaysItsSoundOnce)
{
    sounds.take();
    pointAt(kCopit);
    EXPECT_EQ(sounds.take().systemOver, 1);
    pointAt(kCopit, 5, 5);
    pointAt(kCopit, -10, 3);
    EXPECT_EQ(sounds.take().systemOver, 0);
    pointAt(kCopit, 30, 0);
    EXPECT_EQ(sounds.take().systemOver, 0);
    pointAt(kCopit);
    pointAt(kMided);
    EXPECT_EQ(sounds.take().systemOver, 1);
}

TEST_F(MapTest, ThePointedAtCurrentSystemIsTheGamesOwnRecord)
{
    game->currentSystem.stock[0] = 7;
    pointAt(kViovio);
    ASSERT_EQ(map->hoveredSystem.name, "Viovio");
    EXPECT_EQ(map->hoveredSystem.stock[0], 7u);
    pointAt(kCopit);
    EXPECT_EQ(map->hoveredSystem.stock[0], 98u);
}

TEST_F(MapTest, HomeButtonHoverAndClickRecentre)
{
    sounds.take();
    const std::uint32_t homeX = map->scrollX;
    const std::uint32_t homeY = map->scrollY;
    // Columns 452..483, rows 3..34 of the container (top excluded, bottom included).
    map->onMouseMove(451, 10);
    EXPECT_FALSE(map->homeHovered);
    map->onMouseMove(452, 2);
    EXPECT_FALSE(map->homeHovered);
    map->onMouseMove(452, 3);
    EXPECT_TRUE(map->homeHovered);
    map->onMouseMove(483, 34);
    EXPECT_TRUE(map->homeHovered);
    EXPECT_EQ(sounds.take().buttonOver, 1);
    map->onMouseMove(483, 35);
    EXPECT_FALSE(map->homeHovered);

    map->scrollX += 5000;
    map->scrollY -= 70000;
    map->onMouseMove(460, 20);
    sounds.take();
    map->onMouseDown(460, 20, 1);
    EXPECT_EQ(map->scrollX, homeX);
    EXPECT_EQ(map->scrollY, homeY);
    const auto counts = sounds.take();
    EXPECT_EQ(counts.click, 1);
    EXPECT_EQ(game->currentSystem.name, "Viovio");
}

TEST_F(MapTest, AStarUnderTheHomeButtonCannotBePointedAt)
{
    // Copit's centre at (466, 20): its box reaches into the button from column 452.
    map->scrollX = static_cast<std::uint32_t>(kCopit.x * 64 + kCopit.offsetX) - (466 - kMapX);
    map->scrollY = static_cast<std::uint32_t>(kCopit.y * 64 + kCopit.offsetY) - (20 - kMapY);
    map->onMouseMove(460, 20);
    EXPECT_TRUE(map->homeHovered);
    EXPECT_FALSE(map->hoveredSystem.hasStar());
    map->onMouseMove(451, 20);
    EXPECT_FALSE(map->homeHovered);
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
    const std::uint32_t startY = map->scrollY;
    for (int i = 0; i < 5; ++i)
        map->onMouseMove(200 + i, 200);
    EXPECT_EQ(map->scrollX, startX);
    EXPECT_EQ(map->scrollY, startY);
    EXPECT_FALSE(map->hoveredSystem.hasStar());
    map->onMouseLeave();
    EXPECT_FALSE(map->dragging);
    map->onMouseDown(200, 200, 2);
    map->onMouseUp(200, 200, 2);
    EXPECT_FALSE(map->dragging);
}

}
}
