#pragma once
#include "galaxy/Galaxy.h"
#include "galaxy/StarSystem.h"

#include <array>
#include <cstdint>
#include <string>

namespace dh {

class Game;
class GameObject_Ship;
struct ShipClass;

// Everything a save file carries, held apart from the running game so that a
// file is read and checked completely before anything in the game changes.
struct SaveState {
    std::string commanderName;
    double credits = 0.0;
    std::uint32_t kills = 0;
    // 0 Explorer Mark I, 1 Explorer Mark II, 2 Fighter Mark I, 3 Fighter Mark II.
    std::int32_t shipClass = 0;
    float shield = 0.0f;
    std::uint32_t missiles = 0;
    std::uint32_t empBombs = 0;
    GoodsCounts cargo{};
    std::array<StarSystem, kRecentSystems> recent{};
    StarSystem currentSystem;
};

inline constexpr std::int32_t kShipClassCount = 4;

// The class of a code 0..3.
const ShipClass& shipClassOfCode(std::int32_t code);
// The code of a ship by its class name; an unknown name is an Explorer Mark I.
std::int32_t shipClassCode(const GameObject_Ship& ship);

// The saved part of a game that has its human pilot and ship.
SaveState captureSaveState(const Game& game);

// Puts a checked state into the game: a new ship of the saved class, the
// commander, the remembered systems and the current system, entered at the
// station without computer ships.
void applySaveState(Game& game, const SaveState& state);

}
