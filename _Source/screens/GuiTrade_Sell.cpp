#include "screens/GuiTrade_Sell.h"

#include "audio/SoundEffects.h"
#include "flight/Game.h"
#include "flight/GameObject_Ship.h"
#include "flight/PlayerHuman.h"
#include "galaxy/Market.h"
#include "screens/DockTable.h"

namespace dh {

GuiTrade_Sell::GuiTrade_Sell(Game* game) : game(game) {}

void GuiTrade_Sell::onMouseMove(int x, int y)
{
    mouseX = x;
    mouseY = y;
}

GuiTrade_Sell::Listing GuiTrade_Sell::listGoods(const Game& game)
{
    Listing listing;
    const GameObject_Ship* ship = game.playerShip();
    if (ship == nullptr)
        return listing;
    for (std::size_t i = 0; i < kGoodsCount; ++i)
        if (ship->cargo[i] > 0)
            listing.goods[static_cast<std::size_t>(listing.count++)] = i;
    return listing;
}

int GuiTrade_Sell::rowAt(int px, int py, int rows) const
{
    return tableRowAt(*this, px, py, rows);
}

void GuiTrade_Sell::onMouseDown(int x, int y, int button)
{
    mouseX = x;
    mouseY = y;
    GameObject_Ship* ship = game->playerShip();
    if (ship == nullptr)
        return;
    const Listing listing = listGoods(*game);
    const int row = rowAt(x, y, listing.count);
    if (button != 1 || row < 0) {
        selectedRow = -1;
        return;
    }
    selectRow(row, selectedRow);
    if (sellOne(game->currentSystem.stock, game->human->credits, ship->cargo,
                listing.goods[static_cast<std::size_t>(row)]))
        playSound(sample::tradeBuySell);
}

void GuiTrade_Sell::onPaint()
{
    const Listing listing = listGoods(*game);
    const int row = rowAt(mouseX, mouseY, listing.count);
    if (row >= 0)
        selectRow(row, selectedRow);
    else
        selectedRow = -1;
    paintTableBackground(*this, row);
    paintTableHeader(*this, rule, {"Name", "Demand", "On board", "Sell price"});
    const GameObject_Ship* ship = game->playerShip();
    const GoodsCounts& stock = game->currentSystem.stock;
    for (int r = 0; r < listing.count; ++r) {
        const std::size_t i = listing.goods[static_cast<std::size_t>(r)];
        const float t = stockFraction(stock[i]);
        paintTableRow(*this, r,
                      {kGoods[i].name.data(), static_cast<int>(100.0f * (1.0f - t)), t, 1.0f - t, ship->cargo[i],
                       sellPrice(stock, i)});
    }
}

}
