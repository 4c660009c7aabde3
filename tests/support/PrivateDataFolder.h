#pragma once
#include <cstdlib>
#include <filesystem>
#include <map>
#include <stdexcept>
#include <string>
#include <system_error>

namespace testsupport {

// A temporary folder for the tests' own save files, made on the first call for
// each name and made XDG_DATA_HOME then; every one is removed when the program
// ends, so the commander's own folder is never touched.
inline const std::string& privateDataFolder(const std::string& name)
{
    static std::map<std::string, std::string> folders;
    if (const auto found = folders.find(name); found != folders.end())
        return found->second;
    std::string folder = (std::filesystem::temp_directory_path() / (name + "-XXXXXX")).string();
    if (mkdtemp(folder.data()) == nullptr)
        throw std::runtime_error("no temporary folder");
    setenv("XDG_DATA_HOME", folder.c_str(), 1);
    if (folders.empty())
        std::atexit([] {
            std::error_code ignored;
            for (const auto& made : folders)
                std::filesystem::remove_all(made.second, ignored);
        });
    return folders.emplace(name, std::move(folder)).first->second;
}

}
