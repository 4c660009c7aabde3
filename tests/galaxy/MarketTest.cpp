#include "galaxy/Market.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstdint>

namespace {

dh::GoodsCounts stockAt(std::uint32_t level)
{
    dh::GoodsCounts stock;
    stock.fill(level);
    return stock;
}

}

TEST(Market, GoodsPricesFollowTheStock)
{
    const float prices[] = {25, 50, 75, 100, 125, 150, 200, 300};
    for (std::size_t i = 0; i < dh::kGoodsCount; ++i) {
        SCOPED_TRACE(dh::kGoods[i].name);
        const double b = prices[i];
        EXPECT_EQ(dh::buyPrice(stockAt(100), i), prices[i]);
        EXPECT_NEAR(dh::buyPrice(stockAt(0), i), 1.15 * b, 1e-6 * b);
        EXPECT_NEAR(dh::buyPrice(stockAt(99), i), 1.0015 * b, 1e-6 * b);
        EXPECT_NEAR(dh::buyPrice(stockAt(101), i), b / std::pow(1.01, 0.15), 1e-6 * b);
        EXPECT_NEAR(dh::buyPrice(stockAt(200), i), b * 0.90125, 1e-4 * b);
        EXPECT_NEAR(dh::sellPrice(stockAt(100), i), 0.97 * b, 1e-6 * b);
        // Scarce goods are dearer, plentiful ones cheaper, all the way up.
        for (std::uint32_t s = 1; s <= 400; ++s)
            ASSERT_LT(dh::buyPrice(stockAt(s), i), dh::buyPrice(stockAt(s - 1), i)) << "stock " << s;
    }
    EXPECT_EQ(dh::buyPrice(stockAt(100), 8), -1.0f);
    EXPECT_EQ(dh::buyPrice(stockAt(100), 1000), -1.0f);
    EXPECT_EQ(dh::cargoBaseValue(dh::GoodsCounts{}), 0.0);
    EXPECT_EQ(dh::cargoBaseValue(dh::GoodsCounts{2, 0, 0, 1, 0, 0, 0, 3}), 2 * 25.0 + 100.0 + 3 * 300.0);
}

TEST(Market, BuyRefusalsComeInOrderAndChangeNothing)
{
    dh::GoodsCounts stock = stockAt(100);
    stock[3] = 0;
    dh::GoodsCounts cargo = {5, 5, 0, 0, 0, 0, 0, 0};
    double credits = 50.0;
    // Goods 3 is out of stock, too dear and there is no room; goods 4 too dear and no room.
    const struct {
        std::size_t item;
        const char* refusal;
    } cases[] = {{3, "Item is out of stock"},
                 {4, "You do not have sufficient credits"},
                 {0, "You do not have any more room on board"},
                 {8, "Item is out of stock"}};
    for (const auto& c : cases) {
        EXPECT_EQ(dh::buyOne(stock, credits, cargo, 10, c.item), c.refusal) << c.item;
        EXPECT_EQ(stock[3], 0u);
        EXPECT_EQ(stock[4], 100u);
        EXPECT_EQ(cargo, (dh::GoodsCounts{5, 5, 0, 0, 0, 0, 0, 0}));
        EXPECT_EQ(credits, 50.0);
    }
}

TEST(Market, BuyWithExactCreditsIntoTheLastFreeUnit)
{
    dh::GoodsCounts stock = stockAt(100);
    std::uint32_t cargo[8] = {0, 0, 4, 0, 0, 0, 0, 5};
    double credits = 100.0;
    EXPECT_EQ(dh::buyOne(stock, credits, cargo, 10, 3), "");
    EXPECT_EQ(credits, 0.0);
    EXPECT_EQ(stock[3], 99u);
    EXPECT_EQ(cargo[3], 1u);
    credits = 1000.0;
    EXPECT_EQ(dh::buyOne(stock, credits, cargo, 10, 3), "You do not have any more room on board");
    EXPECT_EQ(dh::buyOne(stock, credits, cargo, 11, 3), "");
    EXPECT_EQ(cargo[3], 2u);

    // A price that is not a round number: exactly enough buys, a hair less does not.
    stock[5] = 37;
    const double price = dh::buyPrice(stock, 5);
    ASSERT_NE(price, std::floor(price));
    credits = std::nextafter(price, 0.0);
    EXPECT_EQ(dh::buyOne(stock, credits, cargo, 100, 5), "You do not have sufficient credits");
    credits = price;
    EXPECT_EQ(dh::buyOne(stock, credits, cargo, 100, 5), "");
    EXPECT_EQ(credits, 0.0);
}

TEST(Market, SellingBackLosesThreePercentAndTheStockEffect)
{
    dh::GoodsCounts stock = stockAt(100);
    dh::GoodsCounts cargo = {0, 1, 0, 0, 0, 0, 0, 0};
    double credits = 1000.0;
    // Nothing to sell changes nothing.
    EXPECT_FALSE(dh::sellOne(stock, credits, cargo, 0));
    EXPECT_FALSE(dh::sellOne(stock, credits, cargo, 8));
    EXPECT_EQ(credits, 1000.0);
    EXPECT_EQ(stock, stockAt(100));

    ASSERT_EQ(dh::buyOne(stock, credits, cargo, 10, 3), "");
    EXPECT_EQ(credits, 900.0);
    ASSERT_TRUE(dh::sellOne(stock, credits, cargo, 3));
    // Sold at the price of stock 99 (100 x 1.0015), less 3 %.
    EXPECT_NEAR(credits, 900.0 + 100.0 * 1.0015 * 0.97, 1e-4);
    EXPECT_EQ(stock, stockAt(100));
    EXPECT_EQ(cargo, (dh::GoodsCounts{0, 1, 0, 0, 0, 0, 0, 0}));
}
