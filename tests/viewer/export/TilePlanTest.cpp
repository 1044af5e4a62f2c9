// The cutting of a proof into tiles: sizes, coverage and shared edges.

#include "viewer/export/TilePlan.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <vector>

namespace {

TEST(TilePlan, ImageHasThePixelsOfTheAreaAtTheResolution)
{
    const struct
    {
        JobRect area;
        int ppi;
        int width;
        int height;
    } cases[] = {
        {{0.0, 25.4, 0.0, 50.8}, 72, 144, 72},
        {{10.0, 35.4, -5.0, 45.8}, 300, 600, 300},
        {{0.0, 297.0, 0.0, 210.0}, 2400, 19843, 28063},
        {{0.0, 0.01, 0.0, 0.01}, 72, 1, 1},  // under half a pixel still makes one
        {{0.0, 1.0, 0.0, 1.0}, 100, 4, 4},   // 3.94 pixels
    };
    for (const auto& c : cases) {
        const TilePlan plan(c.area, c.ppi, 256, 256);
        EXPECT_EQ(plan.Width(), c.width) << c.ppi;
        EXPECT_EQ(plan.Height(), c.height) << c.ppi;
        const auto whole = plan.WholeArea();
        EXPECT_DOUBLE_EQ(whole[0], c.area.x0);
        EXPECT_DOUBLE_EQ(whole[2], c.area.y0);
        EXPECT_NEAR((whole[1] - whole[0]) / 25.4 * c.ppi, c.width, 1e-9);
        EXPECT_NEAR((whole[3] - whole[2]) / 25.4 * c.ppi, c.height, 1e-9);
    }
}

TEST(TilePlan, TilesCoverEveryPixelOnceAndShareTheirEdges)
{
    const TilePlan plan({3.0, 80.0, 7.0, 99.0}, 150, 97, 61);
    ASSERT_EQ(plan.Columns(), (plan.Width() + 96) / 97);
    ASSERT_EQ(plan.Bands(), (plan.Height() + 60) / 61);
    std::vector<int> covered(static_cast<std::size_t>(plan.Width()) * plan.Height(), 0);
    for (int band = 0; band < plan.Bands(); ++band)
        for (int column = 0; column < plan.Columns(); ++column) {
            const TilePlan::Tile tile = plan.At(band, column);
            EXPECT_EQ(tile.height, plan.BandHeight(band));
            for (int y = tile.top; y < tile.top + tile.height; ++y)
                for (int x = tile.left; x < tile.left + tile.width; ++x)
                    ++covered[static_cast<std::size_t>(y) * plan.Width() + x];
            // The same millimetres where neighbours meet, bit for bit.
            if (column > 0) {
                EXPECT_EQ(tile.area[0], plan.At(band, column - 1).area[1]);
            }
            if (band > 0) {
                EXPECT_EQ(tile.area[2], plan.At(band - 1, column).area[3]);
            }
        }
    EXPECT_EQ(std::count(covered.begin(), covered.end(), 1), static_cast<long>(covered.size()));
    const auto whole = plan.WholeArea();
    const TilePlan::Tile last = plan.At(plan.Bands() - 1, plan.Columns() - 1);
    EXPECT_EQ(last.area[1], whole[1]);
    EXPECT_EQ(last.area[3], whole[3]);
    EXPECT_EQ(plan.At(0, 0).area[0], whole[0]);
}

TEST(TilePlan, FitsOnlyAscendingAreasOfAtMostAMillionPixelsASide)
{
    EXPECT_TRUE(TilePlan::Fits({0, 1, 0, 1}, 72));
    EXPECT_TRUE(TilePlan::Fits({0, 10583, 0, 10583}, 2400));   // 999,987 pixels
    EXPECT_FALSE(TilePlan::Fits({0, 10, 0, 10590}, 2400));     // 1,000,630 pixels
    EXPECT_FALSE(TilePlan::Fits({0, 10, 5, 5}, 300));
    EXPECT_FALSE(TilePlan::Fits({10, 0, 0, 10}, 300));
}

}  // namespace
