#include "screens/GuiCargoInfo.h"

#include "flight/Game.h"
#include "flight/GameObject_Ship.h"
#include "galaxy/Market.h"
#include "gui/GuiBevel.h"
#include "rendering/GLFont.h"
#include "rendering/ModelList.h"
#include "rendering/TextDrawing.h"
#include "rendering/TextureList.h"

#include <GL/gl.h>

#include <algorithm>
#include <cstdio>

namespace dh {

namespace {

void mainText(const char* text, int x, int y)
{
    drawText(g_fontMain, text, static_cast<float>(x), static_cast<float>(y), 8.0f, 1.0f, 1.0f, 1.0f);
}

void bigText(const char* text, int x, int y)
{
    drawText(g_fontBig, text, static_cast<float>(x), static_cast<float>(y), 16.0f, 1.0f, 1.0f, 1.0f);
}

}

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
    glDisable(GL_TEXTURE_2D);
    glDisable(GL_BLEND);
    glColor4f(0.0f, 0.0f, 0.0f, 1.0f);
    fillRect(x, y, x + width, y + height);
    const GameObject_Ship* ship = game->playerShip();
    if (!ship) {
        glPopAttrib();
        return;
    }
    bigText("Item", x + 10, y + 10);
    bigText("Units", x + 256, y + 10);
    rule.x = x + 10;
    rule.width = std::max(width - 20, 0);
    rule.height = 4;
    rule.y = y + 32;
    rule.onPaint();
    for (std::size_t i = 0; i < kGoodsCount; ++i) {
        const int row = y + 48 + 12 * static_cast<int>(i);
        const std::string name(kGoods[i].name);
        mainText(name.c_str(), x + 10, row);
        char units[16];
        std::snprintf(units, sizeof units, "%1u", ship->cargo[i]);
        mainText(units, x + 256, row);
    }
    rule.y = y + 152;
    rule.onPaint();
    glEnable(GL_TEXTURE_2D);
    glEnable(GL_BLEND);
    glBlendFunc(GL_SRC_ALPHA, GL_ONE_MINUS_SRC_ALPHA);
    glColor4f(1.0f, 1.0f, 1.0f, 1.0f);
    bindListTexture(texture(Tex::cargo));
    drawTexturedQuad(static_cast<float>(x + 16), static_cast<float>(y + 176), 32.0f, 32.0f);
    bigText(holdLine(*ship).c_str(), x + 64, y + 184);
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
