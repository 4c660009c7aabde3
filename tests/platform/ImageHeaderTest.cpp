#include "platform/ImageHeader.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <iterator>

namespace {

using Bytes = std::vector<std::uint8_t>;
using dh::ImageFileType;

void put16(Bytes& out, unsigned v)
{
    out.push_back(static_cast<std::uint8_t>(v & 0xFF));
    out.push_back(static_cast<std::uint8_t>(v >> 8));
}

// An 18-byte TGA header followed by `data` bytes: a colour map of mapLength
// entries of mapBits is declared (its bytes belong in `data`) when mapBits is not 0.
Bytes tga(unsigned type, unsigned w, unsigned h, unsigned depth, std::size_t data, unsigned mapLength = 0,
          unsigned mapBits = 0, unsigned idLength = 0)
{
    Bytes out{static_cast<std::uint8_t>(idLength), static_cast<std::uint8_t>(mapBits != 0 ? 1 : 0),
              static_cast<std::uint8_t>(type)};
    put16(out, 0);
    put16(out, mapLength);
    out.push_back(static_cast<std::uint8_t>(mapBits));
    put16(out, 0);
    put16(out, 0);
    put16(out, w);
    put16(out, h);
    out.push_back(static_cast<std::uint8_t>(depth));
    out.push_back(0x20);
    out.resize(out.size() + data, 0x5A);
    return out;
}

bool acceptable(ImageFileType type, const Bytes& bytes)
{
    return dh::imageHeaderAcceptable(type, bytes.data(), bytes.size());
}

// A GIF89a with a 4-entry global table, then the given blocks and a trailer.
Bytes gif(unsigned screenW, unsigned screenH, const Bytes& blocks, bool trailer = true)
{
    Bytes out{'G', 'I', 'F', '8', '9', 'a'};
    put16(out, screenW);
    put16(out, screenH);
    out.insert(out.end(), {0x81, 0, 0});
    out.resize(out.size() + 12, 0x33);
    out.insert(out.end(), blocks.begin(), blocks.end());
    if (trailer) {
        out.push_back(0x3B);
    }
    return out;
}

// One image descriptor with its code size and one 3-byte sub-block of data.
Bytes gifImage(unsigned w, unsigned h)
{
    Bytes out{0x2C};
    put16(out, 0);
    put16(out, 0);
    put16(out, w);
    put16(out, h);
    out.insert(out.end(), {0x00, 0x02, 0x03, 0x84, 0x1D, 0x05, 0x00});
    return out;
}

const Bytes kComment{0x21, 0xFE, 0x02, 'h', 'i', 0x00};

}

TEST(ImageHeader, TypeComesFromTheNameOnly)
{
    EXPECT_EQ(dh::imageFileType("gfx/star.tga"), ImageFileType::Tga);
    EXPECT_EQ(dh::imageFileType("mdl/gfx/Cargo.GIF"), ImageFileType::Gif);
    EXPECT_EQ(dh::imageFileType("skin.Tga"), ImageFileType::Tga);
    EXPECT_EQ(dh::imageFileType("picture.svg"), ImageFileType::Unknown);
    EXPECT_EQ(dh::imageFileType("picture.png"), ImageFileType::Unknown);
    EXPECT_EQ(dh::imageFileType("tga"), ImageFileType::Unknown);
    EXPECT_FALSE(acceptable(ImageFileType::Unknown, tga(2, 1, 1, 32, 4)));
}

TEST(ImageHeader, TgaOfEveryDepthAndOddWidthsIsAcceptedWhenItsDataIsPresent)
{
    // 3 x 5: 15 pixels; palette images carry their map before the pixels.
    const Bytes valid[] = {
        tga(1, 3, 5, 8, 4 * 3 + 15, 4, 24),  tga(1, 3, 5, 8, 256 * 4 + 15, 256, 32),
        tga(2, 3, 5, 15, 30),                tga(2, 3, 5, 16, 30),
        tga(2, 3, 5, 24, 45),                tga(2, 7, 1, 32, 28),
        tga(3, 3, 5, 8, 15),                 tga(2, 1, 1, 24, 3 + 5, 0, 0, 5),
        // Run-length: one packet of count byte and pixel covers up to 128 pixels.
        tga(10, 128, 1, 24, 4),              tga(10, 129, 1, 32, 10),
        tga(9, 3, 5, 8, 3 * 2 + 2, 2, 24),   tga(11, 4096, 4096, 8, 4096 * 4096 / 128 * 2),
    };
    for (const Bytes& file : valid) {
        EXPECT_TRUE(acceptable(ImageFileType::Tga, file)) << "type " << int(file[2]) << " depth " << int(file[16]);
        // One byte short of what the header declares.
        EXPECT_FALSE(acceptable(ImageFileType::Tga, Bytes(file.begin(), file.end() - 1)))
            << "type " << int(file[2]) << " depth " << int(file[16]);
    }
    // Trailing bytes (a footer, an extension area) do no harm.
    Bytes withFooter = tga(2, 2, 2, 32, 16 + 26);
    EXPECT_TRUE(acceptable(ImageFileType::Tga, withFooter));
}

TEST(ImageHeader, TgaThatCouldTakeTheMachineIsRefused)
{
    // 34 bytes declaring 6400 x 61240 true colour: 1.5 GB of pixels from 16 bytes.
    const Bytes huge = tga(2, 6400, 61240, 32, 16);
    ASSERT_EQ(huge.size(), 34u);
    EXPECT_FALSE(acceptable(ImageFileType::Tga, huge));
    // Even compressed, a side beyond 4096 is refused, and so is a side of 0.
    EXPECT_FALSE(acceptable(ImageFileType::Tga, tga(10, 4097, 1, 24, 1 << 16)));
    EXPECT_FALSE(acceptable(ImageFileType::Tga, tga(10, 1, 4097, 24, 1 << 16)));
    EXPECT_FALSE(acceptable(ImageFileType::Tga, tga(2, 0, 4, 32, 64)));
    EXPECT_FALSE(acceptable(ImageFileType::Tga, tga(2, 4, 0, 32, 64)));
    // Unknown types, depths that do not belong to the type, colour maps out of bounds.
    for (unsigned type : {0u, 4u, 8u, 12u, 32u, 33u, 255u}) {
        EXPECT_FALSE(acceptable(ImageFileType::Tga, tga(type, 2, 2, 8, 64, 4, 24))) << type;
    }
    EXPECT_FALSE(acceptable(ImageFileType::Tga, tga(2, 2, 2, 12, 64)));
    EXPECT_FALSE(acceptable(ImageFileType::Tga, tga(2, 2, 2, 8, 64)));
    EXPECT_FALSE(acceptable(ImageFileType::Tga, tga(1, 2, 2, 8, 64)));
    EXPECT_FALSE(acceptable(ImageFileType::Tga, tga(1, 2, 2, 8, 64, 4, 12)));
    EXPECT_FALSE(acceptable(ImageFileType::Tga, tga(1, 2, 2, 8, 65535 * 4, 65535, 32)));
    EXPECT_FALSE(acceptable(ImageFileType::Tga, Bytes(17, 0)));
    EXPECT_FALSE(acceptable(ImageFileType::Tga, Bytes{}));
}

TEST(ImageHeader, GifScreenAndEveryImageMustBeWithinTheLimitAndPresent)
{
    EXPECT_TRUE(acceptable(ImageFileType::Gif, gif(3, 5, gifImage(3, 5))));
    Bytes twoImages = kComment;
    for (const Bytes& image : {gifImage(16, 16), gifImage(4096, 4096)}) {
        twoImages.insert(twoImages.end(), image.begin(), image.end());
    }
    EXPECT_TRUE(acceptable(ImageFileType::Gif, gif(16, 16, twoImages)));
    EXPECT_TRUE(acceptable(ImageFileType::Gif, gif(3, 5, gifImage(3, 5), false)));

    // 63 bytes declaring 14443 x 24887.
    Bytes huge = gif(14443, 24887, gifImage(14443, 24887));
    huge.resize(63, 0x00);
    EXPECT_FALSE(acceptable(ImageFileType::Gif, huge));
    EXPECT_FALSE(acceptable(ImageFileType::Gif, gif(4097, 5, gifImage(3, 5))));
    EXPECT_FALSE(acceptable(ImageFileType::Gif, gif(3, 5, gifImage(3, 4097))));
    EXPECT_FALSE(acceptable(ImageFileType::Gif, gif(3, 5, gifImage(0, 5))));
    // The second image, not only the first, is checked.
    Bytes secondTooWide = gifImage(3, 5);
    const Bytes wide = gifImage(5000, 5);
    secondTooWide.insert(secondTooWide.end(), wide.begin(), wide.end());
    EXPECT_FALSE(acceptable(ImageFileType::Gif, gif(3, 5, secondTooWide)));
}

TEST(ImageHeader, GifWhoseBlocksRunPastTheEndOrAreUnknownIsRefused)
{
    const Bytes valid = gif(3, 5, gifImage(3, 5), false);
    for (std::size_t size = 0; size < valid.size(); ++size) {
        EXPECT_FALSE(acceptable(ImageFileType::Gif, Bytes(valid.begin(), valid.begin() + size))) << size;
    }
    EXPECT_FALSE(acceptable(ImageFileType::Gif, gif(3, 5, {})));
    EXPECT_FALSE(acceptable(ImageFileType::Gif, gif(3, 5, kComment)));
    Bytes unknownBlock = gifImage(3, 5);
    unknownBlock.push_back(0x99);
    EXPECT_FALSE(acceptable(ImageFileType::Gif, gif(3, 5, unknownBlock)));
    Bytes svg{'<', 's', 'v', 'g', ' '};
    svg.resize(64, ' ');
    EXPECT_FALSE(acceptable(ImageFileType::Gif, svg));
    Bytes gif87 = gif(3, 5, gifImage(3, 5));
    gif87[4] = '7';
    EXPECT_TRUE(acceptable(ImageFileType::Gif, gif87));
    gif87[4] = '8';
    EXPECT_FALSE(acceptable(ImageFileType::Gif, gif87));
}

TEST(ImageHeader, TheGeneratedTexturesAndSkinsAreAccepted)
{
    const std::filesystem::path build(DH_BUILD_DIR);
    if (!std::filesystem::exists(build / "gfx") || !std::filesystem::exists(build / "mdl" / "gfx")) {
        GTEST_SKIP() << "the generated assets are not built yet";
    }
    int checked = 0;
    for (const auto* folder : {"gfx", "fnt", "mdl/gfx"}) {
        for (const auto& entry : std::filesystem::directory_iterator(build / folder)) {
            const ImageFileType type = dh::imageFileType(entry.path());
            if (type == ImageFileType::Unknown) {
                continue;
            }
            std::ifstream in(entry.path(), std::ios::binary);
            const Bytes bytes{std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
            EXPECT_TRUE(acceptable(type, bytes)) << entry.path();
            ++checked;
        }
    }
    EXPECT_GE(checked, 54 + 2 + 7);
}
