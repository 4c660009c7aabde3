#pragma once
#include "gui/GuiWidget.h"

#include <string>

namespace dh {

class Game;
class GuiGalaxyMap;
class StarSystem;

// The pointed-at star of a galaxy map: its planet, name, reach and danger.
class GuiStarInfo : public GuiWidget {
public:
    GuiStarInfo(GuiGalaxyMap* map, Game* game);

    void onPaint() override;

    // "Within system", "In range" or "Out of range" for the player's ship;
    // empty when it has no ship.
    std::string rangeText(const StarSystem& system) const;

    GuiGalaxyMap* map;
    Game* game;
};

}
