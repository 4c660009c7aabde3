#include "rendering/ImageConversion.h"

namespace dh {

namespace {

std::uint8_t channelValue(std::uint32_t pixel, const DecodedImage::Channel& c)
{
    return static_cast<std::uint8_t>(((pixel & c.mask) >> c.shift) << c.loss);
}

std::uint32_t readPixel(const std::uint8_t* p, std::uint32_t bytes)
{
    std::uint32_t value = 0;
    for (std::uint32_t i = 0; i < bytes; ++i) {
        value |= static_cast<std::uint32_t>(p[i]) << (8 * i);
    }
    return value;
}

bool fits(const DecodedImage& image)
{
    const std::uint64_t rowBytes = static_cast<std::uint64_t>(image.width) * image.bytesPerPixel;
    return image.width > 0 && image.height > 0 && image.pitch >= rowBytes &&
           image.pixels.size() >= static_cast<std::uint64_t>(image.pitch) * image.height;
}

void convertPalette(const DecodedImage& image, std::uint8_t* out, bool hasAlpha)
{
    for (std::uint32_t y = 0; y < image.height; ++y) {
        const std::uint8_t* row = image.pixels.data() + static_cast<std::size_t>(y) * image.pitch;
        for (std::uint32_t x = 0; x < image.width; ++x, out += 4) {
            const std::uint8_t index = row[x];
            // An index past the palette has no colour; it shows black rather than reading beyond it.
            const DecodedImage::PaletteEntry entry =
                index < image.palette.size() ? image.palette[index] : DecodedImage::PaletteEntry{};
            out[0] = entry.r;
            out[1] = entry.g;
            out[2] = entry.b;
            out[3] = hasAlpha && index == image.colourKey ? 0 : 255;
        }
    }
}

void convertMasked(const DecodedImage& image, std::uint8_t* out, bool withAlpha)
{
    for (std::uint32_t y = 0; y < image.height; ++y) {
        const std::uint8_t* row = image.pixels.data() + static_cast<std::size_t>(y) * image.pitch;
        for (std::uint32_t x = 0; x < image.width; ++x, out += 4) {
            const std::uint32_t pixel = readPixel(row + x * image.bytesPerPixel, image.bytesPerPixel);
            out[0] = channelValue(pixel, image.red);
            out[1] = channelValue(pixel, image.green);
            out[2] = channelValue(pixel, image.blue);
            // A 32-bit image without an alpha channel is opaque, not invisible.
            out[3] = withAlpha && image.alpha.mask != 0 ? channelValue(pixel, image.alpha) : 255;
        }
    }
}

}

bool convertToRGBA(const DecodedImage& image, std::vector<std::uint8_t>& rgba, bool& hasAlpha)
{
    hasAlpha = false;
    const std::uint32_t bits = image.bitsPerPixel;
    const bool known = (bits == 8 && image.bytesPerPixel == 1) || ((bits == 15 || bits == 16) && image.bytesPerPixel == 2) ||
                       (bits == 24 && image.bytesPerPixel == 3) || (bits == 32 && image.bytesPerPixel == 4);
    if (!known || !fits(image)) {
        return false;
    }
    rgba.assign(static_cast<std::size_t>(image.width) * image.height * 4, 0);
    if (bits == 8) {
        hasAlpha = image.hasColourKey;
        convertPalette(image, rgba.data(), hasAlpha);
    } else {
        hasAlpha = bits == 32;
        convertMasked(image, rgba.data(), hasAlpha);
    }
    return true;
}

}
