#pragma once
#include <filesystem>
#include <string>

namespace dh {

// Asset paths are written with backslashes and doubled separators
// ("gfx\\star.tga", "snd//dock.wav"); this turns them into a relative path
// with single forward slashes.
std::string normalizeAssetPath(const std::string& path);

// An asset path resolved against the folder of the executable, so the game
// starts from any working directory.
std::filesystem::path assetPath(const std::string& path);

// The per-user folder the save files live in, created if missing; empty when
// the platform has none.
std::filesystem::path userDataFolder();

}
