#pragma once
#include "Image.h"

#include <filesystem>

namespace gfxgen {

// An 8-bit RGBA PNG with no time stamp or text, so equal pictures give equal
// files. Throws std::runtime_error when the file cannot be written.
void writePng(const std::filesystem::path& file, const Image& image);

} // namespace gfxgen
