#pragma once
#include "gui/GuiHRule.h"
#include "gui/GuiWidget.h"
#include "screens/GuiMeshViewer.h"

#include <array>
#include <string>

namespace dh {

class Game;
class GameObject_Ship;

// The figures of the player's ship class and a preview of the ship.
class GuiShipInfo : public GuiWidget {
public:
    static constexpr std::size_t kLineCount = 12;

    explicit GuiShipInfo(Game* game);

    void onPaint() override;

    // The twelve figure lines, top to bottom, as shown.
    static std::array<std::string, kLineCount> figureLines(const GameObject_Ship& ship);

    Game* game;
    GuiHRule rule;
    GuiMeshViewer modelView;
};

}
