#include "screens/GuiGalaxyMap.h"

#include "flight/Game.h"
#include "flight/GameObject_Ship.h"
#include "gui/GuiBevel.h"
#include "rendering/GLFont.h"
#include "rendering/TextDrawing.h"
#include "rendering/TextureList.h"
#include "screens/DockDrawing.h"

#include <GL/gl.h>

namespace dh {

namespace {

constexpr int kCell = 64;
constexpr float kStarHalfSize = 16.0f;
constexpr float kGlowHalfSize = 32.0f;
// The circle is drawn larger than the reach so its soft edge falls outside it.
constexpr float kRangeCircleScale = 1.35f;

// A galaxy pixel's offset from the map's top-left corner; wraps like the scroll.
int screenOffset(std::uint32_t cell, std::uint32_t offset, std::uint32_t scroll)
{
    return static_cast<int>(cell * kCell + offset - scroll);
}

void texturedSquare(Tex tex, float cx, float cy, float halfSize)
{
    bindListTexture(texture(tex));
    drawTexturedQuad(cx - halfSize, cy - halfSize, 2.0f * halfSize, 2.0f * halfSize);
}

}

void GuiGalaxyMap::onPaint()
{
    glPushAttrib(GL_ENABLE_BIT | GL_COLOR_BUFFER_BIT);
    glDisable(GL_LIGHTING);
    glDisable(GL_CULL_FACE);
    glDisable(GL_DEPTH_TEST);
    fillBlack(x, y, width, height);
    paintGrid();
    paintRangeCircle();
    paintStars();
    paintHomeButton();
    glPopAttrib();
}

void GuiGalaxyMap::paintGrid() const
{
    glDisable(GL_TEXTURE_2D);
    glDisable(GL_BLEND);
    glColor4f(0.3f, 0.3f, 0.3f, 1.0f);
    const int left = x - static_cast<int>(scrollX & 63);
    const int top = y - static_cast<int>(scrollY & 63);
    glBegin(GL_LINES);
    for (int k = 0; kCell * k < width + kCell; ++k) {
        const float lineX = static_cast<float>(left + kCell * k);
        glVertex2f(lineX, static_cast<float>(y));
        glVertex2f(lineX, static_cast<float>(y + height));
    }
    for (int k = 0; kCell * k < height + kCell; ++k) {
        const float lineY = static_cast<float>(top + kCell * k);
        glVertex2f(static_cast<float>(x), lineY);
        glVertex2f(static_cast<float>(x + width), lineY);
    }
    glEnd();
}

void GuiGalaxyMap::paintRangeCircle() const
{
    const GameObject_Ship* ship = game->playerShip();
    if (!ship)
        return;
    const StarSystem& current = game->currentSystem;
    const float radius = ship->hyperspaceRange * static_cast<float>(kCell) * kRangeCircleScale;
    const float cx = static_cast<float>(screenOffset(current.x, current.offsetX, scrollX) + x);
    const float cy = static_cast<float>(screenOffset(current.y, current.offsetY, scrollY) + y);
    glEnable(GL_TEXTURE_2D);
    glEnable(GL_BLEND);
    glBlendFunc(GL_ONE, GL_ONE);
    if (ship->hyperspaceFuel && travelAllowed)
        glColor4f(0.35f, 0.5f, 0.35f, 1.0f);
    else
        glColor4f(0.5f, 0.35f, 0.35f, 1.0f);
    texturedSquare(Tex::gradientCircle, cx, cy, radius);
}

void GuiGalaxyMap::forEachVisibleStar(const std::function<void(const StarSystem&, int, int)>& visit) const
{
    const int left = x - static_cast<int>(scrollX & 63);
    const int top = y - static_cast<int>(scrollY & 63);
    StarSystem system;
    for (int row = -kCell; row < height + kCell; row += kCell) {
        for (int col = -kCell; col < width + kCell; col += kCell) {
            getSystem(game->galaxy, (scrollX + static_cast<std::uint32_t>(col)) >> 6,
                      (scrollY + static_cast<std::uint32_t>(row)) >> 6, system);
            if (system.hasStar())
                visit(system, left + col + static_cast<int>(system.offsetX),
                      top + row + static_cast<int>(system.offsetY));
        }
    }
}

void GuiGalaxyMap::paintStars() const
{
    glEnable(GL_TEXTURE_2D);
    glEnable(GL_BLEND);
    if (hoveredSystem.hasStar()) {
        glBlendFunc(GL_ONE, GL_ONE);
        glColor4f(0.3f, 0.3f, 0.3f, 1.0f);
        const float hx = static_cast<float>(screenOffset(hoveredSystem.x, hoveredSystem.offsetX, scrollX) + x);
        const float hy = static_cast<float>(screenOffset(hoveredSystem.y, hoveredSystem.offsetY, scrollY) + y);
        texturedSquare(Tex::gradientCircle, hx, hy, kGlowHalfSize);
    }
    forEachVisibleStar([](const StarSystem& system, int starX, int starY) {
        const float sx = static_cast<float>(starX);
        const float sy = static_cast<float>(starY);
        float rgb[3];
        starColour(system, rgb);
        glEnable(GL_TEXTURE_2D);
        glEnable(GL_BLEND);
        glBlendFunc(GL_SRC_ALPHA, GL_ONE_MINUS_SRC_ALPHA);
        glColor4f(rgb[0], rgb[1], rgb[2], 1.0f);
        texturedSquare(Tex::star, sx, sy, kStarHalfSize);
        glDisable(GL_TEXTURE_2D);
        glDisable(GL_BLEND);
        const float n = static_cast<float>(system.name.size());
        drawText(g_fontMain, system.name.c_str(), sx - 4.0f * n, sy + kStarHalfSize, 8.0f, 1.0f, 1.0f, 1.0f);
    });
}

void GuiGalaxyMap::paintHomeButton() const
{
    glEnable(GL_TEXTURE_2D);
    glDisable(GL_BLEND);
    glColor4f(1.0f, 1.0f, 1.0f, 1.0f);
    bindListTexture(texture(homeHovered ? Tex::buttonHomeH : Tex::buttonHome));
    drawTexturedQuad(static_cast<float>(x + width - 32), static_cast<float>(y), 32.0f, 32.0f);
}

}
