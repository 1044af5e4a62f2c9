#include "toolkit/DialogMetrics.h"

#include <gtest/gtest.h>

namespace qRVADM {
namespace {

struct MetricRow
{
    int index;
    std::int32_t panel;
    std::int32_t panelChinese;
    std::int32_t dialog;
};

// Every value of the table.
constexpr MetricRow kRows[] = {
    {0, 6, 6, 6},       {1, 16, 17, 20},    {2, 16, 20, 20},  {3, 16, 20, 20},  {4, 4, 4, 7},     {5, 12, 14, 14},
    {6, 12, 14, 14},    {7, 4, 4, 4},       {8, 16, 16, 27},  {9, 14, 14, 14},  {10, 19, 22, 22}, {11, 4, 4, 7},
    {12, 6, 6, 7},      {13, 50, 71, 71},   {14, 16, 18, 18}, {15, 13, 14, 14}, {16, 4, 4, 5},    {17, 4, 4, 12},
    {18, 4, 4, 12},     {19, 4, 4, 7},      {20, 4, 4, 7},    {21, 6, 6, 6},    {22, 10, 10, 10}, {23, 9, 9, 9},
    {24, 206, 206, 206}, {25, 9, 9, 21},    {26, 6, 6, 11},   {27, 15, 15, 17},
};

TEST(DialogMetricsValues, MatchTheTableForEveryFamily)
{
    const DialogMetrics panel(false, 1252);
    const DialogMetrics chinese(false, 936);
    const DialogMetrics dialog(true, 1252);
    for (const MetricRow& row : kRows) {
        SCOPED_TRACE(row.index);
        EXPECT_EQ(panel.Get(row.index), row.panel);
        EXPECT_EQ(chinese.Get(row.index), row.panelChinese);
        EXPECT_EQ(dialog.Get(row.index), row.dialog);
    }
    EXPECT_TRUE(dialog.IsModal());
    EXPECT_FALSE(panel.IsModal());
}

TEST(DialogMetricsValues, OutOfRangeIndicesGiveZero)
{
    const DialogMetrics dialog(true, 1252);
    EXPECT_EQ(dialog.Get(-1), 0);
    EXPECT_EQ(dialog.Get(28), 0);
}

TEST(DialogMetricsCodePage, PanelChangesOnlyFor936And950)
{
    const DialogMetrics reference(false, 1252);
    for (unsigned codePage : {437u, 932u, 949u, 1250u, 1251u, 65001u, 0u}) {
        const DialogMetrics other(false, codePage);
        for (int i = 0; i < DialogMetrics::kCount; ++i)
            EXPECT_EQ(other.Get(i), reference.Get(i)) << "code page " << codePage << " index " << i;
    }
    EXPECT_EQ(DialogMetrics(false, 950).Get(DialogMetrics::kButtonHeight), 22);
    EXPECT_EQ(DialogMetrics(false, 936).Get(DialogMetrics::kButtonHeight), 22);
}

TEST(DialogMetricsCodePage, ModalDialogIgnoresTheCodePage)
{
    for (int i = 0; i < DialogMetrics::kCount; ++i)
        EXPECT_EQ(DialogMetrics(true, 936).Get(i), DialogMetrics(true, 1252).Get(i)) << i;
}

TEST(DialogMetricsShared, ModalInstanceIsCreatedOnceWithTheModalFlag)
{
    EXPECT_EQ(&DialogMetrics::ForModalDialogs(), &DialogMetrics::ForModalDialogs());
    EXPECT_TRUE(DialogMetrics::ForModalDialogs().IsModal());
}

struct GapCase
{
    std::uint32_t a;
    std::uint32_t b;
    std::int32_t vertical; // on a modal dialog
    std::int32_t horizontal;
};

constexpr GapCase kGaps[] = {
    {kKindTextPushButton, kKindTextPushButton, 7, 7},
    {kKindCheckBox, kKindCheckBox, 5, 7},
    {kKindRadioButton, kKindRadioButton, 5, 7},
    {kKindCheckBox, kKindRadioButton, 7, 7},
    {kKindTextEdit, kKindTextEdit, 7, 7},
    {kKindTextEdit, kKindMultiLineEdit, 7, 7},
    {kKindMultiLineEdit, kKindTextEdit, 7, 7},
    {kKindTextEdit, kKindLabel, 7, 7},
    {kKindLabel, kKindTextEdit, 7, 4},
    {kKindTextPushButton, kKindLabel, 7, 7},
    {kKindListBox, kKindTextPushButton, 7, 7},
};

TEST(DialogMetricsGaps, FollowTheGapRules)
{
    const DialogMetrics dialog(true, 1252);
    for (const GapCase& gap : kGaps) {
        SCOPED_TRACE(testing::Message() << gap.a << " then " << gap.b);
        EXPECT_EQ(dialog.VerticalGap(gap.a, gap.b), gap.vertical);
        EXPECT_EQ(dialog.HorizontalGap(gap.a, gap.b), gap.horizontal);
    }
}

TEST(DialogMetricsGaps, PanelGapsComeFromThePanelColumn)
{
    const DialogMetrics panel(false, 1252);
    EXPECT_EQ(panel.VerticalGap(kKindTextPushButton, kKindTextPushButton), 4);
    EXPECT_EQ(panel.HorizontalGap(kKindTextPushButton, kKindTextPushButton), 6);
    EXPECT_EQ(panel.VerticalGap(kKindTextEdit, kKindTextEdit), 4);
    EXPECT_EQ(panel.VerticalGap(kKindTextEdit, kKindLabel), 4);
}

TEST(DialogMetricsGaps, AboveAndLeftOfTakeTheItemAsFirst)
{
    const DialogMetrics dialog(true, 1252);
    // A label left of an edit: the label is A, so the label gap applies.
    EXPECT_EQ(dialog.GapBeside(RectAlignment::Side::LeftOf, kKindTextEdit, kKindLabel), 4);
    EXPECT_EQ(dialog.GapBeside(RectAlignment::Side::RightOf, kKindTextEdit, kKindLabel), 7);
    EXPECT_EQ(dialog.GapBeside(RectAlignment::Side::Above, kKindLabel, kKindCheckBox), 7);
}

} // namespace
} // namespace qRVADM
