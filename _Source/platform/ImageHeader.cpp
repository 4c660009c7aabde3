#include "platform/ImageHeader.h"

#include <algorithm>
#include <cctype>
#include <string>

namespace dh {

namespace {

std::uint32_t u16At(const std::uint8_t* data, std::size_t at)
{
    return data[at] | (std::uint32_t{data[at + 1]} << 8);
}

bool sideAcceptable(std::uint32_t side)
{
    return side >= 1 && side <= kMaxImageSide;
}

bool tgaColourMapFits(const std::uint8_t* data, std::uint64_t& bytes)
{
    const std::uint32_t mapType = data[1];
    const std::uint32_t entryBits = data[7];
    if (mapType == 0) {
        bytes = 0;
        return true;
    }
    if (mapType != 1 || (entryBits != 15 && entryBits != 16 && entryBits != 24 && entryBits != 32)) {
        return false;
    }
    bytes = std::uint64_t{u16At(data, 5)} * ((entryBits + 7) / 8);
    return true;
}

bool tgaDepthFitsType(std::uint32_t baseType, std::uint32_t depth, bool hasMap)
{
    switch (baseType) {
    case 1:
        return hasMap && depth == 8;
    case 2:
        return depth == 15 || depth == 16 || depth == 24 || depth == 32;
    case 3:
        return depth == 8;
    default:
        return false;
    }
}

bool tgaAcceptable(const std::uint8_t* data, std::size_t size)
{
    constexpr std::size_t kHeader = 18;
    if (size < kHeader) {
        return false;
    }
    const std::uint32_t type = data[2];
    const bool runLength = type >= 9 && type <= 11;
    const std::uint32_t depth = data[16];
    const std::uint32_t width = u16At(data, 12);
    const std::uint32_t height = u16At(data, 14);
    std::uint64_t mapBytes = 0;
    if (!tgaColourMapFits(data, mapBytes) || !tgaDepthFitsType(runLength ? type - 8 : type, depth, data[1] == 1) ||
        !sideAcceptable(width) || !sideAcceptable(height)) {
        return false;
    }
    const std::uint64_t start = kHeader + std::uint64_t{data[0]} + mapBytes;
    if (start > size) {
        return false;
    }
    const std::uint64_t pixels = std::uint64_t{width} * height;
    const std::uint64_t pixelBytes = (depth + 7) / 8;
    // A run-length packet is one count byte and one pixel for up to 128 pixels.
    const std::uint64_t least = runLength ? (pixels + 127) / 128 * (1 + pixelBytes) : pixels * pixelBytes;
    return least <= size - start;
}

// Skips a chain of GIF data sub-blocks ending in an empty one; false when the
// chain runs past the end.
bool skipGifSubBlocks(const std::uint8_t* data, std::size_t size, std::size_t& at)
{
    for (;;) {
        if (at >= size) {
            return false;
        }
        const std::size_t length = data[at];
        at += 1 + length;
        if (length == 0) {
            return true;
        }
    }
}

std::size_t gifColourTableBytes(std::uint8_t flags)
{
    return (flags & 0x80) != 0 ? 3u * (2u << (flags & 0x07)) : 0;
}

bool gifImageAcceptable(const std::uint8_t* data, std::size_t size, std::size_t& at)
{
    constexpr std::size_t kDescriptor = 10;
    if (size - at < kDescriptor || !sideAcceptable(u16At(data, at + 5)) || !sideAcceptable(u16At(data, at + 7))) {
        return false;
    }
    at += kDescriptor + gifColourTableBytes(data[at + 9]);
    // The byte after the colour table is the code size; the pixel data follows it.
    if (at >= size) {
        return false;
    }
    ++at;
    return skipGifSubBlocks(data, size, at);
}

bool gifAcceptable(const std::uint8_t* data, std::size_t size)
{
    constexpr std::size_t kScreen = 13;
    if (size < kScreen || (std::string(data, data + 6) != "GIF87a" && std::string(data, data + 6) != "GIF89a") ||
        u16At(data, 6) > kMaxImageSide || u16At(data, 8) > kMaxImageSide) {
        return false;
    }
    std::size_t at = kScreen + gifColourTableBytes(data[10]);
    bool anyImage = false;
    while (at < size) {
        const std::uint8_t block = data[at];
        if (block == 0x3B) {
            break;
        }
        if (block == 0x2C) {
            if (!gifImageAcceptable(data, size, at)) {
                return false;
            }
            anyImage = true;
        } else if (block == 0x21 && size - at >= 2) {
            at += 2;
            if (!skipGifSubBlocks(data, size, at)) {
                return false;
            }
        } else {
            return false;
        }
    }
    return anyImage;
}

}

ImageFileType imageFileType(const std::filesystem::path& file)
{
    std::string extension = file.extension().string();
    std::transform(extension.begin(), extension.end(), extension.begin(),
                   [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
    if (extension == ".tga") {
        return ImageFileType::Tga;
    }
    if (extension == ".gif") {
        return ImageFileType::Gif;
    }
    return ImageFileType::Unknown;
}

bool imageHeaderAcceptable(ImageFileType type, const std::uint8_t* data, std::size_t size)
{
    switch (type) {
    case ImageFileType::Tga:
        return tgaAcceptable(data, size);
    case ImageFileType::Gif:
        return gifAcceptable(data, size);
    case ImageFileType::Unknown:
        break;
    }
    return false;
}

}
