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

// A slot placed as the views place the first one; its "Save"/"Load" and
// "Delete" buttons then hold these points.
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

void save(const char* commander, int slot)
{
    dh::Game game(commander);
    ASSERT_TRUE(dh::SaveGame::trySave(slotPath(slot).c_str(), &game).succeeded);
}

class SlotTest : public ::testing::Test {
protected:
    void SetUp() override { slottest::clearSlots(); }
};

}

TEST(SlotDate, NamesSuffixesAndTimesAsTheSlotsShowThem)
{
    EXPECT_STREQ(dh::monthName(12), "December");
    EXPECT_STREQ(dh::monthName(13), "Invalid");
    EXPECT_STREQ(dh::weekdayName(0), "Sunday");
    EXPECT_STREQ(dh::weekdayName(-1), "Invalid");
    const std::pair<int, const char*> days[] = {{1, "1st"},   {2, "2nd"},   {3, "3rd"},   {4, "4th"},
                                                {11, "11th"}, {12, "12th"}, {13, "13th"}, {21, "21st"},
                                                {22, "22nd"}, {23, "23rd"}, {30, "30th"}, {31, "31st"}};
    for (const auto& [day, text] : days)
        EXPECT_EQ(dh::dayOfMonth(day), text);
    EXPECT_EQ(dh::clockTime(9, 5), "9:05");
    EXPECT_EQ(dh::clockTime(23, 59), "23:59");
}

TEST_F(SlotTest, ASlotShowsItsDateCommanderAndSystemOrTheNameFieldsOfAnyFile)
{
    save("Halvard", 1);
    slottest::setWriteTime(slotPath(1), sys_days{2027y / January / 11}, 9, 5);
    dh::GuiLoadGame slot(slotPath(1), nullptr);
    slot.refresh();
    EXPECT_TRUE(slot.exists);
    EXPECT_EQ(slot.weekday + " " + slot.day + " " + slot.month + " " + slot.year + " " + slot.time,
              "Monday 11th January 2027 9:05");
    EXPECT_EQ(slot.commanderName, "Halvard");
    EXPECT_EQ(slot.systemName, "Viovio");

    // A folder in the slot file's place is no save.
    std::filesystem::remove(slotPath(1));
    std::filesystem::create_directory(slotPath(1));
    slot.refresh();
    EXPECT_FALSE(slot.exists);

    {
        std::ofstream out(slotPath(2), std::ios::binary);
        out << std::string(16, '#') << "Not" << std::string(252, '\0') << "A save";
    }
    dh::GuiSaveGame other(slotPath(2), nullptr);
    other.refresh();
    EXPECT_TRUE(other.exists);
    EXPECT_EQ(other.systemName, "Not");
    EXPECT_EQ(other.commanderName, "A save");
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
    EXPECT_EQ(slot.commanderName, "Halvard");
}

TEST_F(SlotTest, LoadingFromTheDockReplacesTheRunningGameOnlyFromAGoodFile)
{
    save("Halvard", 5);
    {
        std::ofstream out(slotPath(2), std::ios::binary);
        out << "garbage";
    }
    dh::Game running("Someone");
    for (int empty : {1, 2}) {
        dh::GuiLoadGame slot(slotPath(empty), &running);
        place(slot);
        slot.refresh();
        click(slot, kActionX, kActionY);
    }
    EXPECT_EQ(running.human->commanderName, "Someone");

    dh::GuiLoadGame slot(slotPath(5), &running);
    place(slot);
    slot.refresh();
    click(slot, kActionX, kActionY);
    EXPECT_EQ(running.human->commanderName, "Halvard");

    // From the main menu a good file plays its game; without a window its loop ends at once.
    dh::GuiLoadGame menuSlot(slotPath(5), nullptr);
    place(menuSlot);
    menuSlot.refresh();
    click(menuSlot, kActionX, kActionY);
    EXPECT_TRUE(std::filesystem::exists(slotPath(5)));
}

TEST_F(SlotTest, ButtonsLightUpUnderThePointerAndGoOutWhenItLeaves)
{
    dh::GuiLoadGame slot(slotPath(1), nullptr);
    place(slot);
    slot.onMouseMove(kActionX, kActionY);
    slot.onMouseMove(kDeleteX, kDeleteY);
    EXPECT_FALSE(slot.actionButton.highlighted);
    EXPECT_TRUE(slot.deleteButton.highlighted);
    slot.onMouseDown(kDeleteX, kDeleteY, 1);
    slot.onMouseLeave();
    EXPECT_FALSE(slot.deleteButton.highlighted);
    EXPECT_FALSE(slot.deleteButton.pressed);
}
