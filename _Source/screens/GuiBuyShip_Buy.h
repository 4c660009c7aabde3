#pragma once
#include "gui/GuiButton.h"
#include "gui/GuiHRule.h"
#include "gui/GuiWidget.h"
#include "screens/DockButtons.h"
#include "screens/GuiMeshViewer.h"

#include <array>

namespace dh {

class Game;
class GameObject_Ship;
class GuiBuyShip_Select;

// The figures of the class chosen in the shipyard list, its model and price,
// and the button that buys it in place of the player's ship.
class GuiBuyShip_Buy : public GuiWidget {
public:
    GuiBuyShip_Buy(Game* game, GuiBuyShip_Select* select);

    void onMouseMove(int x, int y) override;
    void onMouseDown(int x, int y, int button) override;
    void onMouseUp(int x, int y, int button) override;
    void onPaint() override;
    void onMouseLeave() override;

    // Whether the player may buy the class: the refusal, or nothing.
    static DockMessage purchaseRefusal(const Game& game, const GameObject_Ship& shipClass);
    // The player's ship becomes the class, keeping its place in the world,
    // and the commander pays for it. Returns the message to show.
    static DockMessage buyShip(Game& game, const GameObject_Ship& shipClass);

    Game* game;
    GuiHRule rule;
    GuiButton buyButton;
    GuiBuyShip_Select* select;  // not owned
    GuiMeshViewer modelViewUpper;
    GuiMeshViewer modelViewLower;

private:
    std::array<GuiButton*, 1> buttons() { return {&buyButton}; }
    void purchase();
    void paintFigures(const GameObject_Ship& shipClass);
    void paintModel(GuiMeshViewer& view, int top, const GameObject_Ship& shipClass);
};

}
