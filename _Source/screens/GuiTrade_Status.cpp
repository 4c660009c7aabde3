#include "screens/GuiTrade_Status.h"

#include "flight/Game.h"
#include "flight/GameObject_Ship.h"
#include "flight/PlayerHuman.h"
#include "rendering/TextureList.h"
#include "screens/DockDrawing.h"

#include <numeric>

namespace dh {

GuiTrade_Status::GuiTrade_Status(Game* game) : game(game) {}

void GuiTrade_Status::onPaint()
{
    fillBlack(x, y, width, height);
    const int middle = y + height / 2;
    drawCredits(game->human->credits, x + 10, middle - 16, x + 50, middle - 8);
    drawIcon(texture(Tex::cargo), x + 298, middle - 16, 32);
    if (const GameObject_Ship* ship = game->playerShip()) {
        const std::uint32_t carried = std::accumulate(ship->cargo.begin(), ship->cargo.end(), std::uint32_t{0});
        drawBigText(formatLine("%1u/%2u", carried, ship->cargoCapacity).data(), x + 338, middle - 8);
    }
}

}
