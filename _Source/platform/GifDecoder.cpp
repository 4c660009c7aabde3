#include "platform/GifDecoder.h"

#include "platform/ImageHeader.h"

#include <gif_lib.h>

#include <algorithm>
#include <array>
#include <cstring>
#include <memory>

namespace dh {

namespace {

struct Source {
    const std::vector<std::uint8_t>& bytes;
    std::size_t at = 0;
};

int readBytes(GifFileType* gif, GifByteType* out, int wanted)
{
    auto* source = static_cast<Source*>(gif->UserData);
    const std::size_t count = std::min<std::size_t>(source->bytes.size() - source->at, std::max(wanted, 0));
    if (count == 0) {
        return 0;
    }
    std::memcpy(out, source->bytes.data() + source->at, count);
    source->at += count;
    return static_cast<int>(count);
}

struct GifCloser {
    void operator()(GifFileType* gif) const
    {
        int error = 0;
        DGifCloseFile(gif, &error);
    }
};

// Skips an extension; the first block of a graphic control extension names
// the transparent index of the image after it.
bool readExtension(GifFileType* gif, int& transparent)
{
    int code = 0;
    GifByteType* block = nullptr;
    if (DGifGetExtension(gif, &code, &block) == GIF_ERROR) {
        return false;
    }
    if (block != nullptr && code == GRAPHICS_EXT_FUNC_CODE) {
        GraphicsControlBlock control{};
        if (DGifExtensionToGCB(block[0], block + 1, &control) == GIF_OK) {
            transparent = control.TransparentColor;
        }
    }
    while (block != nullptr) {
        if (DGifGetExtensionNext(gif, &block) == GIF_ERROR) {
            return false;
        }
    }
    return true;
}

bool readImage(GifFileType* gif, int transparent, DecodedImage& image)
{
    if (DGifGetImageDesc(gif) == GIF_ERROR) {
        return false;
    }
    const GifImageDesc& desc = gif->Image;
    const ColorMapObject* map = desc.ColorMap != nullptr ? desc.ColorMap : gif->SColorMap;
    if (map == nullptr || desc.Width <= 0 || desc.Height <= 0 || desc.Width > int(kMaxImageSide) ||
        desc.Height > int(kMaxImageSide)) {
        return false;
    }
    const auto width = static_cast<std::uint32_t>(desc.Width);
    const auto height = static_cast<std::uint32_t>(desc.Height);
    image.width = width;
    image.height = height;
    image.bitsPerPixel = 8;
    image.bytesPerPixel = 1;
    image.pitch = width;
    for (int i = 0; i < map->ColorCount; ++i) {
        image.palette.push_back({map->Colors[i].Red, map->Colors[i].Green, map->Colors[i].Blue});
    }
    image.hasColourKey = transparent != NO_TRANSPARENT_COLOR;
    image.colourKey = image.hasColourKey ? static_cast<std::uint32_t>(transparent) : 0;
    image.pixels.assign(static_cast<std::size_t>(width) * height, 0);
    // Interlaced rows come in four passes.
    constexpr std::array<std::uint32_t, 4> kFirst{0, 4, 2, 1};
    constexpr std::array<std::uint32_t, 4> kStep{8, 8, 4, 2};
    const int passes = desc.Interlace ? 4 : 1;
    for (int pass = 0; pass < passes; ++pass) {
        const std::uint32_t first = desc.Interlace ? kFirst[pass] : 0;
        const std::uint32_t step = desc.Interlace ? kStep[pass] : 1;
        for (std::uint32_t row = first; row < height; row += step) {
            if (DGifGetLine(gif, image.pixels.data() + static_cast<std::size_t>(row) * width, desc.Width) ==
                GIF_ERROR) {
                return false;
            }
        }
    }
    return true;
}

}

bool decodeGif(const std::vector<std::uint8_t>& bytes, DecodedImage& image)
{
    image = DecodedImage{};
    Source source{bytes};
    int error = 0;
    std::unique_ptr<GifFileType, GifCloser> gif(DGifOpen(&source, readBytes, &error));
    if (!gif) {
        return false;
    }
    int transparent = NO_TRANSPARENT_COLOR;
    for (;;) {
        GifRecordType record = UNDEFINED_RECORD_TYPE;
        if (DGifGetRecordType(gif.get(), &record) == GIF_ERROR) {
            return false;
        }
        if (record == IMAGE_DESC_RECORD_TYPE) {
            return readImage(gif.get(), transparent, image);
        }
        if (record != EXTENSION_RECORD_TYPE || !readExtension(gif.get(), transparent)) {
            return false;
        }
    }
}

}
