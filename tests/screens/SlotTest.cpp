#include "flight/Game.h"
#include "flight/PlayerHuman.h"
#include "persistence/SaveGame.h"
#include "screens/GuiLoadGame.h"
#include "screens/GuiSaveGame.h"
#include "screens/SaveSlotDate.h"
#include "screens/SlotTestSupport.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>

namespace {

using namespace std::chrono;
using slottest::slotPath;

// A slot placed as the views place the first one; its buttons then sit at
// (376, 64) and (376, 100), 128 x 32 each.
template <typename Slot>
void place(Slot& slot)
{
    slot.x = 20;
    slot.y = 60;
    slot.width = 486;
    slot.height = 75;
}

constexpr int kActionX = 440, kActionY = 80, kDeleteX = 440, kDeleteY = 116;

void click(dh::GuiSlot& slot, int x, int y)
{
    slot.onMouseDown(x, y, 1);
    slot.onMouseUp(x, y, 1);
}

class SlotTest : public ::testing::Test {
protected:
    void SetUp() override { slottest::clearSlots(); }
};

}

TEST(SlotDate, NamesSuffixesAndTimesAsTheSlotsShowThem)
{
    const char* months[] = {"Invalid", "January", "February", "March",     "April",   "May",      "June",   "July",
                            "August",  "September", "October", "November", "December", "Invalid"};
    for (int m = 0; m <= 13; ++m)
        EXPECT_STREQ(dh::monthName(m), months[m]) << m;
    const char* weekdays[] = {"Invalid", "Sunday", "Monday", "Tuesday", "Wednesday",
                              "Thursday", "Friday", "Saturday", "Invalid"};
    for (int d = -1; d <= 7; ++d)
        EXPECT_STREQ(dh::weekdayName(d), weekdays[d + 1]) << d;

    const std::pair<int, const char*> days[] = {{1, "1st"},   {2, "2nd"},   {3, "3rd"},   {4, "4th"},  {10, "10th"},
                                                {11, "11th"}, {12, "12th"}, {13, "13th"}, {19, "19th"}, {20, "20th"},
                                                {21, "21st"}, {22, "22nd"}, {23, "23rd"}, {24, "24th"}, {30, "30th"},
                                                {31, "31st"}};
    for (const auto& [day, text] : days)
        EXPECT_EQ(dh::dayOfMonth(day), text);

    EXPECT_EQ(dh::clockTime(9, 5), "9:05");
    EXPECT_EQ(dh::clockTime(0, 0), "0:00");
    EXPECT_EQ(dh::clockTime(17, 5), "17:05");
    EXPECT_EQ(dh::clockTime(23, 59), "23:59");
}

TEST_F(SlotTest, ASavedSlotShowsItsDateCommanderAndSystem)
{
    dh::Game game("Halvard");
    ASSERT_TRUE(dh::SaveGame::trySave(slotPath(1).c_str(), &game).succeeded);
    slottest::setWriteTime(slotPath(1), sys_days{2027y / January / 11}, 9, 5);
    dh::GuiLoadGame slot(slotPath(1), nullptr);
    slot.refresh();
    EXPECT_TRUE(slot.exists);
    EXPECT_EQ(slot.weekday, "Monday");
    EXPECT_EQ(slot.day, "11th");
    EXPECT_EQ(slot.month, "January");
    EXPECT_EQ(slot.year, "2027");
    EXPECT_EQ(slot.time, "9:05");
    EXPECT_EQ(slot.commanderName, "Halvard");
    EXPECT_EQ(slot.systemName, "Viovio");

    slottest::setWriteTime(slotPath(1), sys_days{2026y / December / 5}, 17, 5);
    slot.refresh();
    EXPECT_EQ(slot.weekday + " " + slot.day + " " + slot.month + " " + slot.year + " " + slot.time,
              "Saturday 5th December 2026 17:05");

    std::filesystem::remove(slotPath(1));
    slot.refresh();
    EXPECT_FALSE(slot.exists);
    // A folder in the slot file's place is no save either.
    std::filesystem::create_directory(slotPath(1));
    slot.refresh();
    EXPECT_FALSE(slot.exists);
}

TEST_F(SlotTest, AnyFileIsListedWithTheBytesOfItsNameFields)
{
    {
        std::ofstream out(slotPath(2), std::ios::binary);
        out << std::string(16, '#') << "Not" << std::string(252, '\0') << "A save";
    }
    dh::GuiSaveGame slot(slotPath(2), nullptr);
    slot.refresh();
    EXPECT_TRUE(slot.exists);
    EXPECT_EQ(slot.systemName, "Not");
    EXPECT_EQ(slot.commanderName, "A save");
}

TEST_F(SlotTest, SavingIntoAnEmptySlotNeedsAPressAndReleaseOnSave)
{
    dh::Game game("Halvard");
    dh::GuiSaveGame slot(slotPath(3), &game);
    place(slot);

    // Released without a press, or pressed on "Save" and released on "Delete".
    slot.onMouseUp(kActionX, kActionY, 1);
    slot.onMouseDown(kActionX, kActionY, 1);
    slot.onMouseUp(kDeleteX, kDeleteY, 1);
    slot.refresh();
    EXPECT_FALSE(slot.exists);
    EXPECT_TRUE(slot.actionButton.pressed);
    slot.onMouseLeave();

    click(slot, kActionX, kActionY);
    EXPECT_FALSE(slot.actionButton.pressed);
    slot.refresh();
    EXPECT_TRUE(slot.exists);
    EXPECT_EQ(slot.commanderName, "Halvard");
}

TEST_F(SlotTest, OverwritingAndDeletingWaitForAYes)
{
    dh::Game first("First");
    ASSERT_TRUE(dh::SaveGame::trySave(slotPath(4).c_str(), &first).succeeded);
    dh::Game second("Second");
    dh::GuiSaveGame slot(slotPath(4), &second);
    place(slot);
    slot.refresh();

    // Without a window every question is answered "No".
    click(slot, kActionX, kActionY);
    click(slot, kDeleteX, kDeleteY);
    slot.refresh();
    EXPECT_TRUE(slot.exists);
    EXPECT_EQ(slot.commanderName, "First");

    // Deleting an empty slot only says so.
    std::filesystem::remove(slotPath(4));
    slot.refresh();
    click(slot, kDeleteX, kDeleteY);
    slot.refresh();
    EXPECT_FALSE(slot.exists);
}

TEST_F(SlotTest, LoadingFromTheDockReplacesTheRunningGame)
{
    dh::Game saved("Halvard");
    saved.human->credits = 4321.0;
    ASSERT_TRUE(dh::SaveGame::trySave(slotPath(5).c_str(), &saved).succeeded);

    dh::Game running("Someone");
    dh::GuiLoadGame empty(slotPath(1), &running);
    place(empty);
    empty.refresh();
    click(empty, kActionX, kActionY);
    EXPECT_EQ(running.human->commanderName, "Someone");

    dh::GuiLoadGame slot(slotPath(5), &running);
    place(slot);
    slot.refresh();
    click(slot, kActionX, kActionY);
    EXPECT_EQ(running.human->commanderName, "Halvard");
    EXPECT_EQ(running.human->credits, 4321.0);
}

TEST_F(SlotTest, TheMainMenuSlotPlaysAGameOnlyFromAGoodFile)
{
    // Without a window the loaded game's loop ends at once.
    {
        std::ofstream out(slotPath(2), std::ios::binary);
        out << "garbage";
    }
    dh::GuiLoadGame slot(slotPath(2), nullptr);
    place(slot);
    slot.refresh();
    click(slot, kActionX, kActionY);

    dh::Game saved("Halvard");
    ASSERT_TRUE(dh::SaveGame::trySave(slotPath(2).c_str(), &saved).succeeded);
    slot.refresh();
    click(slot, kActionX, kActionY);
    EXPECT_TRUE(std::filesystem::exists(slotPath(2)));
}

TEST_F(SlotTest, ButtonsLightUpUnderThePointerAndGoOutWhenItLeaves)
{
    dh::GuiLoadGame slot(slotPath(1), nullptr);
    place(slot);
    slot.onMouseMove(kActionX, kActionY);
    EXPECT_TRUE(slot.actionButton.hovered);
    EXPECT_TRUE(slot.actionButton.highlighted);
    EXPECT_FALSE(slot.deleteButton.hovered);

    slot.onMouseMove(kDeleteX, kDeleteY);
    EXPECT_FALSE(slot.actionButton.hovered);
    EXPECT_FALSE(slot.actionButton.highlighted);
    EXPECT_TRUE(slot.deleteButton.highlighted);

    slot.onMouseDown(kDeleteX, kDeleteY, 1);
    EXPECT_TRUE(slot.deleteButton.pressed);
    slot.onMouseLeave();
    EXPECT_FALSE(slot.deleteButton.hovered);
    EXPECT_FALSE(slot.deleteButton.highlighted);
    EXPECT_FALSE(slot.deleteButton.pressed);
    // Left of the buttons lies the slot's text: no button there.
    slot.onMouseMove(100, 80);
    EXPECT_FALSE(slot.actionButton.hovered);
    EXPECT_FALSE(slot.deleteButton.hovered);
}
