#pragma once
#include <filesystem>
#include <optional>
#include <string>

namespace dh {

// Asset paths are written with backslashes and doubled separators
// ("gfx\\star.tga", "snd//dock.wav"); this turns them into a relative path
// with single forward slashes.
std::string normalizeAssetPath(const std::string& path);

// The folder holding the asset folders for an executable in `executableFolder`:
// that folder itself (a build tree), else ../share/drift-hauler beside it (an
// installed prefix, wherever it was moved); nothing when neither holds them.
std::optional<std::filesystem::path> findAssetFolder(const std::filesystem::path& executableFolder);

// An asset path resolved against the asset folder found for the running
// executable, so the game starts from any working directory. Without one, a
// line on standard error names both places once and paths resolve beside the
// executable, where every asset is then missing and replaced.
std::filesystem::path assetPath(const std::string& path);

// The application icon the window shows, from the icon theme folder the asset
// generator wrote beside the assets (build tree) or installed next to them in
// the prefix's share folder; empty when there is neither.
std::filesystem::path windowIconPath();

// The per-user folder the save files live in, created if missing; empty when
// the platform has none.
std::filesystem::path userDataFolder();

}
