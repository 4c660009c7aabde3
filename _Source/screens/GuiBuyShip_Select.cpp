#include "screens/GuiBuyShip_Select.h"

#include "audio/SoundEffects.h"
#include "screens/DockDrawing.h"

#include <GL/gl.h>
#include <algorithm>

namespace dh {

void GuiBuyShip_Select::addShipClass(const GameObject_Ship& ship)
{
    shipClasses.push_back(ship);
}

const GameObject_Ship* GuiBuyShip_Select::selectedShip() const
{
    if (selectedIndex < 0 || static_cast<std::size_t>(selectedIndex) >= shipClasses.size())
        return nullptr;
    return &shipClasses[static_cast<std::size_t>(selectedIndex)];
}

void GuiBuyShip_Select::onMouseDown(int, int py, int button)
{
    // The header above the first row selects nothing.
    const int offset = py - y - 30;
    if (button != 1 || offset < 0)
        return;
    const int row = offset / 12;
    if (static_cast<std::size_t>(row) < shipClasses.size()) {
        selectedIndex = row;
        playSound(sample::tradeItemOver);
    }
}

void GuiBuyShip_Select::onPaint()
{
    fillBlack(x, y, width, height);
    drawSmallText("Ship name", x + 8, y + 8);
    drawSmallText("Ship cost", x + 320, y + 8);
    rule.x = x + 8;
    rule.y = y + 20;
    rule.width = std::max(width - 16, 0);
    rule.height = 4;
    rule.onPaint();
    glColor4f(0.2f, 0.2f, 0.2f, 1.0f);
    fillQuad(x, y + 30 + 12 * selectedIndex, x + width, y + 42 + 12 * selectedIndex);
    for (std::size_t i = 0; i < shipClasses.size(); ++i) {
        const int row = y + 32 + 12 * static_cast<int>(i);
        drawSmallText(shipClasses[i].name, x + 8, row);
        drawSmallText(formatLine("Cr %1.2f", static_cast<double>(shipClasses[i].cost)).data(), x + 320, row);
    }
}

}
