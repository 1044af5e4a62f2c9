// The placement helpers of items: alignment to items and parents, fitting parents, and moving
// beside a reference with the metrics' gaps.

#include "ToolkitTestSupport.h"

#include "toolkit/RVADM_Frame.h"

#include <QLabel>
#include <QListWidget>
#include <QPushButton>

#include <gtest/gtest.h>

namespace qRVADM {

namespace {

using toolkittest::PanelStandInDialog;
using toolkittest::RecordingItem;
using toolkittest::RecordingModalDialog;

using ButtonItem = RecordingItem<QPushButton>;

RVADM_Rect BoundsOf(const RVADM_Item& item)
{
    RVADM_Rect r;
    item.GetBoundsRect(r);
    return r;
}

struct ButtonPair
{
    ButtonItem* reference;
    ButtonItem* item;
};

// A reference button at (20, 30, 100, 52) and a button to place at (5, 0, 70, 22).
ButtonPair MakeButtonPair(RVADM_Dialog& dialog)
{
    const ButtonPair pair{new ButtonItem(&dialog, kKindTextPushButton), new ButtonItem(&dialog, kKindTextPushButton)};
    pair.reference->SetBoundsRect({20, 30, 100, 52});
    pair.item->SetBoundsRect({5, 0, 70, 22});
    return pair;
}

TEST(MoveBelow, DefaultGapBetweenPushButtonsIsSevenOnAModalDialogAndFourOnAPanel)
{
    RecordingModalDialog dialog;
    PanelStandInDialog panel;
    const ButtonPair modal = MakeButtonPair(dialog);
    const ButtonPair onPanel = MakeButtonPair(panel);
    RVADM_Item::MoveBelow(modal.reference, modal.item, kAlignNone, DefaultSpacing);
    RVADM_Item::MoveBelow(onPanel.reference, onPanel.item, kAlignNone, DefaultSpacing);
    EXPECT_EQ(BoundsOf(*modal.item), (RVADM_Rect{5, 52 + 7, 70, 74 + 7}));
    EXPECT_EQ(BoundsOf(*onPanel.item), (RVADM_Rect{5, 52 + 4, 70, 74 + 4}));
    RVADM_Item::MoveBelow(modal.reference, modal.item, kAlignMoveLeft, 3); // aligns first
    EXPECT_EQ(BoundsOf(*modal.item), (RVADM_Rect{20, 55, 85, 77}));
}

TEST(MoveBeside, EachDirectionUsesItsOwnGap)
{
    RecordingModalDialog dialog;
    auto* label = new RecordingItem<QLabel>(&dialog, kKindLabel);
    auto* list = new RecordingItem<QListWidget>(&dialog, kKindListBox);
    auto* button = new ButtonItem(&dialog, kKindTextPushButton);
    label->SetBoundsRect({100, 100, 150, 114});
    list->SetBoundsRect({0, 0, 80, 80});
    button->SetBoundsRect({0, 0, 71, 22});

    RVADM_Item::MoveRightOf(label, list, kAlignMoveTop); // label gap 4
    EXPECT_EQ(BoundsOf(*list), (RVADM_Rect{154, 100, 234, 180}));
    RVADM_Item::MoveLeftOf(list, button, kAlignMoveBottom); // a push button before a list: 7
    EXPECT_EQ(BoundsOf(*button), (RVADM_Rect{76, 158, 147, 180}));
    RVADM_Item::MoveAbove(list, label, kAlignNone, 2);
    EXPECT_EQ(BoundsOf(*label), (RVADM_Rect{100, 84, 150, 98}));
}

TEST(AlignItems, AlignsEveryItemToTheUnionAndIgnoresNulls)
{
    RecordingModalDialog dialog;
    auto* a = new ButtonItem(&dialog, kKindTextPushButton);
    auto* b = new ButtonItem(&dialog, kKindTextPushButton);
    a->SetBoundsRect({10, 10, 60, 30});
    b->SetBoundsRect({20, 40, 120, 60});
    RVADM_Item::AlignItems(kAlignNone | kAlignStretchRight, a, nullptr, b);
    EXPECT_EQ(BoundsOf(*a), (RVADM_Rect{10, 10, 120, 30}));
    EXPECT_EQ(BoundsOf(*b), (RVADM_Rect{20, 40, 120, 60}));
    RVADM_Item::MoveBelow(nullptr, a, kAlignNone);
    RVADM_Item::MoveBelow(a, nullptr, kAlignNone);
    RVADM_Item::AlignTo(nullptr, a, kAlignMoveLeft);
    EXPECT_EQ(BoundsOf(*a), (RVADM_Rect{10, 10, 120, 30}));
}

TEST(PlaceInParent, UsesTheInnerRectangleOfTheParent)
{
    RecordingModalDialog dialog;
    dialog.SetMarginsFromMetrics(dialog.GetStyle());
    dialog.SetSize(300, 200);
    auto* button = new ButtonItem(&dialog, kKindTextPushButton);
    button->SetBoundsRect({0, 0, 71, 22});
    RVADM_Item::PlaceInParent(button, kAlignMoveRight | kAlignMoveBottom);
    EXPECT_EQ(BoundsOf(*button), (RVADM_Rect{300 - 12 - 71, 200 - 12 - 22, 288, 188}));
    RVADM_Item::PlaceInParent(button, kAlignNone | kAlignMoveLeft | kAlignMoveTop);
    EXPECT_EQ(BoundsOf(*button), (RVADM_Rect{12, 12, 83, 34}));
}

TEST(FitParentTo, FrameEndsOneMarginRightOfAndBelowTheItem)
{
    RecordingModalDialog dialog;
    auto* frame = new RVADM_Frame(&dialog);
    frame->SetFrameStyle(QFrame::Box, QFrame::Plain);
    frame->setLineWidth(2);
    frame->SetMarginsFromFrameWidth(6);
    frame->SetBoundsRect({10, 10, 50, 50});
    auto* inner = new ButtonItem(frame, kKindTextPushButton);
    inner->SetBoundsRect({8, 5, 108, 27});
    EXPECT_EQ(inner->parentWidget(), frame);
    RVADM_Item::FitParentTo(inner, kAlignStretchRight | kAlignStretchBottom);
    RVADM_Rect local;
    frame->GetLocalRect(local);
    // Content rectangle ends one margin (right 6, bottom 6) past the item.
    EXPECT_EQ(local.right, 108 + 6);
    EXPECT_EQ(local.bottom, 27 + 6);
    EXPECT_EQ(frame->width(), 108 + 6 + 2);
    EXPECT_EQ(frame->GetLeft(), 10);
    EXPECT_EQ(frame->GetMargins(), (RVADM_Rect{6, 3, 6, 6}));
    frame->SetMargins(RVADM_Rect{-3, 4, -1, 0});
    EXPECT_EQ(frame->GetMargins(), (RVADM_Rect{0, 4, 0, 0}));
}

TEST(ItemParentCoordinates, NestedParentsConvertThroughEachLevel)
{
    RecordingModalDialog dialog;
    dialog.move(200, 100);
    dialog.show();
    auto* frame = new RVADM_Frame(&dialog);
    frame->SetFrameStyle(QFrame::NoFrame, QFrame::Plain);
    frame->SetBoundsRect({30, 40, 130, 140});
    frame->show();
    RVADM_Point point{5, 6};
    frame->LocalToParentPoint(point);
    EXPECT_EQ(point, (RVADM_Point{35, 46}));
    frame->ParentToLocalPoint(point);
    EXPECT_EQ(point, (RVADM_Point{5, 6}));

    RVADM_Rect rect{5, 6, 15, 26};
    frame->LocalToScreenRect(rect);
    const QPoint global = frame->mapToGlobal(QPoint(5, 6));
    EXPECT_EQ(rect, (RVADM_Rect{global.x(), global.y(), global.x() + 10, global.y() + 20}));
    frame->ScreenToLocalRect(rect);
    EXPECT_EQ(rect, (RVADM_Rect{5, 6, 15, 26}));

    // A dialog's parent is the screen.
    RVADM_Point onDialog{1, 2};
    dialog.LocalToParentPoint(onDialog);
    const QPoint dialogGlobal = dialog.mapToGlobal(QPoint(1, 2));
    EXPECT_EQ(onDialog, (RVADM_Point{dialogGlobal.x(), dialogGlobal.y()}));
}

TEST(ItemParentRects, InnerRectIsLocalShrunkByMargins)
{
    RecordingModalDialog dialog;
    dialog.SetSize(200, 100);
    dialog.SetMargins(RVADM_Rect{1, 2, 3, 4});
    RVADM_Rect inner;
    dialog.GetInnerRect(inner);
    EXPECT_EQ(inner, (RVADM_Rect{1, 2, 197, 96}));
    dialog.SetInnerRect({1, 2, 101, 52});
    EXPECT_EQ(dialog.size(), QSize(104, 56));
}

} // namespace
} // namespace qRVADM
