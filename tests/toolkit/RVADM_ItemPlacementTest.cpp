// Layout: the alignment flags, the metrics' gaps and code pages, and the placement helpers of items.

#include "ToolkitTestSupport.h"

#include "toolkit/RVADM_Frame.h"
#include "toolkit/RectAlignment.h"

#include <QLabel>
#include <QListWidget>
#include <QPushButton>

namespace qRVADM {
namespace {

using toolkittest::RecordingItem;
using toolkittest::RecordingModalDialog;
using ButtonItem = RecordingItem<QPushButton>;

RVADM_Rect BoundsOf(const RVADM_Item& item)
{
    RVADM_Rect r;
    item.GetBoundsRect(r);
    return r;
}

// Reference (100, 200, 300, 260); the item (10, 20, 50, 30) is 40 x 10. Later bits override earlier
// ones in a fixed order, moves use the width taken before any stretch, centring rounds down.
TEST(RectAlignment, FlagsApplyInTheirFixedOrder)
{
    struct Case
    {
        std::uint32_t flags;
        RVADM_Rect expected;
    };
    constexpr Case kCases[] = {
        {0x1, {100, 20, 140, 30}},  {0x2, {260, 20, 300, 30}},   {0x4, {100, 20, 50, 30}},
        {0x8, {10, 20, 300, 30}},   {0x10, {180, 20, 220, 30}},  {0x20, {10, 200, 50, 210}},
        {0x40, {10, 250, 50, 260}}, {0x80, {10, 200, 50, 30}},   {0x100, {10, 20, 50, 260}},
        {0x200, {10, 225, 50, 235}}, {0x400, {10, 20, 50, 30}},  {0x421, {100, 200, 140, 210}},
        {0x8 | 0x1, {100, 20, 140, 30}}, {0x1 | 0x2 | 0x10, {180, 20, 220, 30}},
        {0x20 | 0x40 | 0x200, {10, 225, 50, 235}}, {0x1 | 0x2, {260, 20, 300, 30}},
    };
    for (const Case& c : kCases)
        EXPECT_EQ(RectAlignment::Align({100, 200, 300, 260}, {10, 20, 50, 30}, c.flags), c.expected) << c.flags;
    EXPECT_EQ(RectAlignment::Align({0, 0, 5, 5}, {0, 0, 2, 2}, 0x10 | 0x200), (RVADM_Rect{1, 1, 3, 3}));
}

TEST(DialogMetrics, GapsFollowTheKindsAndOnlyCodePages936And950ChangeThePanel)
{
    const DialogMetrics modal(true, 1252);
    const DialogMetrics panel(false, 1252);
    struct Case
    {
        const DialogMetrics& metrics;
        std::uint32_t a, b;
        std::int32_t vertical, horizontal;
    };
    const Case cases[] = {
        {modal, kKindCheckBox, kKindCheckBox, 5, 7}, {modal, kKindRadioButton, kKindRadioButton, 5, 7},
        {modal, kKindCheckBox, kKindRadioButton, 7, 7}, {modal, kKindLabel, kKindTextEdit, 7, 4},
        {panel, kKindTextPushButton, kKindTextPushButton, 4, 6}, {panel, kKindListBox, kKindTextPushButton, 4, 4},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(c.metrics.VerticalGap(c.a, c.b), c.vertical) << c.a << " above " << c.b;
        EXPECT_EQ(c.metrics.HorizontalGap(c.a, c.b), c.horizontal) << c.a << " left of " << c.b;
    }
    for (unsigned codePage : {437u, 932u, 949u, 65001u, 0u}) {
        for (int i = 0; i < DialogMetrics::kCount; ++i)
            EXPECT_EQ(DialogMetrics(false, codePage).Get(i), panel.Get(i)) << codePage << " index " << i;
    }
    for (unsigned codePage : {936u, 950u})
        EXPECT_EQ(DialogMetrics(false, codePage).Get(DialogMetrics::kButtonHeight), 22) << codePage;
    EXPECT_EQ(panel.Get(DialogMetrics::kButtonHeight), 19);
    EXPECT_EQ(DialogMetrics(true, 936).Get(DialogMetrics::kButtonHeight), 22);
}

TEST(ItemPlacement, MoveBesideAReferenceAlignsFirstAndTakesTheGapOfTheTwoKinds)
{
    RecordingModalDialog dialog;
    toolkittest::PanelStandInDialog panel;
    for (RVADM_Dialog* parent : std::initializer_list<RVADM_Dialog*>{&dialog, &panel}) {
        auto* reference = new ButtonItem(parent, kKindTextPushButton);
        auto* item = new ButtonItem(parent, kKindTextPushButton);
        reference->SetBoundsRect({20, 30, 100, 52});
        item->SetBoundsRect({5, 0, 70, 22});
        RVADM_Item::MoveBelow(reference, item, kAlignNone, DefaultSpacing);
        const int gap = parent == &dialog ? 7 : 4;
        EXPECT_EQ(BoundsOf(*item), (RVADM_Rect{5, 52 + gap, 70, 74 + gap}));
    }
    auto* label = new RecordingItem<QLabel>(&dialog, kKindLabel);
    auto* list = new RecordingItem<QListWidget>(&dialog, kKindListBox);
    label->SetBoundsRect({100, 100, 150, 114});
    list->SetBoundsRect({0, 0, 80, 80});
    RVADM_Item::MoveRightOf(label, list, kAlignMoveTop); // after a label: 4
    EXPECT_EQ(BoundsOf(*list), (RVADM_Rect{154, 100, 234, 180}));
    RVADM_Item::MoveLeftOf(list, label, kAlignMoveBottom); // the label comes first: 4
    EXPECT_EQ(BoundsOf(*label), (RVADM_Rect{100, 166, 150, 180}));
    RVADM_Item::AlignItems(kAlignStretchRight, label, nullptr, list); // to the union, nulls skipped
    EXPECT_EQ(BoundsOf(*label), (RVADM_Rect{100, 166, 234, 180}));
}

// A frame's margins come from its style width; its content ends one margin past the item it fits.
TEST(ItemPlacement, ParentsFitAroundAnItemByTheirMargins)
{
    RecordingModalDialog dialog;
    auto* frame = new RVADM_Frame(&dialog);
    frame->SetFrameStyle(QFrame::Box, QFrame::Plain);
    frame->setLineWidth(2);
    frame->SetMarginsFromFrameWidth(6);
    EXPECT_EQ(frame->GetMargins(), (RVADM_Rect{6, 3, 6, 6}));
    frame->SetBoundsRect({10, 10, 50, 50});
    auto* inner = new ButtonItem(frame, kKindTextPushButton);
    inner->SetBoundsRect({8, 5, 108, 27});
    RVADM_Item::FitParentTo(inner, kAlignStretchRight | kAlignStretchBottom);
    RVADM_Rect local;
    frame->GetLocalRect(local);
    EXPECT_EQ(QPoint(local.right, local.bottom), QPoint(108 + 6, 27 + 6));
    EXPECT_EQ(frame->width(), 108 + 6 + 2);
    frame->SetMargins(RVADM_Rect{-3, 4, -1, 0});
    EXPECT_EQ(frame->GetMargins(), (RVADM_Rect{0, 4, 0, 0}));
    dialog.SetMargins(RVADM_Rect{1, 2, 3, 4});
    dialog.SetInnerRect({1, 2, 101, 52});
    EXPECT_EQ(dialog.size(), QSize(104, 56));
}

} // namespace
} // namespace qRVADM
