// The grid over the items' bounds finds the same items, in the same order, as looking at each.

#include "sim/app/ShapeGrid.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <random>
#include <vector>

namespace {

std::vector<std::uint32_t> EachMeeting(const std::vector<QRectF>& bounds, const QRectF& area)
{
    std::vector<std::uint32_t> met;
    for (std::uint32_t i = 0; i < bounds.size(); ++i) {
        if (hostapp::ShapeGrid::Meets(bounds[i], area))
            met.push_back(i);
    }
    return met;
}

// Items of every size, level and upright hairlines among them; areas from a point to more than
// all the items, inside, across the edge of and beyond the items' extent.
TEST(ShapeGridTest, FindsWhatLookingAtEachItemFinds)
{
    std::mt19937 random(7);
    std::uniform_real_distribution<double> where(-50.0, 650.0);
    std::uniform_real_distribution<double> size(0.0, 60.0);
    std::vector<QRectF> bounds;
    for (int i = 0; i < 3000; ++i) {
        const double width = i % 7 == 0 ? 0.0 : size(random);
        const double height = i % 11 == 0 ? 0.0 : size(random);
        bounds.emplace_back(where(random), where(random), width, height);
    }
    bounds.emplace_back(-400.0, 100.0, 1500.0, 20.0);
    const hostapp::ShapeGrid grid(bounds);
    std::vector<QRectF> areas = {QRectF(300, 300, 0, 0), QRectF(-1000, -1000, 3000, 3000), QRectF(700, 700, 50, 50),
                                 QRectF(-60, 100, 30, 30), QRectF(bounds[5].topLeft(), QSizeF(0, 0))};
    for (int i = 0; i < 200; ++i)
        areas.emplace_back(where(random), where(random), size(random) / 4.0, size(random) / 4.0);
    for (const QRectF& area : areas)
        EXPECT_EQ(grid.Meeting(area), EachMeeting(bounds, area)) << area.x() << ", " << area.y();
    EXPECT_TRUE(hostapp::ShapeGrid(std::vector<QRectF>{}).Meeting(QRectF(0, 0, 10, 10)).empty());
}

}  // namespace
