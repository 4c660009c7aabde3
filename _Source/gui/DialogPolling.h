#pragma once
#include <span>

#include "gui/GuiButton.h"

// The dialogs run with no listener installed and poll the pointer and the
// buttons once a frame instead.
namespace dh {

// One frame of the dialog buttons at virtual pointer (x, y) with the left
// mouse button's state at the previous frame and now. Returns the index of the
// button clicked (a press that began on it and ends on it), or -1.
int pollDialogButtons(std::span<GuiButton> buttons, int x, int y, bool leftWasDown, bool leftIsDown);

}
