#pragma once
#include "platform/PlatformImage.h"

#include <cstdint>
#include <vector>

namespace dh {

// Turns a decoded 8, 16, 24 or 32-bit image into width x height RGBA bytes,
// rows in the image's order. hasAlpha is set for 32-bit images and for palette
// images with a colour key; only then is the key's entry transparent. False
// for any other depth and for pixel data shorter than its own header claims.
bool convertToRGBA(const DecodedImage& image, std::vector<std::uint8_t>& rgba, bool& hasAlpha);

}
