#pragma once
#include <filesystem>

namespace bench {

// Writes the window's front buffer, the frame just swapped, as a binary PPM.
bool writeFrontBuffer(const std::filesystem::path& file);

}
