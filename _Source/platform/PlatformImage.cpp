#include "platform/PlatformImage.h"

#include <SDL.h>
#include <SDL_image.h>

#include <memory>

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

}

bool decodeImage(const std::filesystem::path& file, DecodedImage& image)
{
    image = DecodedImage{};
    std::unique_ptr<SDL_Surface, void (*)(SDL_Surface*)> surface(IMG_Load(file.string().c_str()), SDL_FreeSurface);
    if (!surface || surface->w <= 0 || surface->h <= 0 || surface->pitch <= 0) {
        return false;
    }
    const bool locked = SDL_MUSTLOCK(surface.get());
    if (locked && SDL_LockSurface(surface.get()) != 0) {
        return false;
    }
    const bool hasPixels = surface->pixels != nullptr;
    if (hasPixels) {
        copySurface(*surface, image);
    }
    if (locked) {
        SDL_UnlockSurface(surface.get());
    }
    return hasPixels;
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
