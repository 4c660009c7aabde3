#pragma once
#include "galaxy/StarSystem.h"
#include "gui/GuiHRule.h"
#include "gui/GuiWidget.h"

#include <array>
#include <cstddef>

namespace dh {

class Game;

// The goods in the player's hold with the station's demand and the price it
// pays. A left press on a row sells one unit at once; selling never fails.
class GuiTrade_Sell : public GuiWidget {
public:
    // The goods listed, in goods-table order, and how many there are.
    struct Listing {
        std::array<std::size_t, kGoodsCount> goods{};
        int count = 0;
    };

    explicit GuiTrade_Sell(Game* game);

    void onMouseMove(int x, int y) override;
    void onMouseDown(int x, int y, int button) override;
    void onPaint() override;

    // The goods the player's ship carries at least one unit of; none without a ship.
    static Listing listGoods(const Game& game);
    // The row under the point among rows listed rows, or -1.
    int rowAt(int px, int py, int rows) const;

    Game* game;
    GuiHRule rule;
    int mouseX = 0;
    int mouseY = 0;
    int selectedRow = -1;
};

}
