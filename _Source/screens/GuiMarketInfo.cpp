#include "screens/GuiMarketInfo.h"

#include "flight/Game.h"
#include "galaxy/Market.h"
#include "gui/GuiBevel.h"
#include "rendering/GLFont.h"
#include "rendering/TextDrawing.h"
#include "screens/GuiGalaxyMap.h"

#include <GL/gl.h>

#include <algorithm>
#include <cstdio>
#include <string>

namespace dh {

namespace {

constexpr std::uint32_t kFullSupply = 200;

void text(const char* line, int x, int y)
{
    drawText(g_fontMain, line, static_cast<float>(x), static_cast<float>(y), 8.0f, 1.0f, 1.0f, 1.0f);
}

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
    glDisable(GL_TEXTURE_2D);
    glDisable(GL_BLEND);
    glColor4f(0.0f, 0.0f, 0.0f, 1.0f);
    fillRect(x, y, x + width, y + height);
    const StarSystem system = map->hoveredSystem;
    if (!system.hasStar()) {
        glPopAttrib();
        return;
    }
    const std::array<std::string, kGoodsCount + 1> prices = priceColumn(system);
    text("Item", x + 10, y + 10);
    text("Supply", x + 120, y + 10);
    text(prices[0].c_str(), x + 256, y + 10);
    rule.x = x + 10;
    rule.y = y + 25;
    rule.width = std::max(width - 20, 0);
    rule.height = 2;
    rule.onPaint();
    for (std::size_t i = 0; i < kGoodsCount; ++i) {
        const int top = y + 35 + 12 * static_cast<int>(i);
        const std::string name(kGoods[i].name);
        text(name.c_str(), x + 10, top);
        const float fill = supplyFill(system.stock[i]);
        glDisable(GL_TEXTURE_2D);
        glDisable(GL_BLEND);
        glColor4f(1.0f - fill, fill, 0.0f, 1.0f);
        fillRect(x + 120, top, x + 120 + supplyBarWidth(system.stock[i]), top + 8);
        text(prices[i + 1].c_str(), x + 256, top);
    }
    glPopAttrib();
}

}
