#include "screens/GuiGalaxyMap.h"

#include "audio/SoundEffects.h"
#include "flight/FlightAssists.h"
#include "flight/Game.h"
#include "flight/GameObject_Ship.h"
#include "gui/Dialogs.h"
#include "gui/GuiPanel.h"
#include "gui/GuiScreen.h"
#include "window/UiSpace.h"
#include "platform/PlatformWindow.h"
#include "window/GLWindow.h"

#include <cstdlib>
#include <string>

namespace dh {

namespace {

constexpr int kCell = 64;
constexpr int kHomeSize = 32;
constexpr int kPointRadius = 16;

std::uint32_t starPixel(std::uint32_t cell, std::uint32_t offset)
{
    return cell * kCell + offset;
}

}

GuiGalaxyMap::GuiGalaxyMap(Game* game, GuiScreen* ownerScreen, bool travelAllowed)
    : game(game), ownerScreen(ownerScreen), travelAllowed(travelAllowed)
{
}

GuiGalaxyMap::~GuiGalaxyMap()
{
    if (dragging)
        endDrag();
}

void GuiGalaxyMap::centreOnCurrentSystem()
{
    const StarSystem& current = game->currentSystem;
    scrollX = starPixel(current.x, current.offsetX) - static_cast<std::uint32_t>(width / 2);
    scrollY = starPixel(current.y, current.offsetY) - static_cast<std::uint32_t>(height / 2);
}

GuiGalaxyMap::ScreenCentre GuiGalaxyMap::screenCentre(float s, int clientLeft, int clientTop) const
{
    int ax = x;
    int ay = y;
    for (const GuiPanel* p = parent; p; p = p->parent) {
        ax += p->x;
        ay += p->y;
    }
    ScreenCentre centre;
    centre.halfWidth = static_cast<int>(static_cast<float>(width) * s) / 2;
    centre.halfHeight = static_cast<int>(static_cast<float>(height) * s) / 2;
    centre.x = clientLeft + static_cast<int>(static_cast<float>(ax) * s) + centre.halfWidth;
    centre.y = clientTop + static_cast<int>(static_cast<float>(ay) * s) + centre.halfHeight;
    return centre;
}

void GuiGalaxyMap::scrollByCursor(int cursorX, int cursorY)
{
    scrollX += static_cast<std::uint32_t>(cursorX - anchorX);
    scrollY += static_cast<std::uint32_t>(cursorY - anchorY);
}

void GuiGalaxyMap::recentreCursor()
{
    int clientLeft = 0, clientTop = 0;
    platformGetClientPosition(clientLeft, clientTop);
    const ScreenCentre centre = screenCentre(uiScale(), clientLeft, clientTop);
    moveCursorTo(centre.x, centre.y);
    platformGetCursorScreenPosition(anchorX, anchorY);
}

void GuiGalaxyMap::onMouseMove(int px, int py)
{
    if (dragging) {
        int cursorX = 0, cursorY = 0;
        platformGetCursorScreenPosition(cursorX, cursorY);
        scrollByCursor(cursorX, cursorY);
        recentreCursor();
        homeHovered = false;
    } else {
        updateHomeHover(px, py);
    }
    updateHover(px, py);
}

void GuiGalaxyMap::updateHomeHover(int px, int py)
{
    if (x + width - kHomeSize <= px && px < x + width && y < py && py <= y + kHomeSize) {
        if (!homeHovered)
            playSound(sample::buttonOver);
        homeHovered = true;
    } else {
        homeHovered = false;
    }
}

void GuiGalaxyMap::updateHover(int px, int py)
{
    if (dragging || homeHovered || !contains(px, py)) {
        hoveredSystem = StarSystem{};
        return;
    }
    const std::uint32_t gx = static_cast<std::uint32_t>(px - x) + scrollX;
    const std::uint32_t gy = static_cast<std::uint32_t>(py - y) + scrollY;
    StarSystem found;
    getSystem(game->galaxy, gx >> 6, gy >> 6, found);
    const int dx = static_cast<int>(gx & 63) - static_cast<int>(found.offsetX);
    const int dy = static_cast<int>(gy & 63) - static_cast<int>(found.offsetY);
    if (!found.hasStar() || std::abs(dx) > kPointRadius || std::abs(dy) > kPointRadius) {
        hoveredSystem = StarSystem{};
        return;
    }
    if (!hoveredSystem.hasStar())
        playSound(sample::systemOver);
    hoveredSystem = found == game->currentSystem ? game->currentSystem : found;
}

void GuiGalaxyMap::onMouseLeave()
{
    // Only a pointer that got away from the recentring leaves during a drag:
    // bring it back, or give up the drag if the window system will not move it.
    if (dragging) {
        int cursorX = 0, cursorY = 0;
        platformGetCursorScreenPosition(cursorX, cursorY);
        scrollByCursor(cursorX, cursorY);
        recentreCursor();
        if (anchorX != cursorX || anchorY != cursorY)
            return;
        endDrag();
    }
    homeHovered = false;
    hoveredSystem = StarSystem{};
}

void GuiGalaxyMap::onMouseDown(int, int, int button)
{
    if (button == 2 && !homeHovered) {
        beginDrag();
        return;
    }
    if (button != 1)
        return;
    if (homeHovered) {
        centreOnCurrentSystem();
        playSound(sample::buttonClick);
    }
    if (!dragging && !homeHovered && hoveredSystem.hasStar())
        clickStar();
}

void GuiGalaxyMap::onMouseUp(int, int, int button)
{
    if (button == 2 && dragging)
        endDrag();
}

void GuiGalaxyMap::beginDrag()
{
    setCursorMode(0);
    dragging = true;
    platformGetCursorScreenPosition(dragCursorX, dragCursorY);
    recentreCursor();
    clipCursorToWindow(true);
}

void GuiGalaxyMap::endDrag()
{
    setCursorMode(1);
    dragging = false;
    clipCursorToWindow(false);
    moveCursorTo(dragCursorX, dragCursorY);
}

const char* GuiGalaxyMap::travelRefusal(const GameObject_Ship& ship) const
{
    if (!travelAllowed)
        return kDocked;
    const double distance = hyperspaceDistance(game->currentSystem, hoveredSystem);
    if (distance == 0.0)
        return kAlreadyHere;
    if (static_cast<double>(ship.hyperspaceRange) < distance)
        return kBeyondRange;
    if (!ship.hyperspaceFuel)
        return kNoFuel;
    return nullptr;
}

// A flight assist: a jump is asked for by name before the engines fire, so a
// slip of the mouse does not send the ship away.
bool GuiGalaxyMap::confirmJump() const
{
    const std::string question = "Jump to " + hoveredSystem.name + "?";
    return askYesNo(kJumpCaption, question.c_str(), "");
}

void GuiGalaxyMap::clickStar()
{
    playSound(sample::buttonClick);
    const GameObject_Ship* ship = game->playerShip();
    if (!ship)
        return;
    if (const char* refusal = travelRefusal(*ship)) {
        showMessage(kRefusalCaption, refusal);
        return;
    }
    const std::uint32_t cellX = hoveredSystem.x;
    const std::uint32_t cellY = hoveredSystem.y;
    if (g_flightAssists && !confirmJump())
        return;
    game->hyperspaceJump(cellX, cellY);
    ownerScreen->running = false;
}

}
