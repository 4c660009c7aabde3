#include "screens/GuiBuyShip_Buy.h"

#include "flight/Game.h"
#include "flight/GameObject_Ship.h"
#include "flight/ObjectList.h"
#include "flight/PlayerHuman.h"
#include "gui/Dialogs.h"
#include "rendering/TextureList.h"
#include "screens/DockDrawing.h"
#include "screens/GuiBuyShip_Select.h"

#include <GL/gl.h>

namespace dh {

GuiBuyShip_Buy::GuiBuyShip_Buy(Game* game, GuiBuyShip_Select* select) : game(game), select(select)
{
    placeButton(buyButton, "Buy", 8, 284, 192);
}

DockMessage GuiBuyShip_Buy::purchaseRefusal(const Game& game, const GameObject_Ship& shipClass)
{
    if (game.human->credits < shipClass.cost)
        return {"Cannot buy ship", "You do not have enough credits."};
    return {};
}

DockMessage GuiBuyShip_Buy::buyShip(Game& game, const GameObject_Ship& shipClass)
{
    GameObject_Ship* ship = game.playerShip();
    if (ship == nullptr)
        return {};
    // Out of the list and back in, so the engine sound and the list slot
    // follow the new class; every reference to the ship stays valid.
    ObjectList* list = ship->list;
    if (list != nullptr)
        list->detachObject(ship);
    *ship = shipClass;
    if (list != nullptr)
        list->addObject(ship);
    game.human->credits -= shipClass.cost;
    return {"Ship purchased", "Congratulations on your new ship purchase!"};
}

void GuiBuyShip_Buy::purchase()
{
    const GameObject_Ship* shipClass = select ? select->selectedShip() : nullptr;
    if (game->playerShip() == nullptr || shipClass == nullptr)
        return;
    if (const DockMessage refusal = purchaseRefusal(*game, *shipClass)) {
        showDockMessage(refusal);
        return;
    }
    if (!askYesNo("Confirm ship purchase", "Are you sure you want to buy this ship ? ",
                  "All cargo and upgrades will be lost on current ship."))
        return;
    showDockMessage(buyShip(*game, *shipClass));
}

void GuiBuyShip_Buy::onMouseMove(int px, int py)
{
    forwardMouseMove(buttons(), px - x, py - y);
}

void GuiBuyShip_Buy::onMouseDown(int px, int py, int button)
{
    forwardMouseDown(buttons(), px - x, py - y, button);
}

void GuiBuyShip_Buy::onMouseLeave()
{
    forwardMouseLeave(buttons());
}

void GuiBuyShip_Buy::onMouseUp(int px, int py, int button)
{
    const int bx = px - x;
    const int by = py - y;
    if (clickedOn(buyButton, bx, by))
        purchase();
    forwardMouseUp(buttons(), bx, by, button);
}

void GuiBuyShip_Buy::paintFigures(const GameObject_Ship& c)
{
    drawBigText("General", 8, 8);
    drawSmallText(formatLine("Class:             %1s", c.name).data(), 8, 40);
    drawSmallText(formatLine("Shield strenght:   %1.2f units", static_cast<double>(c.maxShield)).data(), 8, 52);
    drawSmallText(formatLine("Weight:            %1.2f kg", static_cast<double>(c.mass)).data(), 8, 64);
    drawSmallText(formatLine("Cargo capacity:    %1i units", static_cast<int>(c.cargoCapacity)).data(), 8, 76);
    drawBigText("Engines", 8, 100);
    const double kmph = static_cast<double>(c.topSpeed * 3600.0f * 0.001f);
    drawSmallText(formatLine("Top Speed:         %1.2f kmph", kmph).data(), 8, 132);
    drawSmallText(formatLine("Acceleration:      %1.2f m/s2", static_cast<double>(c.acceleration)).data(), 8, 144);
    drawSmallText(formatLine("Hyperspace range:  %1.2f ly", static_cast<double>(c.hyperspaceRange)).data(), 8, 156);
    drawBigText("Weapons", 8, 180);
    drawSmallText(formatLine("Laser strenght:    %1.2f mw", static_cast<double>(c.laser.strength)).data(), 8, 212);
    drawSmallText(formatLine("Laser cooling:     %1.2f mw/s", static_cast<double>(c.laser.cooling)).data(), 8, 224);
    drawSmallText(formatLine("Missile capacity:  %1i missiles", static_cast<int>(c.missileCapacity)).data(), 8, 236);
    drawSmallText(formatLine("Emp bomb capacity: %1i emp bombs", static_cast<int>(c.empCapacity)).data(), 8, 248);
}

void GuiBuyShip_Buy::paintModel(GuiMeshViewer& view, int top, const GameObject_Ship& shipClass)
{
    view.x = 328;
    view.y = top;
    view.width = 128;
    view.height = 128;
    view.mesh = shipClass.mesh;
    view.onPaint();
}

void GuiBuyShip_Buy::onPaint()
{
    fillBlack(x, y, width, height);
    const GameObject_Ship* shipClass = select ? select->selectedShip() : nullptr;
    if (shipClass == nullptr)
        return;
    glPushMatrix();
    glTranslatef(static_cast<float>(x), static_cast<float>(y), 0.0f);
    paintFigures(*shipClass);
    rule.x = 8;
    rule.y = 272;
    rule.width = 470;
    rule.height = 4;
    rule.onPaint();
    paintModel(modelViewUpper, 8, *shipClass);
    paintModel(modelViewLower, 140, *shipClass);
    paintButtons(buttons());
    drawIcon(texture(Tex::money), 216, 284, 32);
    drawBigText(formatLine("Cr %1.2f", static_cast<double>(shipClass->cost)).data(), 256, 292);
    glPopMatrix();
}

}
