#include "rendering/ImageConversion.h"

#include <gtest/gtest.h>

namespace {

using dh::DecodedImage;

DecodedImage paletteImage(unsigned width, unsigned height, unsigned pitch)
{
    DecodedImage image;
    image.width = width;
    image.height = height;
    image.bitsPerPixel = 8;
    image.bytesPerPixel = 1;
    image.pitch = pitch;
    image.palette = {{10, 20, 30}, {40, 50, 60}, {70, 80, 90}};
    image.pixels.assign(static_cast<std::size_t>(pitch) * height, 0xEE);
    return image;
}

}

TEST(ImageConversion, PaletteRowsSkipTheirPaddingAndKeyOnlyWithAKey)
{
    // 3 wide: one padding byte after each row (0xEE), which must never be read as a texel.
    DecodedImage image = paletteImage(3, 2, 4);
    const std::uint8_t rows[] = {0, 1, 2, 0xEE, 2, 2, 1, 0xEE};
    image.pixels.assign(std::begin(rows), std::end(rows));
    std::vector<std::uint8_t> rgba;
    bool hasAlpha = true;
    ASSERT_TRUE(dh::convertToRGBA(image, rgba, hasAlpha));
    EXPECT_FALSE(hasAlpha);
    const std::vector<std::uint8_t> opaque{10, 20, 30, 255, 40, 50, 60, 255, 70, 80, 90, 255,
                                           70, 80, 90, 255, 70, 80, 90, 255, 40, 50, 60, 255};
    EXPECT_EQ(rgba, opaque);

    image.hasColourKey = true;
    image.colourKey = 2;
    ASSERT_TRUE(dh::convertToRGBA(image, rgba, hasAlpha));
    EXPECT_TRUE(hasAlpha);
    const std::vector<std::uint8_t> keyed{10, 20, 30, 255, 40, 50, 60, 255, 70, 80, 90, 0,
                                          70, 80, 90, 0,   70, 80, 90, 0,   40, 50, 60, 255};
    EXPECT_EQ(rgba, keyed);
}

TEST(ImageConversion, PaletteIndexBeyondThePaletteIsOpaqueBlack)
{
    DecodedImage image = paletteImage(1, 1, 4);
    image.pixels[0] = 200;
    std::vector<std::uint8_t> rgba;
    bool hasAlpha = false;
    ASSERT_TRUE(dh::convertToRGBA(image, rgba, hasAlpha));
    EXPECT_EQ(rgba, (std::vector<std::uint8_t>{0, 0, 0, 255}));
}

TEST(ImageConversion, SixteenBitChannelsByMaskShiftAndLoss)
{
    // RGB 565, width 1 so each row carries one 16-bit unit of padding.
    DecodedImage image;
    image.width = 1;
    image.height = 2;
    image.bitsPerPixel = 16;
    image.bytesPerPixel = 2;
    image.pitch = 4;
    image.red = {0xF800, 11, 3};
    image.green = {0x07E0, 5, 2};
    image.blue = {0x001F, 0, 3};
    // 0xF81F: red 31, green 0, blue 31; 0x07E0: green 63.
    image.pixels = {0x1F, 0xF8, 0xAA, 0xAA, 0xE0, 0x07, 0xAA, 0xAA};
    std::vector<std::uint8_t> rgba;
    bool hasAlpha = true;
    ASSERT_TRUE(dh::convertToRGBA(image, rgba, hasAlpha));
    EXPECT_FALSE(hasAlpha);
    EXPECT_EQ(rgba, (std::vector<std::uint8_t>{248, 0, 248, 255, 0, 252, 0, 255}));
}

TEST(ImageConversion, TwentyFourAndThirtyTwoBitPixels)
{
    DecodedImage image;
    image.width = 1;
    image.height = 2;
    image.bitsPerPixel = 24;
    image.bytesPerPixel = 3;
    image.pitch = 4;
    image.red = {0x0000FF, 0, 0};
    image.green = {0x00FF00, 8, 0};
    image.blue = {0xFF0000, 16, 0};
    image.pixels = {1, 2, 3, 0xAA, 4, 5, 6, 0xAA};
    std::vector<std::uint8_t> rgba;
    bool hasAlpha = true;
    ASSERT_TRUE(dh::convertToRGBA(image, rgba, hasAlpha));
    EXPECT_FALSE(hasAlpha);
    EXPECT_EQ(rgba, (std::vector<std::uint8_t>{1, 2, 3, 255, 4, 5, 6, 255}));

    // BGRA in memory.
    image.bitsPerPixel = 32;
    image.bytesPerPixel = 4;
    image.width = 2;
    image.height = 1;
    image.pitch = 8;
    image.red = {0x00FF0000, 16, 0};
    image.green = {0x0000FF00, 8, 0};
    image.blue = {0x000000FF, 0, 0};
    image.alpha = {0xFF000000, 24, 0};
    image.pixels = {30, 20, 10, 40, 3, 2, 1, 0};
    ASSERT_TRUE(dh::convertToRGBA(image, rgba, hasAlpha));
    EXPECT_TRUE(hasAlpha);
    EXPECT_EQ(rgba, (std::vector<std::uint8_t>{10, 20, 30, 40, 1, 2, 3, 0}));

    // Without an alpha channel a 32-bit image stays visible.
    image.alpha = {};
    ASSERT_TRUE(dh::convertToRGBA(image, rgba, hasAlpha));
    EXPECT_EQ(rgba, (std::vector<std::uint8_t>{10, 20, 30, 255, 1, 2, 3, 255}));
}

TEST(ImageConversion, ShortPixelDataAndUnknownDepthsAreRefused)
{
    std::vector<std::uint8_t> rgba;
    bool hasAlpha = false;
    DecodedImage truncated = paletteImage(4, 4, 4);
    truncated.pixels.resize(15);
    EXPECT_FALSE(dh::convertToRGBA(truncated, rgba, hasAlpha));

    DecodedImage narrowPitch = paletteImage(5, 1, 4);
    EXPECT_FALSE(dh::convertToRGBA(narrowPitch, rgba, hasAlpha));

    DecodedImage empty = paletteImage(0, 0, 4);
    EXPECT_FALSE(dh::convertToRGBA(empty, rgba, hasAlpha));

    DecodedImage fourBit = paletteImage(2, 2, 4);
    fourBit.bitsPerPixel = 4;
    EXPECT_FALSE(dh::convertToRGBA(fourBit, rgba, hasAlpha));
}
