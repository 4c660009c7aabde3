// drift-hauler-galaxy: prints star systems of the game's galaxy for players who
// map it, and for tests. The game itself takes no arguments.
#include "galaxy/Galaxy.h"
#include "galaxy/Market.h"
#include "galaxy/StarSystem.h"
#include "platform/Version.h"

#include <charconv>
#include <cstdint>
#include <cstdio>
#include <cstring>
#include <optional>
#include <string_view>

namespace {

constexpr std::uint32_t kMaxRectSide = 1024;

void printUsage(std::FILE* to)
{
    std::fprintf(to,
                 "usage: drift-hauler-galaxy cell X Y\n"
                 "       drift-hauler-galaxy start\n"
                 "       drift-hauler-galaxy rect X Y WIDTH HEIGHT\n"
                 "Prints the star systems of cells of the galaxy (X, Y: 0..4294967295;\n"
                 "a rectangle is at most %u cells on a side).\n"
                 "Drift Hauler %s\n",
                 kMaxRectSide, DH_VERSION);
}

std::optional<std::uint32_t> parseNumber(const char* text)
{
    std::uint32_t value = 0;
    const char* end = text + std::strlen(text);
    const auto [stop, error] = std::from_chars(text, end, value);
    if (error != std::errc{} || stop != end || stop == text) {
        return std::nullopt;
    }
    return value;
}

void printSystem(const dh::StarSystem& system)
{
    if (!system.hasStar()) {
        std::printf("Cell %u %u: no star\n", system.x, system.y);
        return;
    }
    float star[3];
    float ambient[3];
    dh::starColour(system, star);
    dh::ambientColour(system, ambient);
    const std::string_view danger = dh::dangerName(system.danger);
    std::printf("Cell %u %u: %s\n", system.x, system.y, system.name.c_str());
    std::printf("  offset       %u %u\n", system.offsetX, system.offsetY);
    std::printf("  danger       %u %.*s\n", system.danger, static_cast<int>(danger.size()), danger.data());
    std::printf("  star type    0x%08X colour %.2f %.2f %.2f\n", system.starType, star[0], star[1], star[2]);
    const std::string_view texture = dh::planetTexture(system);
    std::printf("  planet type  0x%08X texture %.*s ambient %.2f %.2f %.2f\n", system.planetType,
                static_cast<int>(texture.size()), texture.data(), ambient[0], ambient[1], ambient[2]);
    std::printf("  scene seed   0x%08X\n", system.sceneSeed);
    for (std::size_t i = 0; i < dh::kGoodsCount; ++i) {
        const std::string_view good = dh::kGoods[i].name;
        std::printf("  %-10.*s   stock %3u  buy Cr %1.2f  sell Cr %1.2f\n", static_cast<int>(good.size()),
                    good.data(), system.stock[i], dh::buyPrice(system.stock, i), dh::sellPrice(system.stock, i));
    }
}

// The tool's own cells: x and y of an empty cell are filled in for the printout.
dh::StarSystem systemAt(const dh::Galaxy& galaxy, std::uint32_t x, std::uint32_t y)
{
    dh::StarSystem system;
    dh::getSystem(galaxy, x, y, system);
    system.x = x;
    system.y = y;
    return system;
}

int printRect(const dh::Galaxy& galaxy, std::uint32_t x, std::uint32_t y, std::uint32_t width, std::uint32_t height)
{
    if (width == 0 || height == 0 || width > kMaxRectSide || height > kMaxRectSide) {
        std::fprintf(stderr, "drift-hauler-galaxy: a rectangle is 1 to %u cells on a side\n", kMaxRectSide);
        return 2;
    }
    unsigned stars = 0;
    for (std::uint32_t row = 0; row < height; ++row) {
        for (std::uint32_t col = 0; col < width; ++col) {
            const dh::StarSystem system = systemAt(galaxy, x + col, y + row);
            if (system.hasStar()) {
                printSystem(system);
                ++stars;
            }
        }
    }
    std::printf("%u stars in %u x %u cells\n", stars, width, height);
    return 0;
}

}

int main(int argc, char** argv)
{
    const dh::Galaxy galaxy;
    std::optional<std::uint32_t> n[4];
    for (int i = 2; i < argc && i < 6; ++i) {
        n[i - 2] = parseNumber(argv[i]);
    }
    const auto numbers = [&](int count) {
        for (int i = 0; i < count; ++i) {
            if (!n[i]) {
                return false;
            }
        }
        return argc == count + 2;
    };
    const std::string_view command = argc > 1 ? argv[1] : "";
    if (command == "cell" && numbers(2)) {
        printSystem(systemAt(galaxy, *n[0], *n[1]));
        return 0;
    }
    if (command == "start" && numbers(0)) {
        dh::StarSystem system;
        dh::pickStartSystem(galaxy, system);
        printSystem(system);
        return 0;
    }
    if (command == "rect" && numbers(4)) {
        return printRect(galaxy, *n[0], *n[1], *n[2], *n[3]);
    }
    if (command == "help" || command == "--help" || command == "-h") {
        printUsage(stdout);
        return 0;
    }
    printUsage(stderr);
    return 2;
}
