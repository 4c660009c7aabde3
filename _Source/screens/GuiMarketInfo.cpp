#include "screens/GuiMarketInfo.h"

#include "flight/Game.h"
#include "galaxy/Market.h"
#include "screens/DockDrawing.h"
#include "screens/GuiGalaxyMap.h"

#include <GL/gl.h>

#include <algorithm>
#include <cstdio>
#include <string>

namespace dh {

namespace {

constexpr std::uint32_t kFullSupply = 200;

}

GuiMarketInfo::GuiMarketInfo(Game* game, GuiGalaxyMap* map) : game(game), map(map) {}

float GuiMarketInfo::supplyFill(std::uint32_t stock)
{
    return static_cast<float>(std::min(stock, kFullSupply)) * 0.005f;
}

int GuiMarketInfo::supplyBarWidth(std::uint32_t stock)
{
    return static_cast<int>(100.0f * supplyFill(stock));
}

std::array<std::string, kGoodsCount + 1> GuiMarketInfo::priceColumn(const StarSystem& system) const
{
    const bool here = system.x == game->currentSystem.x && system.y == game->currentSystem.y;
    std::array<std::string, kGoodsCount + 1> column;
    column[0] = here ? "Buy price" : "Sell price";
    for (std::size_t i = 0; i < kGoodsCount; ++i) {
        char price[32];
        std::snprintf(price, sizeof price, "Cr %1.2f",
                      static_cast<double>(here ? buyPrice(system.stock, i) : sellPrice(system.stock, i)));
        column[i + 1] = price;
    }
    return column;
}

void GuiMarketInfo::onPaint()
{
    glPushAttrib(GL_ENABLE_BIT);
    fillBlack(x, y, width, height);
    const StarSystem system = map->hoveredSystem;
    if (!system.hasStar()) {
        glPopAttrib();
        return;
    }
    const std::array<std::string, kGoodsCount + 1> prices = priceColumn(system);
    drawSmallText("Item", x + 10, y + 10);
    drawSmallText("Supply", x + 120, y + 10);
    drawSmallText(prices[0].c_str(), x + 256, y + 10);
    rule.x = x + 10;
    rule.y = y + 25;
    rule.width = std::max(width - 20, 0);
    rule.height = 2;
    rule.onPaint();
    for (std::size_t i = 0; i < kGoodsCount; ++i) {
        const int top = y + 35 + 12 * static_cast<int>(i);
        const std::string name(kGoods[i].name);
        drawSmallText(name.c_str(), x + 10, top);
        const float fill = supplyFill(system.stock[i]);
        glColor4f(1.0f - fill, fill, 0.0f, 1.0f);
        fillQuad(x + 120, top, x + 120 + supplyBarWidth(system.stock[i]), top + 8);
        drawSmallText(prices[i + 1].c_str(), x + 256, top);
    }
    glPopAttrib();
}

}
