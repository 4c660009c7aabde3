#include "galaxy/Market.h"

#include <cmath>
#include <numeric>

namespace dh {

float buyPrice(ConstGoodsSpan stock, std::size_t index)
{
    if (index >= kGoodsCount) {
        return -1.0f;
    }
    const std::uint32_t s = stock[index];
    const double base = kGoods[index].basePrice;
    if (s <= 100) {
        return static_cast<float>(base * (1.0 + (100.0 - s) * 0.01 * 0.15));
    }
    return static_cast<float>(base / std::pow(s * 0.01, 0.15));
}

float sellPrice(ConstGoodsSpan stock, std::size_t index)
{
    return static_cast<float>(buyPrice(stock, index) * 0.97);
}

double cargoBaseValue(ConstGoodsSpan cargo)
{
    double value = 0.0;
    for (std::size_t i = 0; i < kGoodsCount; ++i) {
        value += cargo[i] * static_cast<double>(kGoods[i].basePrice);
    }
    return value;
}

std::string_view buyOne(GoodsSpan stock, double& credits, GoodsSpan cargo,
                        std::uint32_t cargoCapacity, std::size_t index)
{
    if (index >= kGoodsCount || stock[index] == 0) {
        return kOutOfStock;
    }
    const double price = buyPrice(stock, index);
    if (price > credits) {
        return kInsufficientCredits;
    }
    // Summed in 64 bits so a corrupt hold cannot wrap round to "room left".
    const std::uint64_t carried = std::accumulate(cargo.begin(), cargo.end(), std::uint64_t{0});
    if (carried + 1 > cargoCapacity) {
        return kNoRoomOnBoard;
    }
    credits -= price;
    stock[index] -= 1;
    cargo[index] += 1;
    return {};
}

bool sellOne(GoodsSpan stock, double& credits, GoodsSpan cargo, std::size_t index)
{
    if (index >= kGoodsCount || cargo[index] == 0) {
        return false;
    }
    credits += sellPrice(stock, index);
    stock[index] += 1;
    cargo[index] -= 1;
    return true;
}

}
