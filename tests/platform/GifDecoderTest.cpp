#include "platform/GifDecoder.h"
#include "platform/PlatformImage.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <iterator>

namespace {

using Bytes = std::vector<std::uint8_t>;

Bytes readFile(const std::filesystem::path& file)
{
    std::ifstream in(file, std::ios::binary);
    return Bytes(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

std::filesystem::path writeFile(const std::string& name, const Bytes& bytes)
{
    const std::filesystem::path path = std::filesystem::path(DH_BUILD_DIR) / "test-output" / "platform" / name;
    std::filesystem::create_directories(path.parent_path());
    std::ofstream(path, std::ios::binary)
        .write(reinterpret_cast<const char*>(bytes.data()), static_cast<std::streamsize>(bytes.size()));
    return path;
}

}

// The smallest transparent GIF there is: one pixel of index 0, which its
// graphic control block names transparent, in a two-entry table.
TEST(GifDecoder, TheFirstImageWithItsTableAndTransparentIndex)
{
    const Bytes pixel{'G', 'I', 'F', '8', '9', 'a', 1, 0, 1, 0, 0x80, 0, 0, 0xFF, 0xFF, 0xFF, 0, 0, 0,
                      0x21, 0xF9, 4, 1, 0, 0, 0, 0, 0x2C, 0, 0, 0, 0, 1, 0, 1, 0, 0, 2, 2, 0x44, 1, 0, 0x3B};
    dh::DecodedImage image;
    ASSERT_TRUE(dh::decodeGif(pixel, image));
    EXPECT_EQ(image.width, 1u);
    EXPECT_EQ(image.height, 1u);
    EXPECT_EQ(image.bitsPerPixel, 8u);
    ASSERT_EQ(image.palette.size(), 2u);
    EXPECT_EQ(image.palette[0].r, 255);
    EXPECT_EQ(image.palette[1].g, 0);
    EXPECT_TRUE(image.hasColourKey);
    EXPECT_EQ(image.colourKey, 0u);
    EXPECT_EQ(image.pixels, Bytes{0});

    Bytes opaque = pixel;
    opaque[22] = 0;  // the control block's "transparent index given" flag
    ASSERT_TRUE(dh::decodeGif(opaque, image));
    EXPECT_FALSE(image.hasColourKey);

    for (std::size_t size = 0; size < 40; ++size)
        EXPECT_FALSE(dh::decodeGif(Bytes(pixel.begin(), pixel.begin() + size), image)) << size;
}

TEST(GifDecoder, GeneratedSkinsDecodeAtTheSizeTheirHeadersGive)
{
    const std::filesystem::path skins = std::filesystem::path(DH_BUILD_DIR) / "mdl" / "gfx";
    if (!std::filesystem::exists(skins))
        GTEST_SKIP() << "the generated skins are not built yet";
    for (const auto& entry : std::filesystem::directory_iterator(skins)) {
        SCOPED_TRACE(entry.path().string());
        const Bytes bytes = readFile(entry.path());
        dh::DecodedImage image;
        ASSERT_EQ(dh::decodeImage(entry.path(), image), dh::ImageDecoding::Decoded);
        EXPECT_EQ(image.width, bytes[6] | (bytes[7] << 8));
        EXPECT_EQ(image.height, bytes[8] | (bytes[9] << 8));
        EXPECT_EQ(image.palette.size(), 2u << (bytes[10] & 7));
        EXPECT_EQ(image.pixels.size(), std::size_t{image.width} * image.height);
    }
}

// A file on which the distribution's SDL_image GIF decoder frees memory it
// never allocated (found by fuzzing): read safely, whatever it shows.
TEST(GifDecoder, AFileThatBrokeTheOtherDecoderIsReadSafely)
{
    const Bytes input = readFile(std::filesystem::path(DH_SOURCE_DIR) / "tests/fixtures/fuzz/fuzz_image/sdl-gif-bad-free");
    ASSERT_GT(input.size(), 1u);
    const std::filesystem::path file = writeFile("bad-free.gif", Bytes(input.begin() + 1, input.end()));
    dh::DecodedImage image;
    if (dh::decodeImage(file, image) == dh::ImageDecoding::Decoded) {
        EXPECT_EQ(image.pixels.size(), std::size_t{image.width} * image.height);
    }
}
