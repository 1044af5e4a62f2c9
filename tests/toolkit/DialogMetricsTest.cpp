#include "toolkit/DialogMetrics.h"

#include <gtest/gtest.h>

namespace qRVADM {
namespace {

// The table's values are its own; these guard the lookups around it.
TEST(DialogMetricsValues, OutOfRangeIndicesGiveZeroAndOnly936And950ChangeAPanel)
{
    const DialogMetrics dialog(true, 1252);
    EXPECT_TRUE(dialog.IsModal());
    EXPECT_EQ(dialog.Get(-1), 0);
    EXPECT_EQ(dialog.Get(DialogMetrics::kCount), 0);
    EXPECT_EQ(DialogMetrics(true, 936).Get(DialogMetrics::kButtonHeight), dialog.Get(DialogMetrics::kButtonHeight));

    const DialogMetrics reference(false, 1252);
    for (unsigned codePage : {437u, 932u, 949u, 1250u, 1251u, 65001u, 0u}) {
        const DialogMetrics other(false, codePage);
        for (int i = 0; i < DialogMetrics::kCount; ++i)
            EXPECT_EQ(other.Get(i), reference.Get(i)) << "code page " << codePage << " index " << i;
    }
    EXPECT_EQ(DialogMetrics(false, 950).Get(DialogMetrics::kButtonHeight), 22);
    EXPECT_EQ(DialogMetrics(false, 936).Get(DialogMetrics::kButtonHeight), 22);
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
