#include "screens/GuiUpgrade.h"

#include "audio/SoundEffects.h"
#include "flight/Game.h"
#include "flight/GameObject_Ship.h"
#include "flight/PlayerHuman.h"
#include "rendering/ModelList.h"
#include "screens/DockDrawing.h"

#include <GL/gl.h>
#include <algorithm>

namespace dh {

GuiUpgrade::GuiUpgrade(Game* game) : game(game)
{
    placeButton(buyMissileButton, "Buy", 288, 172, 92);
    placeButton(sellMissileButton, "Sell", 384, 172, 92);
    placeButton(buyEmpButton, "Buy", 288, 376, 92);
    placeButton(sellEmpButton, "Sell", 384, 376, 92);
}

std::array<GuiButton*, 4> GuiUpgrade::buttons()
{
    return {&buyMissileButton, &sellMissileButton, &buyEmpButton, &sellEmpButton};
}

DockMessage GuiUpgrade::buyMissile(Game& game)
{
    GameObject_Ship* ship = game.playerShip();
    if (ship == nullptr)
        return {};
    double& credits = game.human->credits;
    if (credits < kMissilePrice)
        return {"Cannot buy missile", "You do not have enough credits."};
    if (ship->missiles >= ship->missileCapacity)
        return {"Cannot buy missile", "Your ship cannot hold any more missiles."};
    credits -= kMissilePrice;
    ship->missiles += 1;
    playSound(sample::tradeBuySell);
    return {};
}

DockMessage GuiUpgrade::sellMissile(Game& game)
{
    GameObject_Ship* ship = game.playerShip();
    if (ship == nullptr)
        return {};
    if (ship->missiles == 0)
        return {"Cannot sell missile", "You have no missiles on board."};
    ship->missiles -= 1;
    game.human->credits += kMissilePrice;
    playSound(sample::tradeBuySell);
    return {};
}

DockMessage GuiUpgrade::buyEmpBomb(Game& game)
{
    GameObject_Ship* ship = game.playerShip();
    if (ship == nullptr)
        return {};
    double& credits = game.human->credits;
    if (credits < kEmpPrice)
        return {"Cannot buy emp bomb", "You do not have enough credits."};
    if (ship->empBombs >= ship->empCapacity)
        return {"Cannot buy emp bomb", "Your ship cannot hold any more emp bombs."};
    credits -= kEmpPrice;
    ship->empBombs += 1;
    playSound(sample::tradeBuySell);
    return {};
}

DockMessage GuiUpgrade::sellEmpBomb(Game& game)
{
    GameObject_Ship* ship = game.playerShip();
    if (ship == nullptr)
        return {};
    if (ship->empBombs == 0)
        return {"Cannot sell emp bomb", "You have no emp bombs on board."};
    ship->empBombs -= 1;
    game.human->credits += kEmpPrice;
    playSound(sample::tradeBuySell);
    return {};
}

void GuiUpgrade::onMouseMove(int px, int py)
{
    forwardMouseMove(buttons(), px - x, py - y);
}

void GuiUpgrade::onMouseDown(int px, int py, int button)
{
    forwardMouseDown(buttons(), px - x, py - y, button);
}

void GuiUpgrade::onMouseLeave()
{
    forwardMouseLeave(buttons());
}

void GuiUpgrade::onMouseUp(int px, int py, int button)
{
    const int bx = px - x;
    const int by = py - y;
    if (game->playerShip() != nullptr) {
        if (clickedOn(buyMissileButton, bx, by))
            showDockMessage(buyMissile(*game));
        else if (clickedOn(sellMissileButton, bx, by))
            showDockMessage(sellMissile(*game));
        else if (clickedOn(buyEmpButton, bx, by))
            showDockMessage(buyEmpBomb(*game));
        else if (clickedOn(sellEmpButton, bx, by))
            showDockMessage(sellEmpBomb(*game));
    }
    forwardMouseUp(buttons(), bx, by, button);
}

void GuiUpgrade::paintRule(int ruleY)
{
    rule.x = 8;
    rule.y = ruleY;
    rule.width = std::max(width - 16, 0);
    rule.height = 4;
    rule.onPaint();
}

void GuiUpgrade::paintMagazine(int top, const char* heading, Mesh* mesh, double price, std::uint32_t count,
                               std::uint32_t capacity)
{
    drawBigText(heading, 8, top);
    paintRule(top + 24);
    modelView.x = 8;
    modelView.y = top + 32;
    modelView.width = 256;
    modelView.height = 160;
    modelView.mesh = mesh;
    modelView.onPaint();
    drawSmallText(formatLine("Cost:      Cr %1.2f", price).data(), 288, top + 118);
    const char* format = capacity >= 10 ? "On board:  %1i / %2i" : "On board:  %1i /%2i";
    drawSmallText(formatLine(format, static_cast<int>(count), static_cast<int>(capacity)).data(), 288, top + 130);
}

void GuiUpgrade::onPaint()
{
    fillBlack(x, y, width, height);
    const GameObject_Ship* ship = game->playerShip();
    glPushMatrix();
    glTranslatef(static_cast<float>(x), static_cast<float>(y), 0.0f);
    paintMagazine(10, "Missile", model(Model::Missile), kMissilePrice, ship ? ship->missiles : 0,
                  ship ? ship->missileCapacity : 0);
    paintRule(208);
    paintMagazine(216, "Emp", model(Model::Emp), kEmpPrice, ship ? ship->empBombs : 0,
                  ship ? ship->empCapacity : 0);
    paintRule(412);
    drawCredits(game->human->credits, 8, 424, 64, 432);
    paintButtons(buttons());
    glPopMatrix();
}

}
