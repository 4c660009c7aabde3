#pragma once
#include <array>
#include <cstdint>
#include <string>
#include <string_view>

namespace dh {

inline constexpr std::size_t kGoodsCount = 8;

// Units of each good, in goods-table order: a station's stock or a ship's hold.
using GoodsCounts = std::array<std::uint32_t, kGoodsCount>;

// One cell of the galaxy. An empty name means the cell holds no star.
class StarSystem {
public:
    std::string name;
    std::uint32_t sceneSeed = 0;
    std::uint32_t starType = 0;
    std::uint32_t planetType = 0;
    std::uint32_t x = 0;
    std::uint32_t y = 0;
    std::uint32_t offsetX = 0;
    std::uint32_t offsetY = 0;
    std::uint32_t danger = 0;
    GoodsCounts stock{};

    bool hasStar() const { return !name.empty(); }

    // Makes the record "no star"; the cell (x, y) and danger are kept.
    void clear();

    // Systems are the same when they lie in the same cell.
    bool operator==(const StarSystem& other) const { return x == other.x && y == other.y; }
};

// "Peaceful" .. "Lawless" for danger 1..5, "Unknown danger" otherwise.
std::string_view dangerName(std::uint32_t danger);

// Colours are RGB in 0..1; a null output is left alone.
void starColour(const StarSystem& system, float* rgb);
void ambientColour(const StarSystem& system, float* rgb);

// Stem of the planet texture in the texture list, "planet1" .. "planet8".
std::string_view planetTexture(const StarSystem& system);

// Distance between two stars in light years; 0 exactly for the same system.
double hyperspaceDistance(const StarSystem& from, const StarSystem& to);

}
