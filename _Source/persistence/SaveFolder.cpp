#include "persistence/SaveFolder.h"

#include "platform/PlatformFiles.h"

#include <chrono>
#include <cstdio>
#include <filesystem>
#include <system_error>

namespace dh {

std::string saveFolderPath()
{
    // The platform creates the folder while it looks it up; one look-up is enough.
    static const std::string folder = [] {
        std::string path = userDataFolder().string();
        while (path.size() > 1 && path.back() == '/') {
            path.pop_back();
        }
        return path;
    }();
    return folder;
}

void ensureSaveFolder()
{
    const std::string folder = saveFolderPath();
    if (folder.empty()) {
        return;
    }
    std::error_code ignored;
    std::filesystem::create_directories(folder, ignored);
    for (int slot = 1; slot <= kSaveSlots; ++slot) {
        removeStaleTemporarySaveFile(slotFilePath(slot));
    }
}

std::string slotFilePath(int slot)
{
    const std::string folder = saveFolderPath();
    if (folder.empty() || slot < 1 || slot > kSaveSlots) {
        return {};
    }
    return folder + "/save" + std::to_string(slot) + ".sav";
}

std::string temporarySaveFilePath(const std::string& path)
{
    return path + ".tmp";
}

void removeStaleTemporarySaveFile(const std::string& path)
{
    const std::string temporary = temporarySaveFilePath(path);
    std::error_code ignored;
    if (!path.empty() && std::filesystem::is_regular_file(std::filesystem::symlink_status(temporary, ignored))) {
        std::filesystem::remove(temporary, ignored);
    }
}

std::optional<std::tm> saveFileTime(const std::string& path)
{
    std::error_code error;
    if (path.empty() || !std::filesystem::is_regular_file(path, error)) {
        return std::nullopt;
    }
    const std::filesystem::file_time_type written = std::filesystem::last_write_time(path, error);
    if (error) {
        return std::nullopt;
    }
    const std::time_t seconds = std::chrono::system_clock::to_time_t(
        std::chrono::time_point_cast<std::chrono::system_clock::duration>(std::chrono::file_clock::to_sys(written)));
    std::tm utc{};
    if (gmtime_r(&seconds, &utc) == nullptr) {
        return std::nullopt;
    }
    return utc;
}

bool deleteSaveFile(const std::string& path)
{
    return !path.empty() && std::remove(path.c_str()) == 0;
}

}
