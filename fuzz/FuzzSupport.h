#pragma once
// What every fuzz target shares: the oracle's check and a private folder for
// the files the game's readers open, removed when the run ends.
#include <unistd.h>

#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <string>

namespace fuzz {

inline void check(bool condition, const char* what)
{
    if (!condition) {
        std::fprintf(stderr, "oracle: %s\n", what);
        std::abort();
    }
}

class TemporaryFolder {
public:
    explicit TemporaryFolder(const std::string& target,
                             const std::filesystem::path& parent = std::filesystem::temp_directory_path())
    {
        std::string name = (parent / (target + "-XXXXXX")).string();
        check(::mkdtemp(name.data()) != nullptr, "temporary folder");
        path_ = name;
    }
    ~TemporaryFolder()
    {
        std::error_code ignored;
        std::filesystem::remove_all(path_, ignored);
    }
    TemporaryFolder(const TemporaryFolder&) = delete;
    TemporaryFolder& operator=(const TemporaryFolder&) = delete;

    // Writes the bytes as the file of that name in the folder and returns its path.
    std::filesystem::path write(const std::string& file, const std::uint8_t* data, std::size_t size) const
    {
        const std::filesystem::path path = path_ / file;
        std::FILE* out = std::fopen(path.c_str(), "wb");
        check(out != nullptr && std::fwrite(data, 1, size, out) == size && std::fclose(out) == 0,
              "writing the file");
        return path;
    }

    const std::filesystem::path& path() const { return path_; }

private:
    std::filesystem::path path_;
};

}
