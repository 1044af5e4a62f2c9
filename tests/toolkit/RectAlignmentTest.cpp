#include "ToolkitTestSupport.h"

#include "toolkit/RectAlignment.h"

#include <gtest/gtest.h>

namespace qRVADM {

namespace {

constexpr RVADM_Rect kReference{100, 200, 300, 260};
constexpr RVADM_Rect kItem{10, 20, 50, 30}; // 40 x 10

struct AlignCase
{
    const char* name;
    std::uint32_t flags;
    RVADM_Rect expected;
};

class AlignFlag : public testing::TestWithParam<AlignCase>
{
};

TEST_P(AlignFlag, MovesOrStretchesTheItem)
{
    EXPECT_EQ(RectAlignment::Align(kReference, kItem, GetParam().flags), GetParam().expected);
}

INSTANTIATE_TEST_SUITE_P(
    EachBit, AlignFlag,
    testing::Values(AlignCase{"MoveLeft", 0x1, {100, 20, 140, 30}}, AlignCase{"MoveRight", 0x2, {260, 20, 300, 30}},
                    AlignCase{"StretchLeft", 0x4, {100, 20, 50, 30}},
                    AlignCase{"StretchRight", 0x8, {10, 20, 300, 30}},
                    AlignCase{"CenterHorizontal", 0x10, {180, 20, 220, 30}},
                    AlignCase{"MoveTop", 0x20, {10, 200, 50, 210}},
                    AlignCase{"MoveBottom", 0x40, {10, 250, 50, 260}},
                    AlignCase{"StretchTop", 0x80, {10, 200, 50, 30}},
                    AlignCase{"StretchBottom", 0x100, {10, 20, 50, 260}},
                    AlignCase{"CenterVertical", 0x200, {10, 225, 50, 235}},
                    AlignCase{"NoneChangesNothing", 0x400, kItem},
                    AlignCase{"ListBoxPlacement", 0x421, {100, 200, 140, 210}},
                    AlignCase{"StretchBothWays", 0x4 | 0x8 | 0x80 | 0x100, kReference}),
    [](const testing::TestParamInfo<AlignCase>& info) { return std::string(info.param.name); });

// A move after a stretch uses the width taken before it; centring overrides moves whatever the
// bit order and rounds toward zero; moving right overrides moving left.
TEST(AlignOrder, FollowsTheFixedOrderOfTheFlags)
{
    EXPECT_EQ(RectAlignment::Align(kReference, kItem, 0x8 | 0x1), (RVADM_Rect{100, 20, 140, 30}));
    EXPECT_EQ(RectAlignment::Align(kReference, kItem, 0x1 | 0x2 | 0x10), (RVADM_Rect{180, 20, 220, 30}));
    EXPECT_EQ(RectAlignment::Align(kReference, kItem, 0x20 | 0x40 | 0x200), (RVADM_Rect{10, 225, 50, 235}));
    EXPECT_EQ(RectAlignment::Align({0, 0, 5, 5}, {0, 0, 2, 2}, 0x10 | 0x200), (RVADM_Rect{1, 1, 3, 3}));
    EXPECT_EQ(RectAlignment::Align(kReference, kItem, 0x1 | 0x2), (RVADM_Rect{260, 20, 300, 30}));
}

TEST(MoveBeside, KeepsTheSizeAndLeavesTheSpacing)
{
    const RVADM_Rect item{0, 0, 40, 10};
    EXPECT_EQ(RectAlignment::MoveBeside(kReference, item, RectAlignment::Side::Below, 7), (RVADM_Rect{0, 267, 40, 277}));
    EXPECT_EQ(RectAlignment::MoveBeside(kReference, item, RectAlignment::Side::Above, 4), (RVADM_Rect{0, 186, 40, 196}));
    EXPECT_EQ(RectAlignment::MoveBeside(kReference, item, RectAlignment::Side::RightOf, 7), (RVADM_Rect{307, 0, 347, 10}));
    EXPECT_EQ(RectAlignment::MoveBeside(kReference, item, RectAlignment::Side::LeftOf, 20), (RVADM_Rect{40, 0, 80, 10}));
}

TEST(Union, EmptyRectanglesDoNotContribute)
{
    EXPECT_EQ(RectAlignment::Union({}, kItem), kItem);
    EXPECT_EQ(RectAlignment::Union(kItem, {5, 5, 5, 9}), kItem);
    EXPECT_EQ(RectAlignment::Union(kItem, kReference), (RVADM_Rect{10, 20, 300, 260}));
}

} // namespace
} // namespace qRVADM
