#pragma once
#include "flight/GameObject_Ship.h"
#include "gui/GuiHRule.h"
#include "gui/GuiWidget.h"

#include <vector>

namespace dh {

// The shipyard's list of ship classes with their costs; a left press on a
// row chooses the class the "Buy ship" part shows.
class GuiBuyShip_Select : public GuiWidget {
public:
    void onMouseDown(int x, int y, int button) override;
    void onPaint() override;

    // Appends a copy of the ship as the template of its class.
    void addShipClass(const GameObject_Ship& ship);
    // The chosen template, or null.
    const GameObject_Ship* selectedShip() const;

    GuiHRule rule;
    std::vector<GameObject_Ship> shipClasses;
    int selectedIndex = 0;
};

}
