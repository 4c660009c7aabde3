#pragma once
#include "gui/GuiHRule.h"
#include "gui/GuiWidget.h"
#include "screens/GuiMeshViewer.h"

#include <string>

namespace dh {

class Game;
class GameObject_Ship;

// The player's hold: units of every good and the space used.
class GuiCargoInfo : public GuiWidget {
public:
    explicit GuiCargoInfo(Game* game);

    void onPaint() override;

    // The hold line: units aboard " / " capacity, the capacity padded to two places.
    static std::string holdLine(const GameObject_Ship& ship);

    Game* game;
    GuiHRule rule;
    GuiMeshViewer modelView;
};

}
