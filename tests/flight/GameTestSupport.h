#pragma once

#include "flight/Game.h"
#include "flight/GameObject_Ship.h"
#include "flight/PlayerAI.h"
#include "flight/PlayerHuman.h"
#include "flight/Ship_ExplorerMark1.h"
#include "flight/World.h"
#include "platform/KeyState.h"
#include "platform/PlatformEvents.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <memory>

namespace gametest {

// A new game on a clock of the test's own, with the screens the flight opens
// replaced by counters.
class GameTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        dh::platformOverrideClock(&now);
        dh::clearInjectedKeys();
        dh::g_runInGameMenu = [this](dh::Game&) { ++menuRuns; };
        dh::g_runStationScreen = [this](dh::Game&) { ++stationRuns; };
        game = std::make_unique<dh::Game>("Tester");
    }
    void TearDown() override
    {
        game.reset();
        dh::g_runInGameMenu = nullptr;
        dh::g_runStationScreen = nullptr;
        dh::clearInjectedKeys();
        dh::platformOverrideClock(nullptr);
    }

    // One frame taking `ms` milliseconds, with the docking the station asked for.
    void frame(std::uint32_t ms)
    {
        now += ms;
        game->simulateFrame();
        game->runPendingDock();
    }

    dh::GameObject_Ship& ship() { return *game->playerShip(); }
    // A computer ship with its pilot in the next free slot, as spawning makes one.
    dh::GameObject_Ship* addComputerShip(float x, float z)
    {
        auto* hostile = new dh::Ship_ExplorerMark1(x, z);
        auto ref = std::make_unique<dh::ObjectRef>();
        ref->object = hostile;
        const std::uint32_t slot = game->aiCount;
        game->aiPilots[slot] = std::make_unique<dh::PlayerAI>(ref.get(), game->playerShipRef.get());
        game->aiShipRefs[slot] = std::move(ref);
        game->world->objects.addObject(hostile);
        game->world->objects.trackRef(game->aiShipRefs[slot].get());
        game->aiCount += 1;
        return hostile;
    }

    std::uint32_t now = 100000;
    int menuRuns = 0;
    int stationRuns = 0;
    std::unique_ptr<dh::Game> game;
};

}
