#include "FlightTestWorld.h"

#include "flight/FlightAssists.h"
#include "flight/HudMessages.h"
#include "flight/PlayerHuman.h"
#include "flight/Ship_ExplorerMark1.h"
#include "flight/Ship_FighterMark1.h"
#include "platform/KeyState.h"

#include <string>
#include <vector>

using namespace dh;

TEST(HudMessagesTest, ARefusalShowsForTwoSecondsAndANewOneStartsAfresh)
{
    HudMessages messages;
    EXPECT_EQ(messages.shown(), nullptr);
    messages.post(kRefusalNoMissiles);
    messages.update(1.9f);
    ASSERT_NE(messages.shown(), nullptr);
    EXPECT_STREQ(messages.shown()->text, "Your ship is out of missiles");
    messages.post(kRefusalNoEmpBombs);
    messages.update(1.9f);
    ASSERT_NE(messages.shown(), nullptr);
    EXPECT_STREQ(messages.shown()->title, "Cannot deploy EMP bomb");
    messages.update(0.2f);
    EXPECT_EQ(messages.shown(), nullptr);
}

// With the assists on, the keys' refusals go to the HUD: no dialog, no pause,
// no restarted clock, the world's sounds playing on.
TEST(HudMessagesTest, WithTheAssistsOnTheKeysRefuseWithoutADialog)
{
    clearInjectedKeys();
    test::TestWorld t;
    test::RecordingGame game;
    std::vector<std::string> shown;
    game.hooks.showHudMessage = [&shown](const Refusal& refusal) { shown.emplace_back(refusal.text); };
    GameObject_Ship* ship = t.add(new Ship_ExplorerMark1(0.0f, 0.0f));
    t.add(new Ship_FighterMark1(300.0f, 3000.0f));
    game.ship = ship;
    test::TrackedRef shipRef{t.objects(), ship};
    PlayerHuman human("Halvard", &shipRef.ref, &game.hooks);
    g_flightAssists = true;
    human.update(0.016f);
    injectKeyState(VK_BACK, true);
    injectKeyState(VK_DELETE, true);
    human.update(0.016f);
    g_flightAssists = false;
    clearInjectedKeys();

    EXPECT_EQ(shown, (std::vector<std::string>{"Your ship is out of missiles", "You do not any EMP bombs left"}));
    EXPECT_TRUE(game.messages.empty());
    EXPECT_EQ(game.clockResumes, 0);
    EXPECT_FALSE(t.world->sounds.paused);
}
