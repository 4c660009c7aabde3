#pragma once
#include <gtest/gtest.h>

#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <stdexcept>
#include <string>
#include <vector>

#include "persistence/SaveFolder.h"

// A private save folder for the test program, and byte-level file helpers.
namespace savetest {

using Bytes = std::vector<std::uint8_t>;

// Points the per-user data folder at a fresh temporary folder, once per
// program and before anything asks for the save folder.
// The folder is removed when the program ends.
inline const std::string& testSaveFolder()
{
    static std::string base;
    static const std::string folder = [] {
        base = (std::filesystem::temp_directory_path() / "dh-save-test-XXXXXX").string();
        if (mkdtemp(base.data()) == nullptr)
            throw std::runtime_error("no temporary folder");
        setenv("XDG_DATA_HOME", base.c_str(), 1);
        std::atexit([] {
            std::error_code ignored;
            std::filesystem::remove_all(base, ignored);
        });
        return dh::saveFolderPath();
    }();
    return folder;
}

// Every slot file and left-over temporary file removed.
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

// Little-endian pokes at a byte offset, as a hex editor would make them.
inline void put32(Bytes& bytes, std::size_t at, std::uint32_t value)
{
    for (int i = 0; i < 4; ++i)
        bytes.at(at + i) = static_cast<std::uint8_t>(value >> (8 * i));
}

inline void put64(Bytes& bytes, std::size_t at, std::uint64_t value)
{
    put32(bytes, at, static_cast<std::uint32_t>(value));
    put32(bytes, at + 4, static_cast<std::uint32_t>(value >> 32));
}

inline void putText(Bytes& bytes, std::size_t at, const char* text)
{
    std::memcpy(bytes.data() + at, text, std::strlen(text));
}

}
