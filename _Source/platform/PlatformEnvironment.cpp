#include "platform/PlatformEnvironment.h"

#include <SDL.h>

namespace dh {

const char* platformEnvironment(const char* name)
{
    return SDL_getenv(name);
}

}
