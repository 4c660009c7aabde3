#pragma once
#include "galaxy/StarSystem.h"

#include <array>
#include <cstdint>
#include <span>
#include <string_view>

namespace dh {

struct Good {
    std::string_view name;
    float basePrice;
};

// The index of a good here is its index in every stock, hold and save file.
inline constexpr std::array<Good, kGoodsCount> kGoods = {{
    {"Foodstuffs", 25.0f},
    {"Medicines", 50.0f},
    {"Minerals", 75.0f},
    {"Computers", 100.0f},
    {"Robots", 125.0f},
    {"Weaponry", 150.0f},
    {"Nanites", 200.0f},
    {"Jewellery", 300.0f},
}};

inline constexpr std::string_view kOutOfStock = "Item is out of stock";
inline constexpr std::string_view kInsufficientCredits = "You do not have sufficient credits";
inline constexpr std::string_view kNoRoomOnBoard = "You do not have any more room on board";
inline constexpr std::string_view kCannotBuyCaption = "Cannot buy item";

// Stock and hold are taken as spans so a station's std::array and a ship's
// plain u32[8] cargo both fit.
using ConstGoodsSpan = std::span<const std::uint32_t, kGoodsCount>;
using GoodsSpan = std::span<std::uint32_t, kGoodsCount>;

// Price of one unit at the given stock level; -1 for an index past the table.
float buyPrice(ConstGoodsSpan stock, std::size_t index);
float sellPrice(ConstGoodsSpan stock, std::size_t index);

double cargoBaseValue(ConstGoodsSpan cargo);

// Buys one unit. Returns the refusal to show (caption kCannotBuyCaption), or
// an empty view when the unit was bought and stock, credits and hold changed.
std::string_view buyOne(GoodsSpan stock, double& credits, GoodsSpan cargo,
                        std::uint32_t cargoCapacity, std::size_t index);

// Sells one unit from the hold; false, with nothing changed, when there is none.
bool sellOne(GoodsSpan stock, double& credits, GoodsSpan cargo, std::size_t index);

}
