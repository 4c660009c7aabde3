#pragma once
#include <string>
#include <tuple>

#include "audio/SoundEffects.h"
#include "flight/Game.h"
#include "flight/GameObject_Ship.h"
#include "flight/PlayerHuman.h"
#include "flight/World.h"
#include "screens/DockButtons.h"
#include "support/PrivateDataFolder.h"
#include "support/ToneCounter.h"

// A docked game for the dock tests, with its saves kept out of the user's
// folder, and a counter of the trade, row and repair sounds.
namespace docktest {

struct DockedGame {
    DockedGame() : game((testsupport::privateDataFolder("dh-dock-test"), "Tester")) {}

    dh::GameObject_Ship& ship() { return *game.playerShip(); }
    double& credits() { return game.human->credits; }
    dh::GoodsCounts& stock() { return game.currentSystem.stock; }

    dh::Game game;
};

// A refusal or notice as "title / text", empty when there is none.
inline std::string text(const dh::DockMessage& message)
{
    return message ? std::string(message.title) + " / " + message.text : std::string();
}

// The row, trade and repair samples as tones of loudness 1, 40 and 1600.
struct SoundCounter : testsupport::ToneCounter {
    struct Counts {
        int row, trade, repair;
    };
    SoundCounter()
        : ToneCounter({&dh::sample::tradeItemOver, &dh::sample::tradeBuySell, &dh::sample::repair}, 40, 1600)
    {
    }
    Counts take() { return std::apply([](int a, int b, int c) { return Counts{a, b, c}; }, ToneCounter::take()); }
};

}
