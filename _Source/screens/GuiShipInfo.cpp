#include "screens/GuiShipInfo.h"

#include "flight/Game.h"
#include "flight/GameObject_Ship.h"
#include "screens/DockDrawing.h"

#include <GL/gl.h>

#include <cstdio>

namespace dh {

namespace {

struct Heading {
    const char* text;
    int y;
};

constexpr std::array<Heading, 3> kHeadings = {{{"General", 8}, {"Engines", 112}, {"Weapons", 192}}};
constexpr std::array<int, GuiShipInfo::kLineCount> kLineY = {40, 52, 64, 76, 88, 144, 156, 168, 224, 236, 248, 260};

template <typename... Args>
std::string format(const char* pattern, Args... args)
{
    char line[512];
    std::snprintf(line, sizeof line, pattern, args...);
    return line;
}

}

GuiShipInfo::GuiShipInfo(Game* game) : game(game) {}

std::array<std::string, GuiShipInfo::kLineCount> GuiShipInfo::figureLines(const GameObject_Ship& ship)
{
    const double kmph = static_cast<double>(ship.topSpeed * 3600.0f) * 0.001;
    return {
        format("Class:                   %1s", ship.name),
        format("Cost:                    Cr %1.2f ", static_cast<double>(ship.cost)),
        format("Shield strenght:         %1.2f units", static_cast<double>(ship.maxShield)),
        format("Weight:                  %1.2f kg", static_cast<double>(ship.mass)),
        format("Cargo capacity:          %1i units", static_cast<int>(ship.cargoCapacity)),
        format("Top Speed:               %1.2f kmph", kmph),
        format("Acceleration:            %1.2f m/s2", static_cast<double>(ship.acceleration)),
        format("Hyperspace range:        %1.2f ly", static_cast<double>(ship.hyperspaceRange)),
        format("Laser strenght:          %1.2f mw", static_cast<double>(ship.laser.strength)),
        format("Laser cooling strenght:  %1.2f mw/s", static_cast<double>(ship.laser.cooling)),
        format("Missile capacity:        %1i missiles", static_cast<int>(ship.missileCapacity)),
        format("Emp bomb capacity:       %1i emp bombs", static_cast<int>(ship.empCapacity)),
    };
}

void GuiShipInfo::onPaint()
{
    glPushAttrib(GL_ENABLE_BIT);
    fillBlack(x, y, width, height);
    const GameObject_Ship* ship = game->playerShip();
    if (!ship) {
        glPopAttrib();
        return;
    }
    for (const Heading& heading : kHeadings)
        drawBigText(heading.text, x + 8, y + heading.y);
    const std::array<std::string, kLineCount> lines = figureLines(*ship);
    for (std::size_t i = 0; i < kLineCount; ++i)
        drawSmallText(lines[i].c_str(), x + 8, y + kLineY[i]);
    rule.x = x + 8;
    rule.y = y + 284;
    rule.width = 470;
    rule.height = 4;
    rule.onPaint();
    modelView.mesh = ship->mesh;
    modelView.x = x + 4;
    modelView.y = y + 292;
    modelView.width = 470;
    modelView.height = 166;
    modelView.onPaint();
    glPopAttrib();
}

}
