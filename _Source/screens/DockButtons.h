#pragma once
#include <span>

#include "gui/GuiButton.h"

// The dock views hold their buttons by value and hand them the pointer events
// the way a panel hands them to its children.
namespace dh {

using DockButtons = std::span<GuiButton* const>;

// A message box an action answers with; no text means there is nothing to show.
struct DockMessage {
    const char* title = nullptr;
    const char* text = nullptr;

    explicit operator bool() const { return text != nullptr; }
};

// Shows the message, if there is one.
void showDockMessage(const DockMessage& message);

// Enter, move and leave by each button's rectangle.
void forwardMouseMove(DockButtons buttons, int x, int y);
// Every button holding the point is pressed.
void forwardMouseDown(DockButtons buttons, int x, int y, int button);
// Every button holding the point gets the release, which ends its press.
void forwardMouseUp(DockButtons buttons, int x, int y, int button);
void forwardMouseLeave(DockButtons buttons);

// A release on this button ends a press that began on it.
bool clickedOn(const GuiButton& button, int x, int y);

// Paints every button.
void paintButtons(DockButtons buttons);

// A 32-wide button at (x, y) in the owner's coordinates.
void placeButton(GuiButton& button, const char* caption, int x, int y, int width);

}
