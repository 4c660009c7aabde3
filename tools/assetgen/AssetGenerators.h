#pragma once
#include <filesystem>

// Each generator writes one asset folder (created by the caller) and throws
// std::runtime_error when a file cannot be written.
void generateTextures(const std::filesystem::path& gfxDir);
void generateFonts(const std::filesystem::path& fntDir);
void generateModels(const std::filesystem::path& mdlDir);
void generateSounds(const std::filesystem::path& sndDir);
void generateMusic(const std::filesystem::path& musDir);
// The application icon at every size a desktop asks for, as icons/hicolor/NxN/apps/drift-hauler.png.
void generateIcons(const std::filesystem::path& iconsDir);
