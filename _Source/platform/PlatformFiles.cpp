#include "platform/PlatformFiles.h"

#include <SDL.h>

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

std::filesystem::path assetPath(const std::string& path)
{
    static const std::filesystem::path base = [] {
        char* raw = SDL_GetBasePath();
        std::filesystem::path folder = raw ? std::filesystem::path(raw) : std::filesystem::current_path();
        SDL_free(raw);
        return folder;
    }();
    return base / normalizeAssetPath(path);
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
