#include "persistence/SaveState.h"

#include "flight/Game.h"
#include "flight/PlayerHuman.h"
#include "flight/Ship_ExplorerMark1.h"
#include "flight/Ship_ExplorerMark2.h"
#include "flight/Ship_FighterMark1.h"
#include "flight/Ship_FighterMark2.h"

#include <cstring>

namespace dh {

namespace {

GameObject_Ship* buildShip(std::int32_t code)
{
    switch (code) {
    case 1:
        return new Ship_ExplorerMark2(0.0f, 0.0f);
    case 2:
        return new Ship_FighterMark1(0.0f, 0.0f);
    case 3:
        return new Ship_FighterMark2(0.0f, 0.0f);
    default:
        return new Ship_ExplorerMark1(0.0f, 0.0f);
    }
}

}

const ShipClass& shipClassOfCode(std::int32_t code)
{
    switch (code) {
    case 1:
        return Ship_ExplorerMark2::kClass;
    case 2:
        return Ship_FighterMark1::kClass;
    case 3:
        return Ship_FighterMark2::kClass;
    default:
        return Ship_ExplorerMark1::kClass;
    }
}

std::int32_t shipClassCode(const GameObject_Ship& ship)
{
    for (std::int32_t code = 1; code < kShipClassCount; ++code) {
        if (std::strcmp(ship.name, shipClassOfCode(code).name) == 0) {
            return code;
        }
    }
    return 0;
}

SaveState captureSaveState(const Game& game)
{
    const GameObject_Ship& ship = *game.playerShip();
    SaveState state;
    state.commanderName = game.human->commanderName;
    state.credits = game.human->credits;
    state.kills = game.human->kills;
    state.shipClass = shipClassCode(ship);
    state.shield = ship.shield;
    state.missiles = ship.missiles;
    state.empBombs = ship.empBombs;
    state.cargo = ship.cargo;
    state.recent = game.galaxy.recent;
    state.currentSystem = game.currentSystem;
    return state;
}

void applySaveState(Game& game, const SaveState& state)
{
    game.galaxy.recent = state.recent;
    GameObject_Ship* ship = buildShip(state.shipClass);
    ship->shield = state.shield;
    ship->setMissiles(state.missiles);
    ship->setEmpBombs(state.empBombs);
    ship->cargo = state.cargo;
    game.replacePlayerShip(ship);
    game.human->setCommanderName(state.commanderName.c_str());
    game.human->kills = state.kills;
    game.human->credits = state.credits;
    game.enterSystem(state.currentSystem, false, false);
}

}
