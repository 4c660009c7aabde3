#include "audio/SoundSample.h"

#include <cstdint>
#include <cstring>
#include <fstream>
#include <iostream>
#include <iterator>
#include <new>
#include <vector>

#include "audio/SoundEffects.h"
#include "platform/PlatformFiles.h"

namespace dh {

namespace {

constexpr std::size_t kHeaderSize = 36;

std::uint32_t readU32(const std::vector<char>& file, std::size_t at)
{
    const auto* p = reinterpret_cast<const unsigned char*>(file.data() + at);
    return p[0] | (p[1] << 8) | (p[2] << 16) | (std::uint32_t{p[3]} << 24);
}

std::uint16_t readU16(const std::vector<char>& file, std::size_t at)
{
    const auto* p = reinterpret_cast<const unsigned char*>(file.data() + at);
    return static_cast<std::uint16_t>(p[0] | (p[1] << 8));
}

bool hasTag(const std::vector<char>& file, std::size_t at, const char* tag)
{
    return std::memcmp(file.data() + at, tag, 4) == 0;
}

// Chunks are padded to an even size.
std::uint64_t paddedSize(std::uint32_t size)
{
    return std::uint64_t{size} + (size & 1u);
}

// The buffer for a whole RIFF/WAVE file, or null when it is rejected. Sizes
// that point past the end of the file never lead to reading past it: a data
// chunk is cut to the bytes present and to whole frames.
std::unique_ptr<SoundBuffer> decodeWav(const std::vector<char>& file)
{
    if (file.size() < kHeaderSize || !hasTag(file, 0, "RIFF") || !hasTag(file, 8, "WAVE")
        || !hasTag(file, 12, "fmt ")) {
        return nullptr;
    }
    const std::uint32_t formatSize = readU32(file, 16);
    const std::uint16_t formatTag = readU16(file, 20);
    SoundFormat format;
    format.channels = readU16(file, 22);
    format.sampleRate = readU32(file, 24);
    const std::uint32_t byteRate = readU32(file, 28);
    const std::uint16_t blockAlign = readU16(file, 32);
    format.bitsPerSample = readU16(file, 34);
    if (formatSize < 16 || formatTag != 1 || format.sampleRate == 0 || byteRate == 0 || blockAlign == 0
        || format.bitsPerSample == 0 || (format.channels != 1 && format.channels != 2)
        || blockAlign != format.channels * format.bitsPerSample / 8) {
        return nullptr;
    }
    std::uint64_t at = 20 + paddedSize(formatSize);
    for (;;) {
        if (at + 8 > file.size()) {
            return nullptr;
        }
        const bool isData = hasTag(file, at, "data");
        const std::uint32_t size = readU32(file, at + 4);
        at += 8;
        if (isData) {
            std::uint64_t bytes = std::min<std::uint64_t>(size, file.size() - at);
            bytes -= bytes % blockAlign;
            if (bytes == 0) {
                return nullptr;
            }
            return SoundBuffer::create(g_soundDevice, format, file.data() + at, bytes);
        }
        at += paddedSize(size);
    }
}

}

std::unique_ptr<SoundSample> loadWav(const std::string& fileName)
{
    auto sample = std::make_unique<SoundSample>();
    if (!g_soundDevice || fileName.empty()) {
        return sample;
    }
    const std::filesystem::path path = assetPath(fileName);
    std::ifstream in(path, std::ios::binary);
    if (!in) {
        return sample;
    }
    try {
        const std::vector<char> file{std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
        sample->buffer = decodeWav(file);
    } catch (const std::bad_alloc&) {
        std::cerr << "Out of memory loading sound, left silent: " << path.string() << '\n';
    }
    return sample;
}

}
