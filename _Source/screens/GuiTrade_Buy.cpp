#include "screens/GuiTrade_Buy.h"

#include "audio/SoundEffects.h"
#include "flight/Game.h"
#include "flight/GameObject_Ship.h"
#include "flight/PlayerHuman.h"
#include "galaxy/Market.h"
#include "gui/Dialogs.h"
#include "screens/DockTable.h"

#include <string>

namespace dh {

GuiTrade_Buy::GuiTrade_Buy(Game* game) : game(game) {}

void GuiTrade_Buy::onMouseMove(int x, int y)
{
    mouseX = x;
    mouseY = y;
}

int GuiTrade_Buy::rowAt(int px, int py) const
{
    return tableRowAt(*this, px, py, static_cast<int>(kGoodsCount));
}

std::string_view GuiTrade_Buy::buy(Game& game, std::size_t good)
{
    // Docked without a ship there is no hold to load.
    GameObject_Ship* ship = game.playerShip();
    if (ship == nullptr)
        return {};
    const std::string_view refusal =
        buyOne(game.currentSystem.stock, game.human->credits, ship->cargo, ship->cargoCapacity, good);
    if (refusal.empty())
        playSound(sample::tradeBuySell);
    return refusal;
}

void GuiTrade_Buy::onMouseDown(int x, int y, int button)
{
    mouseX = x;
    mouseY = y;
    const int row = rowAt(x, y);
    if (button != 1 || row < 0) {
        selectedRow = -1;
        return;
    }
    selectRow(row, selectedRow);
    const std::string_view refusal = buy(*game, static_cast<std::size_t>(row));
    if (!refusal.empty())
        showMessage(kRefusalCaption, std::string(refusal).c_str());
}

void GuiTrade_Buy::onPaint()
{
    const int row = rowAt(mouseX, mouseY);
    if (row >= 0)
        selectRow(row, selectedRow);
    else
        selectedRow = -1;
    paintTableBackground(*this, row);
    paintTableHeader(*this, rule, {"Name", "Supply", "In stock", "Buy price"});
    const GoodsCounts& stock = game->currentSystem.stock;
    for (std::size_t i = 0; i < kGoodsCount; ++i) {
        const float s = stockFraction(stock[i]);
        paintTableRow(*this, static_cast<int>(i),
                      {kGoods[i].name.data(), static_cast<int>(100.0f * s), 1.0f - s, s, stock[i],
                       buyPrice(stock, i)});
    }
}

}
