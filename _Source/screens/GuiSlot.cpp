#include "screens/GuiSlot.h"

#include "gui/Dialogs.h"
#include "persistence/SaveFile.h"
#include "persistence/SaveFolder.h"
#include "rendering/GLFont.h"
#include "rendering/TextDrawing.h"
#include "screens/SaveSlotDate.h"

#include <algorithm>
#include <utility>

namespace dh {

namespace {

constexpr float kTextSize = 8.0f;

void hoverButton(GuiButton& button, int px, int py)
{
    if (button.contains(px, py)) {
        if (!button.hovered) {
            button.hovered = true;
            button.onMouseEnter(px, py);
        }
        button.onMouseMove(px, py);
    } else if (button.hovered) {
        button.hovered = false;
        button.onMouseLeave();
    }
}

void leaveButton(GuiButton& button)
{
    if (button.hovered) {
        button.hovered = false;
        button.onMouseLeave();
    }
}

void drawLine(const std::string& text, int x, int y)
{
    drawText(g_fontMain, text.c_str(), static_cast<float>(x), static_cast<float>(y), kTextSize, 0.0f, 0.0f, 0.0f);
}

}

GuiSlot::GuiSlot(std::string path, Game* game, const char* actionText) : game(game), path(std::move(path))
{
    actionButton.text = actionText;
    deleteButton.text = "Delete";
}

void GuiSlot::refresh()
{
    ensureSaveFolder();
    const std::optional<std::tm> written = saveFileTime(path);
    exists = written.has_value();
    if (!exists) {
        return;
    }
    SaveSlotDate date = saveSlotDate(*written);
    year = std::move(date.year);
    month = std::move(date.month);
    weekday = std::move(date.weekday);
    day = std::move(date.day);
    time = std::move(date.time);
    exists = readSaveFileNames(path, systemName, commanderName);
}

void GuiSlot::layout()
{
    background.x = x;
    background.y = y;
    background.width = std::max(width, 0);
    background.height = std::max(height, 0);
    background.raised = false;
    actionButton.x = x + width - 130;
    actionButton.y = y + 4;
    actionButton.width = 128;
    actionButton.height = 32;
    deleteButton.x = x + width - 130;
    deleteButton.y = y + 40;
    deleteButton.width = 128;
    deleteButton.height = 32;
}

void GuiSlot::onPaint()
{
    refresh();
    layout();
    background.onPaint();
    actionButton.onPaint();
    deleteButton.onPaint();
    if (!exists) {
        return;
    }
    drawLine(weekday + " " + day + " " + month + " " + year + " " + time, x + 16, y + 16);
    drawLine("Player: " + commanderName, x + 16, y + 40);
    drawLine("System: " + systemName, x + 16, y + 56);
}

void GuiSlot::onMouseMove(int px, int py)
{
    layout();
    hoverButton(actionButton, px, py);
    hoverButton(deleteButton, px, py);
}

void GuiSlot::onMouseDown(int px, int py, int button)
{
    layout();
    if (actionButton.contains(px, py)) {
        actionButton.onMouseDown(px, py, button);
    } else if (deleteButton.contains(px, py)) {
        deleteButton.onMouseDown(px, py, button);
    }
}

void GuiSlot::onMouseUp(int px, int py, int button)
{
    layout();
    if (actionButton.contains(px, py)) {
        if (actionButton.pressed) {
            runAction();
        }
        actionButton.onMouseUp(px, py, button);
    } else if (deleteButton.contains(px, py)) {
        if (deleteButton.pressed) {
            deleteSlot();
        }
        deleteButton.onMouseUp(px, py, button);
    }
}

void GuiSlot::onMouseLeave()
{
    leaveButton(actionButton);
    leaveButton(deleteButton);
}

void GuiSlot::deleteSlot()
{
    if (!exists) {
        showMessage("Delete Game", "No game exists in this slot to delete.");
        return;
    }
    if (askYesNo("Delete Game", "You have chosen to delete this game.", "Are you sure you want to delete ?")) {
        deleteSaveFile(path);
    }
}

}
