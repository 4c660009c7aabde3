#include "screens/GuiRepair.h"

#include "audio/SoundEffects.h"
#include "flight/Game.h"
#include "flight/GameObject_Ship.h"
#include "flight/PlayerHuman.h"
#include "rendering/TextureList.h"
#include "screens/DockDrawing.h"

#include <GL/gl.h>
#include <cmath>
#include <cstring>

namespace dh {

GuiRepair::GuiRepair(Game* game) : game(game)
{
    placeButton(repairButton, "Repair ship", 8, 424, 192);
}

DockMessage GuiRepair::repair(Game& game)
{
    GameObject_Ship* ship = game.playerShip();
    if (ship == nullptr)
        return {};
    const float damage = ship->maxShield - ship->shield;
    const float cost = damage * kPricePerPoint;
    if (!(damage > 0.0f))
        return {"Cannot repair ship", "Your ship already in the best possible shape."};
    // The balance stays in double precision: only the cost is a float.
    double& credits = game.human->credits;
    if (credits < cost)
        return {"Cannot repair ship", "You do not have enough credits."};
    credits -= cost;
    ship->shield = ship->maxShield;
    playSound(sample::repair);
    return {"Ship repaired", "Ship successfuly repaired."};
}

int GuiRepair::gaugeLength(float damage, float maxShield)
{
    if (!(maxShield > 0.0f))
        return 0;
    return static_cast<int>(455.0f * damage / maxShield);
}

void GuiRepair::onMouseMove(int px, int py)
{
    forwardMouseMove(buttons(), px - x, py - y);
}

void GuiRepair::onMouseDown(int px, int py, int button)
{
    forwardMouseDown(buttons(), px - x, py - y, button);
}

void GuiRepair::onMouseLeave()
{
    forwardMouseLeave(buttons());
}

void GuiRepair::onMouseUp(int px, int py, int button)
{
    const int bx = px - x;
    const int by = py - y;
    if (game->playerShip() != nullptr && clickedOn(repairButton, bx, by))
        showDockMessage(repair(*game));
    forwardMouseUp(buttons(), bx, by, button);
}

void GuiRepair::paintRule(int ruleY)
{
    rule.x = 8;
    rule.y = ruleY;
    rule.width = 470;
    rule.height = 4;
    rule.onPaint();
}

void GuiRepair::paintGauge(float damage, float maxShield)
{
    glColor4f(1.0f, 1.0f, 1.0f, 1.0f);
    fillQuad(8, 48, 465, 88);
    glColor4f(0.0f, 0.0f, 0.0f, 1.0f);
    fillQuad(10, 50, 463, 86);
    const int w = gaugeLength(damage, maxShield);
    if (w > 0) {
        glColor4f(1.0f, 0.0f, 0.0f, 1.0f);
        fillQuad(10, 50, 22 + w, 86);
    }
    const float percent = maxShield > 0.0f ? damage / maxShield * 100.0f : 0.0f;
    const DockLine text = formatLine("%1.0f %%", static_cast<double>(percent));
    const float length = static_cast<float>(std::strlen(text.data()));
    drawSmallText(text.data(), static_cast<int>(243.5f - 4.0f * length), 64);
}

void GuiRepair::onPaint()
{
    fillBlack(x, y, width, height);
    GameObject_Ship* ship = game->playerShip();
    if (ship == nullptr)
        return;
    glPushMatrix();
    glTranslatef(static_cast<float>(x), static_cast<float>(y), 0.0f);
    const float damage = ship->maxShield - ship->shield;
    drawBigText("Damage taken", 6, 16);
    paintGauge(damage, ship->maxShield);
    drawIcon(texture(Tex::repair), 8, 96, 32);
    drawBigText(formatLine("Repair cost: Cr %1.2f", static_cast<double>(damage * kPricePerPoint)).data(), 64, 104);
    paintRule(136);
    modelView.x = 4;
    modelView.y = 144;
    modelView.width = 470;
    modelView.height = 256;
    modelView.mesh = ship->mesh;
    modelView.onPaint();
    paintRule(412);
    paintButtons(buttons());
    drawCredits(game->human->credits, 216, 424, 256, 432);
    glPopMatrix();
}

}
