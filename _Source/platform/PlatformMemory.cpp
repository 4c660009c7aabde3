#include "platform/PlatformMemory.h"

#if defined(__GLIBC__)
#include <malloc.h>
#endif

namespace dh {

void releaseFreedMemory()
{
#if defined(__GLIBC__)
    malloc_trim(0);
#endif
}

}
