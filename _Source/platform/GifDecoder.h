#pragma once
#include "platform/PlatformImage.h"

#include <cstdint>
#include <vector>

namespace dh {

// Decodes the first image of a GIF file's bytes with giflib into an 8-bit
// palette image, rows top first, the transparent index of its graphic control
// block (if any) as the colour key. Only that image is read: later frames
// cost nothing. False when the file is not a GIF or is cut short.
bool decodeGif(const std::vector<std::uint8_t>& bytes, DecodedImage& image);

}
