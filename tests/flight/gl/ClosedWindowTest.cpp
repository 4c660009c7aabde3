#include "flight/Game.h"
#include "flight/GameObject_Ship.h"
#include "flight/World.h"
#include "galaxy/Galaxy.h"
#include "rendering/SpaceBackground.h"
#include "window/GLWindow.h"

#include <gtest/gtest.h>

#include <memory>
#include <string_view>

// A window closed during the tunnel leaves no context: the jump still arrives
// in the new system with the ship and its spawned ships, but builds no sky,
// which would render, read back and upload without one.
TEST(ClosedWindow, AJumpAfterTheWindowClosedArrivesWithoutBuildingASky)
{
    dh::createGLWindow();
    ASSERT_TRUE(dh::isWindowOpen());
    int skies = 0;
    dh::GameHooks hooks;
    hooks.buildBackground = [&skies](const float*, std::string_view) {
        ++skies;
        return std::shared_ptr<dh::SpaceBackground>();
    };
    dh::Game game("Closed", hooks);
    ASSERT_EQ(skies, 1);

    const dh::StarSystem home = game.currentSystem;
    dh::StarSystem destination;
    std::uint32_t x = home.x;
    do {
        dh::getSystem(game.galaxy, ++x, home.y, destination);
    } while (!destination.hasStar());

    dh::destroyWindow();
    ASSERT_FALSE(dh::isWindowOpen());
    game.hyperspaceJump(x, home.y);
    EXPECT_EQ(skies, 1);
    EXPECT_EQ(game.currentSystem, destination);
    ASSERT_NE(game.playerShip(), nullptr);
    EXPECT_EQ(game.world.get(), dh::World::of(game.playerShip()->list));
    EXPECT_NE(game.station(), nullptr);
}
