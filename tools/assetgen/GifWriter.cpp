#include "GifWriter.h"

#include <gif_lib.h>

#include <memory>
#include <stdexcept>

namespace modelgen {

namespace {

struct GifCloser {
    void operator()(GifFileType* gif) const
    {
        int error = 0;
        EGifCloseFile(gif, &error);
    }
};

struct MapFreer {
    void operator()(ColorMapObject* map) const { GifFreeMapObject(map); }
};

}  // namespace

void writeGif(const std::filesystem::path& file, int width, int height,
              const std::vector<std::uint8_t>& indices, const std::array<GifColour, 256>& palette)
{
    if (width <= 0 || height <= 0 || indices.size() != static_cast<std::size_t>(width) * height)
        throw std::logic_error("skin size does not match its pixels");
    const std::string name = file.string();
    auto fail = [&name]() { return std::runtime_error("cannot write " + name); };

    std::array<GifColorType, 256> colours;
    for (std::size_t i = 0; i < palette.size(); ++i)
        colours[i] = {palette[i].r, palette[i].g, palette[i].b};
    std::unique_ptr<ColorMapObject, MapFreer> map(GifMakeMapObject(256, colours.data()));
    int error = 0;
    GifFileType* raw = EGifOpenFileName(name.c_str(), false, &error);
    if (!map || !raw)
        throw fail();
    std::unique_ptr<GifFileType, GifCloser> gif(raw);
    if (EGifPutScreenDesc(gif.get(), width, height, 8, 0, map.get()) == GIF_ERROR ||
        EGifPutImageDesc(gif.get(), 0, 0, width, height, false, nullptr) == GIF_ERROR)
        throw fail();
    std::vector<GifPixelType> row(static_cast<std::size_t>(width));
    for (int y = 0; y < height; ++y) {
        for (int x = 0; x < width; ++x)
            row[static_cast<std::size_t>(x)] = indices[static_cast<std::size_t>(y) * width + x];
        if (EGifPutLine(gif.get(), row.data(), width) == GIF_ERROR)
            throw fail();
    }
    if (EGifCloseFile(gif.release(), &error) == GIF_ERROR)
        throw fail();
    // giflib creates the file readable by its owner only.
    std::filesystem::permissions(file, std::filesystem::perms::owner_read | std::filesystem::perms::owner_write |
                                           std::filesystem::perms::group_read | std::filesystem::perms::others_read);
}

}  // namespace modelgen
