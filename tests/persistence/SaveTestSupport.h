#pragma once
#include <gtest/gtest.h>

#include <cstdint>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <initializer_list>
#include <iterator>
#include <string>
#include <vector>

#include "persistence/SaveFolder.h"
#include "support/PrivateDataFolder.h"

namespace savetest {

using Bytes = std::vector<std::uint8_t>;

// The save folder inside a private data folder, set before anything asks for
// the save folder (which is looked up once).
inline const std::string& testSaveFolder()
{
    static const std::string folder = [] {
        testsupport::privateDataFolder("dh-save-test");
        return dh::saveFolderPath();
    }();
    return folder;
}

inline void clearSaveFolder()
{
    std::filesystem::remove_all(testSaveFolder());
    std::filesystem::create_directories(testSaveFolder());
}

inline Bytes fileBytes(const std::string& path)
{
    std::ifstream in(path, std::ios::binary);
    return Bytes(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

inline void writeBytes(const std::string& path, const Bytes& bytes)
{
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    out.write(reinterpret_cast<const char*>(bytes.data()), static_cast<std::streamsize>(bytes.size()));
}

// Little-endian words from a byte offset on, as a hex editor would make them.
inline void put32(Bytes& bytes, std::size_t at, std::initializer_list<std::uint32_t> words)
{
    for (std::uint32_t word : words)
        for (int i = 0; i < 4; ++i)
            bytes.at(at++) = static_cast<std::uint8_t>(word >> (8 * i));
}

inline void putText(Bytes& bytes, std::size_t at, const char* text)
{
    std::memcpy(bytes.data() + at, text, std::strlen(text));
}

constexpr std::uint32_t kViovioX = 23946579u, kViovioY = 23624208u;
constexpr std::uint32_t kCroatX = 23946578u, kCroatY = 23624205u;
constexpr std::uint32_t kMidedX = 23946580u, kMidedY = 23624206u;
constexpr std::uint32_t kEmptyX = 23946576u, kEmptyY = 23624205u;  // no star

// Halvard in Viovio flying a Fighter Mark II, with Croat and Mided remembered.
inline Bytes sampleFile()
{
    Bytes b(5746, 0);
    put32(b, 0, {0x24F01212u, 0x21474412u, 0xFC12A566u, 0xDD134512u});
    putText(b, 16, "Viovio");
    putText(b, 271, "Halvard");
    // Credits 1234.5 (a double), kills, class, shield 150.25f, missiles, EMP bombs, cargo.
    put32(b, 526, {0, 0x40934A00u, 37, 3, 0x43164000u, 3, 11, 1, 2, 3, 4, 5, 0, 6, 4});
    put32(b, 586, {kCroatX, kCroatY, 90, 91, 92, 93, 94, 95, 96, 97});
    put32(b, 626, {kMidedX, kMidedY, 1, 2, 3, 4, 5, 6, 7, 8});
    put32(b, 5706, {kViovioX, kViovioY, 150, 185, 83, 72, 107, 45, 23, 200});
    return b;
}

}
