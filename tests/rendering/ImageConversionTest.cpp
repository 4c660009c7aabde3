#include "rendering/ImageConversion.h"

#include <gtest/gtest.h>

namespace {

using dh::DecodedImage;
using Bytes = std::vector<std::uint8_t>;

DecodedImage image(unsigned width, unsigned height, unsigned bits, unsigned pitch, Bytes pixels)
{
    DecodedImage image;
    image.width = width;
    image.height = height;
    image.bitsPerPixel = bits;
    image.bytesPerPixel = (bits + 7) / 8;
    image.pitch = pitch;
    image.palette = {{10, 20, 30}, {40, 50, 60}, {70, 80, 90}};
    image.pixels = std::move(pixels);
    return image;
}

// The converted texels, or {} when the image is refused; alpha tells whether it has any.
Bytes convert(const DecodedImage& image, bool& hasAlpha)
{
    Bytes rgba;
    return dh::convertToRGBA(image, rgba, hasAlpha) ? rgba : Bytes{};
}

}

TEST(ImageConversion, PaletteRowsSkipTheirPaddingAndKeyOnlyWithAKey)
{
    // 3 wide: one padding byte after each row (0xEE), never read as a texel.
    DecodedImage palette = image(3, 2, 8, 4, {0, 1, 2, 0xEE, 2, 2, 1, 0xEE});
    bool hasAlpha = true;
    EXPECT_EQ(convert(palette, hasAlpha), (Bytes{10, 20, 30, 255, 40, 50, 60, 255, 70, 80, 90, 255, //
                                                 70, 80, 90, 255, 70, 80, 90, 255, 40, 50, 60, 255}));
    EXPECT_FALSE(hasAlpha);

    palette.hasColourKey = true;
    palette.colourKey = 2;
    EXPECT_EQ(convert(palette, hasAlpha), (Bytes{10, 20, 30, 255, 40, 50, 60, 255, 70, 80, 90, 0, //
                                                 70, 80, 90, 0, 70, 80, 90, 0, 40, 50, 60, 255}));
    EXPECT_TRUE(hasAlpha);

    // An index beyond the palette is opaque black.
    EXPECT_EQ(convert(image(1, 1, 8, 4, {200, 0, 0, 0}), hasAlpha), (Bytes{0, 0, 0, 255}));
}

TEST(ImageConversion, SixteenTwentyFourAndThirtyTwoBitChannelsByMaskShiftAndLoss)
{
    // RGB 565, one 16-bit unit of padding a row: 0xF81F is red 31 and blue 31, 0x07E0 green 63.
    DecodedImage rgb565 = image(1, 2, 16, 4, {0x1F, 0xF8, 0xAA, 0xAA, 0xE0, 0x07, 0xAA, 0xAA});
    rgb565.red = {0xF800, 11, 3};
    rgb565.green = {0x07E0, 5, 2};
    rgb565.blue = {0x001F, 0, 3};
    bool hasAlpha = true;
    EXPECT_EQ(convert(rgb565, hasAlpha), (Bytes{248, 0, 248, 255, 0, 252, 0, 255}));
    EXPECT_FALSE(hasAlpha);

    DecodedImage rgb = image(1, 2, 24, 4, {1, 2, 3, 0xAA, 4, 5, 6, 0xAA});
    rgb.red = {0x0000FF, 0, 0};
    rgb.green = {0x00FF00, 8, 0};
    rgb.blue = {0xFF0000, 16, 0};
    EXPECT_EQ(convert(rgb, hasAlpha), (Bytes{1, 2, 3, 255, 4, 5, 6, 255}));

    // BGRA in memory; without an alpha channel it stays visible.
    DecodedImage bgra = image(2, 1, 32, 8, {30, 20, 10, 40, 3, 2, 1, 0});
    bgra.red = {0x00FF0000, 16, 0};
    bgra.green = {0x0000FF00, 8, 0};
    bgra.blue = {0x000000FF, 0, 0};
    bgra.alpha = {0xFF000000, 24, 0};
    EXPECT_EQ(convert(bgra, hasAlpha), (Bytes{10, 20, 30, 40, 1, 2, 3, 0}));
    EXPECT_TRUE(hasAlpha);
    bgra.alpha = {};
    EXPECT_EQ(convert(bgra, hasAlpha), (Bytes{10, 20, 30, 255, 1, 2, 3, 255}));
}

TEST(ImageConversion, ShortPixelDataAndUnknownDepthsAreRefused)
{
    bool hasAlpha = false;
    EXPECT_EQ(convert(image(4, 4, 8, 4, Bytes(15)), hasAlpha), Bytes{}) << "truncated";
    EXPECT_EQ(convert(image(5, 1, 8, 4, Bytes(16)), hasAlpha), Bytes{}) << "pitch narrower than a row";
    EXPECT_EQ(convert(image(0, 0, 8, 4, Bytes(16)), hasAlpha), Bytes{}) << "empty";
    EXPECT_EQ(convert(image(2, 2, 4, 4, Bytes(16)), hasAlpha), Bytes{}) << "4 bits a pixel";
}
