#pragma once
#include "galaxy/StarSystem.h"
#include "gui/GuiHRule.h"
#include "gui/GuiWidget.h"

#include <array>
#include <cstdint>
#include <string>

namespace dh {

class Game;
class GuiGalaxyMap;

// The market of the star pointed at on a galaxy map: supply bars and the
// price the player would pay here or get there.
class GuiMarketInfo : public GuiWidget {
public:
    GuiMarketInfo(Game* game, GuiGalaxyMap* map);

    void onPaint() override;

    // The price column for the system: the heading, then one price per good.
    // At the current system it is what the player pays, elsewhere what a sale fetches.
    std::array<std::string, kGoodsCount + 1> priceColumn(const StarSystem& system) const;
    // The supply bar's length in pixels and its green share (red is 1 - that).
    static int supplyBarWidth(std::uint32_t stock);
    static float supplyFill(std::uint32_t stock);

    Game* game;
    GuiGalaxyMap* map;
    GuiHRule rule;
};

}
