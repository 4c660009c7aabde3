// Writes the first corpus of every fuzz target into <seeds>/<target>/: the
// generator's smallest files of each kind (from <build>, where the asset
// generator wrote them), small TGA images of every depth and odd widths, a
// valid save and the same save one byte short, and a few music folders.
#include "flight/GameObject_Ship.h"
#include "galaxy/Galaxy.h"
#include "persistence/SaveFile.h"
#include "persistence/SaveGame.h"

#include <algorithm>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <tuple>
#include <utility>
#include <vector>

namespace {

namespace fs = std::filesystem;
using Bytes = std::vector<std::uint8_t>;

void write(const fs::path& file, const Bytes& bytes)
{
    fs::create_directories(file.parent_path());
    std::ofstream(file, std::ios::binary)
        .write(reinterpret_cast<const char*>(bytes.data()), static_cast<std::streamsize>(bytes.size()));
}

Bytes read(const fs::path& file)
{
    std::ifstream in(file, std::ios::binary);
    return Bytes(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

// The `count` smallest files of the folder with the extension.
std::vector<fs::path> smallest(const fs::path& folder, const std::string& extension, std::size_t count)
{
    std::vector<fs::path> files;
    for (const auto& entry : fs::directory_iterator(folder)) {
        if (entry.is_regular_file() && entry.path().extension() == extension) {
            files.push_back(entry.path());
        }
    }
    std::sort(files.begin(), files.end(),
              [](const fs::path& a, const fs::path& b) { return fs::file_size(a) < fs::file_size(b); });
    files.resize(std::min(count, files.size()));
    return files;
}

void put16(Bytes& out, unsigned v)
{
    out.push_back(static_cast<std::uint8_t>(v));
    out.push_back(static_cast<std::uint8_t>(v >> 8));
}

// A TGA of the type and depth with varied pixel bytes; a palette image has a
// map of 4 entries.
Bytes tga(unsigned type, unsigned width, unsigned height, unsigned depth)
{
    const bool palette = type == 1 || type == 9;
    Bytes out{0, static_cast<std::uint8_t>(palette ? 1 : 0), static_cast<std::uint8_t>(type)};
    put16(out, 0);
    put16(out, palette ? 4 : 0);
    out.push_back(palette ? 24 : 0);
    put16(out, 0);
    put16(out, 0);
    put16(out, width);
    put16(out, height);
    out.push_back(static_cast<std::uint8_t>(depth));
    out.push_back(depth == 32 ? 0x28 : 0x20);
    if (palette) {
        for (int i = 0; i < 12; ++i) {
            out.push_back(static_cast<std::uint8_t>(i * 21));
        }
    }
    const unsigned pixelBytes = (depth + 7) / 8;
    const unsigned pixels = width * height;
    if (type >= 9) {
        // One repeat packet per row, then the rest raw.
        for (unsigned row = 0; row < height; ++row) {
            out.push_back(static_cast<std::uint8_t>(0x80 | (width - 1)));
            for (unsigned b = 0; b < pixelBytes; ++b) {
                out.push_back(static_cast<std::uint8_t>(palette ? row % 4 : row * 40 + b));
            }
        }
        return out;
    }
    for (unsigned i = 0; i < pixels * pixelBytes; ++i) {
        out.push_back(static_cast<std::uint8_t>(palette ? i % 4 : i * 37 + 11));
    }
    return out;
}

void imageSeeds(const fs::path& build, const fs::path& seeds)
{
    const fs::path folder = seeds / "fuzz_image";
    int n = 0;
    const auto add = [&](std::uint8_t nameByte, const Bytes& file) {
        Bytes input{nameByte};
        input.insert(input.end(), file.begin(), file.end());
        write(folder / ("seed" + std::to_string(n++)), input);
    };
    for (const fs::path& file : smallest(build / "gfx", ".tga", 2)) {
        add(0, read(file));
    }
    for (const fs::path& file : smallest(build / "mdl" / "gfx", ".gif", 2)) {
        add(1, read(file));
    }
    const unsigned shapes[][2] = {{1, 1}, {3, 5}, {7, 2}};
    for (const auto& shape : shapes) {
        for (const unsigned depth : {15u, 16u, 24u, 32u}) {
            add(0, tga(2, shape[0], shape[1], depth));
        }
        for (const unsigned type : {1u, 3u, 9u, 10u}) {
            add(0, tga(type, shape[0], shape[1], type == 10 ? 24 : 8));
        }
    }
}

bool saveSeeds(const fs::path& seeds)
{
    const dh::Galaxy galaxy;
    dh::SaveState state;
    state.commanderName = "Seed";
    state.credits = 1234.5;
    state.kills = 3;
    state.shipClass = 0;
    state.shield = dh::shipClassOfCode(0).shield;
    state.missiles = 1;
    state.cargo[7] = 2;
    dh::pickStartSystem(galaxy, state.currentSystem);
    const dh::SaveBytes valid = dh::encodeSaveFile(state);
    try {
        dh::decodeSaveFile(valid, galaxy);
    } catch (const dh::SaveGame::SaveException& refusal) {
        std::fprintf(stderr, "the seed save is refused: %s\n", refusal.message);
        return false;
    }
    write(seeds / "fuzz_save" / "valid", valid);
    write(seeds / "fuzz_save" / "short", Bytes(valid.begin(), valid.end() - 1));
    return true;
}

// Music folders for fuzz_playlist, one line per entry: a kind byte (0 tune,
// 1 other file, 2 unreadable, 3 folder, 4 link to a tune, 5 dangling link,
// 6 link to a folder; 8 adds ".mid", 16 makes it ".MID") and a name.
void playlistSeeds(const fs::path& seeds)
{
    using Line = std::pair<std::uint8_t, std::string>;
    const std::vector<std::vector<Line>> folders = {
        {{8, "alpha"}, {24, "beta"}, {0, "notes.txt"}},
        {{9, "junk"}, {10, "closed"}, {11, "folder"}, {12, "link"}},
        {{13, "dangling"}, {14, "there"}, {8, ""}, {8, "sub\\x"}},
    };
    int n = 0;
    for (const std::vector<Line>& folder : folders) {
        Bytes description;
        for (const auto& [kind, name] : folder) {
            description.push_back(kind);
            description.insert(description.end(), name.begin(), name.end());
            description.push_back('\n');
        }
        write(seeds / "fuzz_playlist" / ("seed" + std::to_string(n++)), description);
    }
}

}

int main(int argc, char** argv)
{
    if (argc != 3) {
        std::fprintf(stderr, "usage: fuzz_seeds <build folder with assets> <seed folder>\n");
        return 2;
    }
    const fs::path build = argv[1];
    const fs::path seeds = argv[2];
    for (const auto& [target, folder, extension] : {std::tuple{"fuzz_md2", "mdl", ".md2"},
                                                    std::tuple{"fuzz_wav", "snd", ".wav"}}) {
        for (const fs::path& file : smallest(build / folder, extension, 2)) {
            write(seeds / target / file.filename(), read(file));
        }
    }
    imageSeeds(build, seeds);
    playlistSeeds(seeds);
    return saveSeeds(seeds) ? 0 : 1;
}
