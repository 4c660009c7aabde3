#pragma once
#include "galaxy/StarSystem.h"
#include "gui/GuiWidget.h"

#include <cstdint>
#include <functional>

namespace dh {

class Game;
class GameObject_Ship;
class GuiScreen;

// The scrolling map of the stars around the current system, one cell of the
// galaxy to 64 map pixels. A right-button drag scrolls it, pointing at a star
// inspects it, a left click on a star travels there when that is allowed.
class GuiGalaxyMap : public GuiWidget {
public:
    // Where the map sits on the desktop: its centre and half its size in pixels.
    struct ScreenCentre {
        int x = 0;
        int y = 0;
        int halfWidth = 0;
        int halfHeight = 0;
    };

    static constexpr const char* kRefusalCaption = "Unable to travel";
    static constexpr const char* kJumpCaption = "Confirm hyperspace jump";
    static constexpr const char* kDocked = "You cannot travel while docked at a spacestation.";
    static constexpr const char* kAlreadyHere = "You are already at this system.";
    static constexpr const char* kBeyondRange = "System is beyond the range of your hyperspace engines.";
    static constexpr const char* kNoFuel = "You must refuel by docking at a spacestation before travelling again.";

    GuiGalaxyMap(Game* game, GuiScreen* ownerScreen, bool travelAllowed);
    // A drag still in progress (the screen closed by Escape) lets the cursor go.
    ~GuiGalaxyMap() override;
    GuiGalaxyMap(const GuiGalaxyMap&) = delete;
    GuiGalaxyMap& operator=(const GuiGalaxyMap&) = delete;

    void onMouseMove(int x, int y) override;
    void onMouseDown(int x, int y, int button) override;
    void onMouseUp(int x, int y, int button) override;
    void onPaint() override;
    void onMouseLeave() override;

    // Puts the current system in the middle; the creating screen calls it once
    // the map has its size.
    void centreOnCurrentSystem();
    // The star under the pointer at (x, y) in the map's container coordinates.
    void updateHover(int x, int y);
    // The reason the ship may not jump to the pointed-at star, or null when it may.
    const char* travelRefusal(const GameObject_Ship& ship) const;
    // The map's centre for a window whose client area starts at
    // (clientLeft, clientTop) on the desktop, at GUI scale s.
    ScreenCentre screenCentre(float s, int clientLeft, int clientTop) const;
    // Calls visit for every star the map draws, with its screen position in
    // the map's container coordinates, row by row from the top.
    void forEachVisibleStar(const std::function<void(const StarSystem&, int, int)>& visit) const;
    // One step of a drag: the cursor is at (cursorX, cursorY) on the desktop
    // and was at the anchor after the last step.
    void scrollByCursor(int cursorX, int cursorY);

    Game* game;
    GuiScreen* ownerScreen;
    bool dragging = false;
    bool homeHovered = false;
    bool travelAllowed;
    // No name while no star is pointed at.
    StarSystem hoveredSystem;
    int dragCursorX = 0;
    int dragCursorY = 0;
    // Galaxy coordinates (1/64 ly) of the top-left corner; wrap modulo 2^32.
    std::uint32_t scrollX = 0;
    std::uint32_t scrollY = 0;
    // Where the cursor really was after the last recentring. A window system
    // that refuses or rounds the move still scrolls by the true motion.
    int anchorX = 0;
    int anchorY = 0;

private:
    void updateHomeHover(int x, int y);
    void beginDrag();
    void endDrag();
    void recentreCursor();
    void clickStar();
    bool confirmJump() const;
    void paintGrid() const;
    void paintRangeCircle() const;
    void paintStars() const;
    void paintHomeButton() const;
};

}
