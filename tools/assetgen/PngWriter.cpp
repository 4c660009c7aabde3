#include "PngWriter.h"

#include <png.h>

#include <cmath>
#include <cstdint>
#include <cstdio>
#include <memory>
#include <stdexcept>
#include <vector>

namespace gfxgen {
namespace {

struct FileCloser {
    void operator()(std::FILE* file) const { std::fclose(file); }
};

std::uint8_t toByte(float v) { return static_cast<std::uint8_t>(std::lround(clamp01(v) * 255.0f)); }

std::vector<std::uint8_t> rgbaRows(const Image& image)
{
    std::vector<std::uint8_t> bytes;
    bytes.reserve(static_cast<size_t>(image.width()) * image.height() * 4);
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x) {
            const Colour& c = image.at(x, y);
            bytes.insert(bytes.end(), {toByte(c.r), toByte(c.g), toByte(c.b), toByte(c.a)});
        }
    return bytes;
}

} // namespace

void writePng(const std::filesystem::path& file, const Image& image)
{
    std::vector<std::uint8_t> bytes = rgbaRows(image);
    std::vector<png_bytep> rows(static_cast<size_t>(image.height()));
    for (int y = 0; y < image.height(); ++y)
        rows[static_cast<size_t>(y)] = bytes.data() + static_cast<size_t>(y) * image.width() * 4;

    std::unique_ptr<std::FILE, FileCloser> out(std::fopen(file.c_str(), "wb"));
    png_structp png = out ? png_create_write_struct(PNG_LIBPNG_VER_STRING, nullptr, nullptr, nullptr) : nullptr;
    png_infop info = png ? png_create_info_struct(png) : nullptr;
    if (!info) {
        png_destroy_write_struct(&png, nullptr);
        throw std::runtime_error("cannot write " + file.string());
    }
    // libpng reports its errors by a long jump back here; nothing on this
    // frame needs a destructor run between here and the end of the writing.
    if (setjmp(png_jmpbuf(png))) {
        png_destroy_write_struct(&png, &info);
        throw std::runtime_error("cannot write " + file.string());
    }
    png_init_io(png, out.get());
    png_set_IHDR(png, info, static_cast<png_uint_32>(image.width()), static_cast<png_uint_32>(image.height()), 8,
                 PNG_COLOR_TYPE_RGBA, PNG_INTERLACE_NONE, PNG_COMPRESSION_TYPE_DEFAULT, PNG_FILTER_TYPE_DEFAULT);
    png_set_compression_level(png, 9);
    png_write_info(png, info);
    png_write_image(png, rows.data());
    png_write_end(png, nullptr);
    png_destroy_write_struct(&png, &info);
    if (std::fflush(out.get()) != 0)
        throw std::runtime_error("cannot write " + file.string());
}

} // namespace gfxgen
