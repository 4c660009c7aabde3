#include "Wav.h"

#include <algorithm>
#include <cmath>
#include <fstream>
#include <stdexcept>

namespace dh::audiogen {

namespace {

void put32(std::vector<std::uint8_t>& out, std::uint32_t v)
{
    for (int i = 0; i < 4; ++i)
        out.push_back(static_cast<std::uint8_t>(v >> (8 * i)));
}

void put16(std::vector<std::uint8_t>& out, std::uint16_t v)
{
    out.push_back(static_cast<std::uint8_t>(v));
    out.push_back(static_cast<std::uint8_t>(v >> 8));
}

void putTag(std::vector<std::uint8_t>& out, const char* tag)
{
    for (int i = 0; i < 4; ++i)
        out.push_back(static_cast<std::uint8_t>(tag[i]));
}

} // namespace

std::vector<std::uint8_t> encodeWav(const Buffer& samples, int bits)
{
    if (bits != 8 && bits != 16)
        throw std::runtime_error("WAV samples must be 8 or 16 bits");
    const std::uint32_t bytesPerSample = static_cast<std::uint32_t>(bits / 8);
    const auto dataSize = static_cast<std::uint32_t>(samples.size() * bytesPerSample);
    // An odd-sized data chunk is followed by a pad byte.
    const std::uint32_t pad = dataSize & 1u;

    std::vector<std::uint8_t> out;
    out.reserve(44 + dataSize + pad);
    putTag(out, "RIFF");
    put32(out, 36 + dataSize + pad);
    putTag(out, "WAVE");
    putTag(out, "fmt ");
    put32(out, 16);
    put16(out, 1);
    put16(out, 1);
    put32(out, kSampleRate);
    put32(out, kSampleRate * bytesPerSample);
    put16(out, static_cast<std::uint16_t>(bytesPerSample));
    put16(out, static_cast<std::uint16_t>(bits));
    putTag(out, "data");
    put32(out, dataSize);
    for (float s : samples) {
        const double v = std::clamp(static_cast<double>(s), -1.0, 1.0);
        if (bits == 8) {
            out.push_back(static_cast<std::uint8_t>(128 + std::lround(v * 127.0)));
        } else {
            const auto q = static_cast<std::int16_t>(std::lround(v * 32767.0));
            put16(out, static_cast<std::uint16_t>(q));
        }
    }
    if (pad)
        out.push_back(0);
    return out;
}

void writeWav(const std::filesystem::path& path, const Buffer& samples, int bits)
{
    const std::vector<std::uint8_t> bytes = encodeWav(samples, bits);
    std::ofstream file(path, std::ios::binary);
    file.write(reinterpret_cast<const char*>(bytes.data()), static_cast<std::streamsize>(bytes.size()));
    if (!file)
        throw std::runtime_error("cannot write " + path.string());
}

} // namespace dh::audiogen
