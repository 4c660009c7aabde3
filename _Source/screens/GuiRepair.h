#pragma once
#include "gui/GuiButton.h"
#include "gui/GuiHRule.h"
#include "gui/GuiWidget.h"
#include "screens/DockButtons.h"
#include "screens/GuiMeshViewer.h"

#include <array>

namespace dh {

class Game;

// The damage the ship has taken and the repair that restores its shield.
class GuiRepair : public GuiWidget {
public:
    static constexpr float kPricePerPoint = 0.6f;

    explicit GuiRepair(Game* game);

    void onMouseMove(int x, int y) override;
    void onMouseDown(int x, int y, int button) override;
    void onMouseUp(int x, int y, int button) override;
    void onPaint() override;
    void onMouseLeave() override;

    // The whole shield restored for 0.6 credits a point, or nothing. Returns
    // the message to show: the refusal or the repair (nothing without a ship).
    static DockMessage repair(Game& game);
    // Red bar length of the damage gauge for the ship's state.
    static int gaugeLength(float damage, float maxShield);

    Game* game;
    GuiHRule rule;
    GuiButton repairButton;
    GuiMeshViewer modelView;

private:
    std::array<GuiButton*, 1> buttons() { return {&repairButton}; }
    void paintRule(int ruleY);
    void paintGauge(float damage, float maxShield);
};

}
