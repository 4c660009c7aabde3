#pragma once
#include "gui/GuiButton.h"
#include "gui/GuiHRule.h"
#include "gui/GuiWidget.h"
#include "screens/DockButtons.h"
#include "screens/GuiMeshViewer.h"

#include <array>
#include <cstdint>

namespace dh {

class Game;
class Mesh;

// Missiles and EMP bombs bought and sold back at full price, one per click.
class GuiUpgrade : public GuiWidget {
public:
    static constexpr double kMissilePrice = 100.0;
    static constexpr double kEmpPrice = 50.0;

    explicit GuiUpgrade(Game* game);

    void onMouseMove(int x, int y) override;
    void onMouseDown(int x, int y, int button) override;
    void onMouseUp(int x, int y, int button) override;
    void onPaint() override;
    void onMouseLeave() override;

    // The trades of the four buttons on the player's ship. Each returns the
    // refusal to show, or nothing when it was done (or there is no ship).
    static DockMessage buyMissile(Game& game);
    static DockMessage sellMissile(Game& game);
    static DockMessage buyEmpBomb(Game& game);
    static DockMessage sellEmpBomb(Game& game);

    Game* game;
    GuiHRule rule;
    GuiButton buyMissileButton;
    GuiButton buyEmpButton;
    GuiButton sellMissileButton;
    GuiButton sellEmpButton;
    GuiMeshViewer modelView;

private:
    std::array<GuiButton*, 4> buttons();
    void paintRule(int ruleY);
    void paintMagazine(int top, const char* heading, Mesh* mesh, double price, std::uint32_t count,
                       std::uint32_t capacity);
};

}
