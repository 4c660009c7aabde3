#pragma once
#include "gui/GuiButton.h"
#include "gui/GuiPanel.h"
#include "gui/GuiWidget.h"

#include <string>

namespace dh {

class Game;

// One save slot of the load and save views (486 x 75 in its host): when the
// slot's file was written, the commander and the system it holds, an action
// button and "Delete". The slot looks at its file afresh on every paint.
class GuiSlot : public GuiWidget {
public:
    GuiSlot(std::string path, Game* game, const char* actionText);

    void onMouseMove(int x, int y) override;
    void onMouseDown(int x, int y, int button) override;
    void onMouseUp(int x, int y, int button) override;
    void onPaint() override;
    void onMouseLeave() override;

    // Reads whether the file exists, its write time and its two names.
    void refresh();
    // Fits the background and the two buttons to the slot's rectangle.
    void layout();

    Game* game;  // the running game; null on the main menu
    std::string path;
    GuiPanel background;
    GuiButton actionButton;
    GuiButton deleteButton;
    bool exists = false;
    std::string systemName;
    std::string commanderName;
    std::string year;
    std::string month;
    std::string weekday;
    std::string day;
    std::string time;

protected:
    // The action button was pressed and released on this slot.
    virtual void runAction() = 0;

private:
    void deleteSlot();
};

}
