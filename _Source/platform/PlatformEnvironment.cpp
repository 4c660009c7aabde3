#include "platform/PlatformEnvironment.h"

#include <SDL.h>

#if defined(__GLIBC__)
#include <malloc.h>
#endif

namespace dh {

const char* platformEnvironment(const char* name)
{
    return SDL_getenv(name);
}

void releaseFreedMemory()
{
#if defined(__GLIBC__)
    malloc_trim(0);
#endif
}

}
