#pragma once
#include "gui/GuiWidget.h"

namespace dh {

class Game;

// One line under the trade tables: the commander's credits and the hold's use.
class GuiTrade_Status : public GuiWidget {
public:
    explicit GuiTrade_Status(Game* game);

    void onPaint() override;

    Game* game;
};

}
