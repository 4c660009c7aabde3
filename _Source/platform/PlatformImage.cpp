#include "platform/PlatformImage.h"

#include "platform/GifDecoder.h"
#include "platform/ImageHeader.h"

#include <SDL.h>
#include <SDL_image.h>

#include <fstream>
#include <iterator>
#include <memory>
#include <system_error>

namespace dh {

namespace {

DecodedImage::Channel channel(std::uint32_t mask, std::uint8_t shift, std::uint8_t loss)
{
    return {mask, shift, loss};
}

void copySurface(const SDL_Surface& surface, DecodedImage& image)
{
    const SDL_PixelFormat& format = *surface.format;
    image.width = static_cast<std::uint32_t>(surface.w);
    image.height = static_cast<std::uint32_t>(surface.h);
    image.bitsPerPixel = format.BitsPerPixel;
    image.bytesPerPixel = format.BytesPerPixel;
    image.pitch = static_cast<std::uint32_t>(surface.pitch);
    image.red = channel(format.Rmask, format.Rshift, format.Rloss);
    image.green = channel(format.Gmask, format.Gshift, format.Gloss);
    image.blue = channel(format.Bmask, format.Bshift, format.Bloss);
    image.alpha = channel(format.Amask, format.Ashift, format.Aloss);
    if (format.palette != nullptr) {
        for (int i = 0; i < format.palette->ncolors; ++i) {
            const SDL_Color& c = format.palette->colors[i];
            image.palette.push_back({c.r, c.g, c.b});
        }
    }
    Uint32 key = 0;
    if (SDL_GetColorKey(const_cast<SDL_Surface*>(&surface), &key) == 0) {
        image.hasColourKey = true;
        image.colourKey = key;
    }
    const auto* bytes = static_cast<const std::uint8_t*>(surface.pixels);
    image.pixels.assign(bytes, bytes + static_cast<std::size_t>(image.pitch) * image.height);
}

// Sides of kMaxImageSide in 32 bits, with room for colour tables and extensions.
constexpr std::uintmax_t kMaxFileBytes = std::uintmax_t{kMaxImageSide} * kMaxImageSide * 4 + (1u << 20);

bool readImageFile(const std::filesystem::path& file, std::vector<std::uint8_t>& bytes)
{
    std::ifstream in(file, std::ios::binary);
    if (!in) {
        return false;
    }
    bytes.assign(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
    return !in.bad();
}

// The TGA decoder is called by name: the bytes are never sniffed for a type.
SDL_Surface* decodeTga(const std::vector<std::uint8_t>& bytes)
{
    SDL_RWops* source = SDL_RWFromConstMem(bytes.data(), static_cast<int>(bytes.size()));
    if (source == nullptr) {
        return nullptr;
    }
    SDL_Surface* surface = IMG_LoadTGA_RW(source);
    SDL_RWclose(source);
    return surface;
}

bool copyPixels(SDL_Surface& surface, DecodedImage& image)
{
    if (surface.w <= 0 || surface.h <= 0 || surface.pitch <= 0) {
        return false;
    }
    const bool locked = SDL_MUSTLOCK(&surface);
    if (locked && SDL_LockSurface(&surface) != 0) {
        return false;
    }
    const bool hasPixels = surface.pixels != nullptr;
    if (hasPixels) {
        copySurface(surface, image);
    }
    if (locked) {
        SDL_UnlockSurface(&surface);
    }
    return hasPixels;
}

}

ImageDecoding decodeImage(const std::filesystem::path& file, DecodedImage& image)
{
    image = DecodedImage{};
    std::error_code error;
    const std::uintmax_t fileBytes = std::filesystem::file_size(file, error);
    if (error) {
        return ImageDecoding::Failed;
    }
    const ImageFileType type = imageFileType(file);
    if (type == ImageFileType::Unknown || fileBytes > kMaxFileBytes) {
        return ImageDecoding::Refused;
    }
    std::vector<std::uint8_t> bytes;
    if (!readImageFile(file, bytes)) {
        return ImageDecoding::Failed;
    }
    if (!imageHeaderAcceptable(type, bytes.data(), bytes.size())) {
        return ImageDecoding::Refused;
    }
    // SDL_image's GIF decoder frees memory it never allocated on some damaged files; giflib reads them safely.
    if (type == ImageFileType::Gif) {
        return decodeGif(bytes, image) ? ImageDecoding::Decoded : ImageDecoding::Failed;
    }
    std::unique_ptr<SDL_Surface, void (*)(SDL_Surface*)> surface(decodeTga(bytes), SDL_FreeSurface);
    return surface && copyPixels(*surface, image) ? ImageDecoding::Decoded : ImageDecoding::Failed;
}

bool savePng(const std::filesystem::path& file, int width, int height, const std::vector<std::uint8_t>& rgba)
{
    if (width <= 0 || height <= 0 || rgba.size() < static_cast<std::size_t>(width) * height * 4) {
        return false;
    }
    std::unique_ptr<SDL_Surface, void (*)(SDL_Surface*)> surface(
        SDL_CreateRGBSurfaceWithFormatFrom(const_cast<std::uint8_t*>(rgba.data()), width, height, 32, width * 4,
                                           SDL_PIXELFORMAT_RGBA32),
        SDL_FreeSurface);
    return surface && IMG_SavePNG(surface.get(), file.string().c_str()) == 0;
}

}
