#include "ProcessMemory.h"

#include <cstdio>
#include <cstring>

namespace bench {

long residentKilobytes()
{
    std::FILE* status = std::fopen("/proc/self/status", "r");
    if (status == nullptr) {
        return -1;
    }
    char line[256];
    long kilobytes = -1;
    while (std::fgets(line, sizeof line, status) != nullptr) {
        if (std::strncmp(line, "VmRSS:", 6) == 0) {
            std::sscanf(line + 6, "%ld", &kilobytes);
            break;
        }
    }
    std::fclose(status);
    return kilobytes;
}

}
