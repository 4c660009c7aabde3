#pragma once
#include <cstddef>
#include <cstdint>
#include <filesystem>

namespace dh {

enum class ImageFileType { Unknown, Tga, Gif };

// Neither side of an image the game accepts is longer than this.
inline constexpr std::uint32_t kMaxImageSide = 4096;

// The type an image file's name gives it (".tga" or ".gif", in any case).
ImageFileType imageFileType(const std::filesystem::path& file);

// Reads only the headers of an image file's bytes: the file is accepted when
// its type is known, every side it declares is between 1 and kMaxImageSide,
// and all the data it declares fits in the bytes present. Nothing else needs
// to hold for it to be handed to a decoder.
bool imageHeaderAcceptable(ImageFileType type, const std::uint8_t* data, std::size_t size);

}
