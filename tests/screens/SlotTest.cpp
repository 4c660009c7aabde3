#include "flight/Game.h"
#include "flight/PlayerHuman.h"
#include "persistence/SaveGame.h"
#include "screens/GuiLoadGame.h"
#include "screens/GuiSaveGame.h"
#include "screens/SaveSlotDate.h"
#include "support/PrivateDataFolder.h"

#include <gtest/gtest.h>

#include <chrono>
#include <filesystem>
#include <fstream>
#include <tuple>

namespace {

using namespace std::chrono;

// Slot files in a private folder, removed when the program ends; the
// commander's own folder is never touched.
std::string slotPath(int slot)
{
    return testsupport::privateDataFolder("dh-slot-test") + "/save" + std::to_string(slot) + ".sav";
}

// A slot placed as the views place the first one; its "Save"/"Load" and
// "Delete" buttons then hold these points.
void place(dh::GuiSlot& slot)
{
    std::tie(slot.x, slot.y, slot.width, slot.height) = std::tuple{20, 60, 486, 75};
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
    void SetUp() override
    {
        for (int slot = 1; slot <= 5; ++slot)
            std::filesystem::remove_all(slotPath(slot));
    }
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
    // Written at 9:05 UTC.
    const sys_time<system_clock::duration> written = sys_days{2027y / January / 11} + 9h + 5min;
    std::filesystem::last_write_time(slotPath(1), file_clock::from_sys(written));
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
    // Only the button under the pointer lights up; the pointer leaving puts it
    // out and ends its press.
    slot.onMouseMove(kActionX, kActionY);
    slot.onMouseMove(kDeleteX, kDeleteY);
    EXPECT_FALSE(slot.actionButton.highlighted);
    EXPECT_TRUE(slot.deleteButton.highlighted);
    slot.onMouseDown(kDeleteX, kDeleteY, 1);
    slot.onMouseLeave();
    EXPECT_FALSE(slot.deleteButton.highlighted);
    EXPECT_FALSE(slot.deleteButton.pressed);
    // Released without a press, or pressed on "Save" and released on "Delete".
    slot.onMouseUp(kActionX, kActionY, 1);
    slot.onMouseDown(kActionX, kActionY, 1);
    slot.onMouseUp(kDeleteX, kDeleteY, 1);
    slot.refresh();
    EXPECT_FALSE(slot.exists);
    EXPECT_TRUE(slot.actionButton.pressed);

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
    for (auto [slot, commander] : {std::pair{1, "Someone"}, {2, "Someone"}, {5, "Halvard"}}) {
        dh::GuiLoadGame load(slotPath(slot), &running);
        place(load);
        load.refresh();
        click(load, kActionX, kActionY);
        EXPECT_EQ(running.human->commanderName, commander) << slot;
    }
}
