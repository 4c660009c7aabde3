#pragma once
#include "audio/SoundEffects.h"
#include "flight/Game.h"
#include "flight/GameObject_Ship.h"
#include "flight/PlayerHuman.h"
#include "gui/GuiScreen.h"
#include "platform/PlatformEvents.h"
#include "screens/GuiGalaxyMap.h"
#include "support/ToneCounter.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <memory>
#include <tuple>
#include <vector>

// A new game (which always starts at Viovio) with a galaxy map laid out as the
// in-game menu lays it out, and a counter of the interface sounds it plays.
namespace maptest {

// Cells and offsets of stars around the start, as the galaxy tool prints them.
struct KnownStar {
    const char* name;
    std::uint32_t x, y, offsetX, offsetY;
};
inline constexpr KnownStar kViovio{"Viovio", 23946579, 23624208, 32, 30};
inline constexpr KnownStar kCopit{"Copit", 23946580, 23624207, 35, 26};   // 1.49 ly from Viovio
inline constexpr KnownStar kMided{"Mided", 23946580, 23624206, 36, 32};   // 2.24 ly
inline constexpr KnownStar kMocom{"Mocom", 23946576, 23624210, 19, 16};   // 3.66 ly

// The system-hover, button-hover and click samples as tones of loudness 1, 50 and 2500.
struct SoundCounter : testsupport::ToneCounter {
    struct Counts {
        int systemOver, buttonOver, click;
    };
    SoundCounter()
        : ToneCounter({&dh::sample::systemOver, &dh::sample::buttonOver, &dh::sample::buttonClick}, 50, 2500)
    {
    }
    Counts take() { return std::apply([](int a, int b, int c) { return Counts{a, b, c}; }, ToneCounter::take()); }
};

class MapTest : public ::testing::Test {
protected:
    static constexpr int kMapX = 2, kMapY = 2, kMapWidth = 482, kMapHeight = 316;

    void SetUp() override
    {
        dh::platformOverrideClock(&now);
        game = std::make_unique<dh::Game>("Tester");
        map = makeMap(true);
    }
    void TearDown() override { dh::platformOverrideClock(nullptr); }

    std::unique_ptr<dh::GuiGalaxyMap> makeMap(bool travelAllowed)
    {
        auto made = std::make_unique<dh::GuiGalaxyMap>(game.get(), &owner, travelAllowed);
        std::tie(made->x, made->y, made->width, made->height) = std::tuple{kMapX, kMapY, kMapWidth, kMapHeight};
        made->centreOnCurrentSystem();
        return made;
    }

    // The pointer position (container coordinates) of a star's centre plus (dx, dy).
    void pointAt(const KnownStar& star, int dx = 0, int dy = 0)
    {
        map->onMouseMove(screenX(star) + dx, screenY(star) + dy);
        if (dx == 0 && dy == 0) {
            EXPECT_EQ(map->hoveredSystem.name, star.name);
        }
    }
    int screenX(const KnownStar& star) const
    {
        return kMapX + static_cast<int>(star.x * 64 + star.offsetX - map->scrollX);
    }
    int screenY(const KnownStar& star) const
    {
        return kMapY + static_cast<int>(star.y * 64 + star.offsetY - map->scrollY);
    }

    dh::GameObject_Ship& ship() { return *game->playerShip(); }

    std::uint32_t now = 50000;
    SoundCounter sounds;
    dh::GuiScreen owner;
    std::unique_ptr<dh::Game> game;
    std::unique_ptr<dh::GuiGalaxyMap> map;
};

}
