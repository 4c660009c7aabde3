#pragma once
#include "gui/GuiHRule.h"
#include "gui/GuiWidget.h"

#include <cstddef>
#include <string_view>

namespace dh {

class Game;

// The station's offer: every good with its supply bar, stock and price. A
// left press on a row buys one unit at once.
class GuiTrade_Buy : public GuiWidget {
public:
    static constexpr const char* kRefusalCaption = "Cannot buy item";

    explicit GuiTrade_Buy(Game* game);

    void onMouseMove(int x, int y) override;
    void onMouseDown(int x, int y, int button) override;
    void onPaint() override;

    // The row under the point, or -1.
    int rowAt(int px, int py) const;

    // One unit of the good bought with the commander's credits into the
    // player's hold from the current system's stock. Returns the refusal to
    // show, or an empty text once bought (or when there is no ship to load).
    static std::string_view buy(Game& game, std::size_t good);

    Game* game;
    GuiHRule rule;
    int mouseX = 0;
    int mouseY = 0;
    int selectedRow = -1;
};

}
