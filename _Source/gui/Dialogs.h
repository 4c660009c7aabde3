#pragma once
#include <functional>

// The modal dialogs. Each freezes the last frame as a dimmed background and
// runs its own loop over the window until it is answered or the window goes.
namespace dh {

// A message with an "Ok" button; Enter also closes it.
void showMessage(const char* title, const char* text);
// The same with a second line under the text, placed as a question's lines.
void showMessage(const char* title, const char* upperLine, const char* lowerLine);

// A question of two lines with "Yes" and "No"; true only when "Yes" was clicked.
bool askYesNo(const char* title, const char* upperLine, const char* lowerLine);

// The commander's name as typed (possibly empty), ended by "Ok", Enter or
// Escape. The buffer is static: valid until the next call.
const char* askCommanderName();

// Called with the pass number (from 0) at the start of every pass of a
// dialog's loop; tests drive the dialogs' polled input from it.
extern std::function<void(int)> g_dialogFrameHook;

}
