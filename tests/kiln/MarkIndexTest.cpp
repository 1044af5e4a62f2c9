// The grid index of mark reaches: what a rendering of an area must visit, in painting order.

#include "sim/kiln/MarkIndex.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <vector>

namespace {

std::vector<int> Found(const kiln::MarkIndex& index, const QRectF& area)
{
    std::vector<int> found{99};  // cleared by Find
    index.Find(area, found);
    return found;
}

TEST(MarkIndexTest, FindsTheMarksThatReachAnAreaInPaintingOrder)
{
    // A page-sized background, small marks in three corners, an empty one and a long bar.
    const kiln::MarkIndex index({QRectF(0, 0, 100, 100), QRectF(1, 1, 4, 4), QRectF(90, 2, 5, 5), QRectF(),
                                 QRectF(2, 92, 3, 3), QRectF(0, 48, 100, 2), QRectF(93, 93, 2, 2)});
    const struct
    {
        QRectF area;
        std::vector<int> marks;
    } cases[] = {
        {QRectF(2, 2, 1, 1), {0, 1}},
        {QRectF(91, 3, 0.5, 0.5), {0, 2}},
        {QRectF(40, 49, 1, 1), {0, 5}},
        {QRectF(0, 0, 100, 100), {0, 1, 2, 4, 5, 6}},
        {QRectF(-50, -50, 300, 300), {0, 1, 2, 4, 5, 6}},
        {QRectF(94, 94, 10, 10), {0, 6}},
        {QRectF(101, 20, 5, 5), {}},
        {QRectF(-10, -10, 5, 5), {}},
    };
    for (const auto& c : cases) {
        const std::vector<int> found = Found(index, c.area);
        // The grid may add marks that only come near the area, never leave one out or repeat one.
        for (const int mark : c.marks)
            EXPECT_NE(std::find(found.begin(), found.end(), mark), found.end()) << mark;
        EXPECT_TRUE(std::is_sorted(found.begin(), found.end()));
        EXPECT_EQ(std::adjacent_find(found.begin(), found.end()), found.end());
        EXPECT_EQ(std::find(found.begin(), found.end(), 3), found.end()) << "the empty mark";
    }
}

TEST(MarkIndexTest, ASmallAreaOfAFullPageVisitsOnlyTheMarksAroundIt)
{
    std::vector<QRectF> reaches;
    for (int y = 0; y < 100; ++y)
        for (int x = 0; x < 100; ++x)
            reaches.emplace_back(x, y, 0.8, 0.8);
    const std::vector<int> found = Found(kiln::MarkIndex(reaches), QRectF(50.2, 70.2, 0.3, 0.3));
    EXPECT_NE(std::find(found.begin(), found.end(), 70 * 100 + 50), found.end());
    EXPECT_LE(found.size(), 16u);
}

TEST(MarkIndexTest, AJobWithoutReachFindsNothing)
{
    EXPECT_TRUE(Found(kiln::MarkIndex({}), QRectF(0, 0, 10, 10)).empty());
    EXPECT_TRUE(Found(kiln::MarkIndex({QRectF(), QRectF(5, 5, 0, 3)}), QRectF(0, 0, 10, 10)).empty());
}

}  // namespace
