#include "platform/AtomicFile.h"

#include <fcntl.h>
#include <unistd.h>

#include <cstdio>
#include <filesystem>

namespace dh {

namespace {

void syncFolder(const std::string& path)
{
    const std::filesystem::path folder = std::filesystem::path(path).parent_path();
    const int descriptor = ::open(folder.empty() ? "." : folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (descriptor >= 0) {
        ::fsync(descriptor);
        ::close(descriptor);
    }
}

}

AtomicWrite writeFileAtomically(const std::string& path, std::string_view bytes)
{
    const std::string temporary = path + ".tmp";
    std::FILE* out = path.empty() ? nullptr : std::fopen(temporary.c_str(), "wb");
    if (out == nullptr)
        return AtomicWrite::cannotOpen;
    bool written = std::fwrite(bytes.data(), 1, bytes.size(), out) == bytes.size();
    written = std::fflush(out) == 0 && written;
    written = ::fsync(::fileno(out)) == 0 && written;
    written = std::fclose(out) == 0 && written;
    if (!written || std::rename(temporary.c_str(), path.c_str()) != 0) {
        std::remove(temporary.c_str());
        return AtomicWrite::failed;
    }
    syncFolder(path);
    return AtomicWrite::written;
}

}
