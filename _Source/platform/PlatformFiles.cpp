#include "platform/PlatformFiles.h"

#include <SDL.h>

#include <array>
#include <cstdio>

namespace dh {

std::string normalizeAssetPath(const std::string& path)
{
    std::string out;
    out.reserve(path.size());
    for (char c : path) {
        const char slash = c == '\\' ? '/' : c;
        if (slash == '/' && (out.empty() || out.back() == '/'))
            continue;
        out.push_back(slash);
    }
    return out;
}

namespace {

constexpr std::array<const char*, 5> kAssetFolders{"gfx", "fnt", "mdl", "snd", "mus"};

bool holdsAssets(const std::filesystem::path& folder)
{
    std::error_code error;
    for (const char* name : kAssetFolders) {
        if (!std::filesystem::is_directory(folder / name, error))
            return false;
    }
    return true;
}

std::filesystem::path installedAssetFolder(const std::filesystem::path& executableFolder)
{
    return (executableFolder / ".." / "share" / "drift-hauler").lexically_normal();
}

// The real folder of the running executable, links resolved.
std::filesystem::path executableFolder()
{
    char* raw = SDL_GetBasePath();
    std::filesystem::path folder = raw ? std::filesystem::path(raw) : std::filesystem::current_path();
    SDL_free(raw);
    folder = folder.lexically_normal();
    return folder.has_filename() ? folder : folder.parent_path();
}

std::filesystem::path assetBase()
{
    const std::filesystem::path folder = executableFolder();
    if (std::optional<std::filesystem::path> found = findAssetFolder(folder))
        return *found;
    std::fprintf(stderr, "drift-hauler: no asset folders in %s or in %s; going on without them\n",
                 folder.c_str(), installedAssetFolder(folder).c_str());
    return folder;
}

}

std::optional<std::filesystem::path> findAssetFolder(const std::filesystem::path& executableFolder)
{
    if (holdsAssets(executableFolder))
        return executableFolder;
    const std::filesystem::path installed = installedAssetFolder(executableFolder);
    if (holdsAssets(installed))
        return installed;
    return std::nullopt;
}

std::filesystem::path assetPath(const std::string& path)
{
    static const std::filesystem::path base = assetBase();
    return base / normalizeAssetPath(path);
}

std::filesystem::path windowIconPath()
{
    const std::filesystem::path icon = std::filesystem::path("hicolor") / "64x64" / "apps" / "drift-hauler.png";
    const std::filesystem::path base = assetPath("");
    std::error_code error;
    for (const std::filesystem::path& themes : {base / "icons", (base / ".." / "icons").lexically_normal()}) {
        if (std::filesystem::is_regular_file(themes / icon, error))
            return themes / icon;
    }
    return {};
}

std::filesystem::path userDataFolder()
{
    char* raw = SDL_GetPrefPath("Quillon Marsh", "Drift Hauler");
    if (!raw)
        return {};
    std::filesystem::path folder(raw);
    SDL_free(raw);
    return folder;
}

}
