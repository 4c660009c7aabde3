#pragma once
#include <SDL.h>

#include "platform/PlatformEvents.h"

namespace dh {

// Opens and closes controllers as they come and go, and turns their button
// presses into key events with the VK_PAD codes. True when `event` holds one.
bool translateControllerEvent(const SDL_Event& sdl, PlatformEvent& event);

}
