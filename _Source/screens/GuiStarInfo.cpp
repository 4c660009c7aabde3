#include "screens/GuiStarInfo.h"

#include "flight/Game.h"
#include "flight/GameObject_Ship.h"
#include "rendering/GLFont.h"
#include "rendering/TextDrawing.h"
#include "rendering/TextureList.h"
#include "screens/DockDrawing.h"
#include "screens/GuiGalaxyMap.h"

#include <GL/gl.h>

#include <array>

namespace dh {

namespace {

struct DangerColour {
    float r, g, b;
};

DangerColour dangerColour(std::uint32_t danger)
{
    static constexpr std::array<DangerColour, 5> kColours = {{
        {0.0f, 1.0f, 0.0f},
        {0.4f, 0.7f, 0.0f},
        {0.5f, 0.5f, 0.0f},
        {0.7f, 0.4f, 0.0f},
        {1.0f, 0.0f, 0.0f},
    }};
    if (danger < 1 || danger > 5)
        return {0.0f, 1.0f, 0.0f};
    return kColours[danger - 1];
}

}

GuiStarInfo::GuiStarInfo(GuiGalaxyMap* map, Game* game) : map(map), game(game) {}

std::string GuiStarInfo::rangeText(const StarSystem& system) const
{
    const GameObject_Ship* ship = game->playerShip();
    if (!ship)
        return {};
    const double distance = hyperspaceDistance(game->currentSystem, system);
    if (distance == 0.0)
        return "Within system";
    if (distance <= static_cast<double>(ship->hyperspaceRange))
        return "In range";
    return "Out of range";
}

void GuiStarInfo::onPaint()
{
    glPushAttrib(GL_ENABLE_BIT | GL_COLOR_BUFFER_BIT);
    fillBlack(x, y, width, height);
    const StarSystem system = map->hoveredSystem;
    if (system.hasStar()) {
        const float c = static_cast<float>(x + width / 2);
        const float top = static_cast<float>(y);
        drawIcon(findTexture(planetTexture(system)), x + width / 2 - 32, y + 32, 64);
        const float n = static_cast<float>(system.name.size());
        drawText(g_fontMain, system.name.c_str(), c - 4.0f * n, top + 8.0f, 8.0f, 1.0f, 1.0f, 1.0f);
        const std::string range = rangeText(system);
        if (!range.empty()) {
            const float rangeLength = static_cast<float>(range.size());
            drawText(g_fontMain, range.c_str(), c - 4.0f * rangeLength, top + 104.0f, 8.0f, 1.0f, 1.0f, 1.0f);
            const std::string danger(dangerName(system.danger));
            const DangerColour colour = dangerColour(system.danger);
            const float length = static_cast<float>(danger.size());
            drawText(g_fontMain, danger.c_str(), c - 4.0f * length, top + 120.0f, 8.0f, colour.r, colour.g,
                     colour.b);
        }
    }
    glPopAttrib();
}

}
