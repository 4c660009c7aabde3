// The image path up to the upload: the first byte chooses the file's name (TGA
// or GIF), the rest is the file. The outcome is the placeholder, or an RGBA
// block of exactly width x height x 4 bytes with both sides within the limit.
#include "FuzzSupport.h"
#include "platform/ImageHeader.h"
#include "platform/PlatformImage.h"
#include "rendering/ImageConversion.h"

#include <vector>

using fuzz::check;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    if (size == 0) {
        return 0;
    }
    static const fuzz::TemporaryFolder folder("fuzz_image");
    const char* const name = (data[0] & 1) != 0 ? "image.gif" : "image.tga";
    const std::filesystem::path path = folder.write(name, data + 1, size - 1);

    dh::DecodedImage image;
    if (dh::decodeImage(path, image) != dh::ImageDecoding::Decoded) {
        return 0;
    }
    check(dh::imageHeaderAcceptable(dh::imageFileType(path), data + 1, size - 1), "decoded only after the check");
    std::vector<std::uint8_t> rgba;
    bool hasAlpha = false;
    if (!dh::convertToRGBA(image, rgba, hasAlpha)) {
        return 0;
    }
    check(image.width >= 1 && image.width <= dh::kMaxImageSide, "width");
    check(image.height >= 1 && image.height <= dh::kMaxImageSide, "height");
    check(rgba.size() == std::size_t{image.width} * image.height * 4, "RGBA size");
    return 0;
}
