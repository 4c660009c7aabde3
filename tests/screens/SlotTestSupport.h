#pragma once
#include <chrono>
#include <filesystem>
#include <string>

#include "support/PrivateDataFolder.h"

// A private folder for the slot tests' save files, removed when the program
// ends; the commander's own folder is never touched.
namespace slottest {

inline const std::string& slotFolder()
{
    return testsupport::privateDataFolder("dh-slot-test");
}

inline std::string slotPath(int slot)
{
    return slotFolder() + "/save" + std::to_string(slot) + ".sav";
}

inline void clearSlots()
{
    for (int slot = 1; slot <= 5; ++slot)
        std::filesystem::remove_all(slotPath(slot));
}

// The file's last write, given in UTC.
inline void setWriteTime(const std::string& path, std::chrono::sys_days day, int hour, int minute)
{
    using namespace std::chrono;
    const sys_time<system_clock::duration> when = day + hours{hour} + minutes{minute};
    std::filesystem::last_write_time(path, file_clock::from_sys(when));
}

}
