#include "screens/GuiCargoInfo.h"

#include "flight/Game.h"
#include "flight/GameObject_Ship.h"
#include "galaxy/Market.h"
#include "rendering/ModelList.h"
#include "rendering/TextureList.h"
#include "screens/DockDrawing.h"

#include <GL/gl.h>

#include <algorithm>
#include <cstdio>

namespace dh {

GuiCargoInfo::GuiCargoInfo(Game* game) : game(game)
{
    modelView.angleX = 0.5f;
    modelView.spinX = false;
}

std::string GuiCargoInfo::holdLine(const GameObject_Ship& ship)
{
    std::uint32_t units = 0;
    for (std::uint32_t count : ship.cargo)
        units += count;
    char line[64];
    std::snprintf(line, sizeof line, "%1u / %2u", units, ship.cargoCapacity);
    return line;
}

void GuiCargoInfo::onPaint()
{
    glPushAttrib(GL_ENABLE_BIT | GL_COLOR_BUFFER_BIT);
    fillBlack(x, y, width, height);
    const GameObject_Ship* ship = game->playerShip();
    if (!ship) {
        glPopAttrib();
        return;
    }
    drawBigText("Item", x + 10, y + 10);
    drawBigText("Units", x + 256, y + 10);
    rule.x = x + 10;
    rule.width = std::max(width - 20, 0);
    rule.height = 4;
    rule.y = y + 32;
    rule.onPaint();
    for (std::size_t i = 0; i < kGoodsCount; ++i) {
        const int row = y + 48 + 12 * static_cast<int>(i);
        const std::string name(kGoods[i].name);
        drawSmallText(name.c_str(), x + 10, row);
        char units[16];
        std::snprintf(units, sizeof units, "%1u", ship->cargo[i]);
        drawSmallText(units, x + 256, row);
    }
    rule.y = y + 152;
    rule.onPaint();
    drawIcon(texture(Tex::cargo), x + 16, y + 176, 32);
    drawBigText(holdLine(*ship).c_str(), x + 64, y + 184);
    rule.y = y + 224;
    rule.onPaint();
    modelView.mesh = model(Model::Cargo);
    modelView.x = x + 8;
    modelView.y = y + 236;
    modelView.width = 470;
    modelView.height = std::max(height - 244, 0);
    modelView.onPaint();
    glPopAttrib();
}

}
