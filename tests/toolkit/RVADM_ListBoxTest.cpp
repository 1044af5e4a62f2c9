// List boxes on a stand-in panel dialog: delayed selection around double clicks, the double-click
// target, the list operations, row tool tips and row painting.

#include "ToolkitTestSupport.h"

#include "toolkit/RVADM_ListBox.h"
#include "toolkit/RVADM_ListEntry.h"
#include "toolkit/RVADM_Tracker.h"
#include "toolkit/internal/RVADM_DelayedSelectionModel.h"

#include "RVADMQtManager.h"

#include <QApplication>
#include <QHelpEvent>
#include <QPushButton>
#include <QScrollBar>
#include <QTest>
#include <QToolTip>

#include <gtest/gtest.h>

#include <vector>

namespace qRVADM {
namespace {

using toolkittest::PanelStandInDialog;
using toolkittest::RecordingItem;

class AsyncRecordingDialog : public PanelStandInDialog
{
public:
    void OnAsyncNotify(RVADM_Item* item) override { asyncNotified.push_back(item); }
    std::vector<RVADM_Item*> asyncNotified;
};

// A row that records the trackers it gets and answers with `consume`.
class TrackingEntry : public RVADM_ListEntry
{
public:
    TrackingEntry(RVADM_ListBox* list, const char* text, bool consume)
        : RVADM_ListEntry(list, text)
        , m_consume(consume)
    {
    }
    bool Track(RVADM_Tracker tracker) override
    {
        trackers.push_back(tracker);
        return m_consume;
    }
    std::vector<RVADM_Tracker> trackers;

private:
    bool m_consume;
};

class ListBoxTest : public testing::Test
{
protected:
    void SetUp() override
    {
        dialog.resize(240, 240);
        list = new RVADM_ListBox(&dialog, false);
        list->SetBoundsRect({10, 10, 210, 160});
        for (const char* text : {"Coated", "Uncoated", "Newsprint", "Coated Gloss"})
            new RVADM_ListEntry(list, text);
        target = new RecordingItem<QPushButton>(&dialog, kKindTextPushButton);
        list->SetDoubleClickItem(target);
        dialog.show();
    }

    QPoint RowCentre(int row) const { return list->visualItemRect(list->item(row)).center(); }
    void Press(int row) { QTest::mousePress(list->viewport(), Qt::LeftButton, {}, RowCentre(row)); }
    void Release(int row) { QTest::mouseRelease(list->viewport(), Qt::LeftButton, {}, RowCentre(row)); }
    void Click(int row)
    {
        Press(row);
        Release(row);
    }
    // The second click of a double click as Qt delivers it: a double-click event, then a release.
    void SecondClickOfDouble(int row)
    {
        QMouseEvent event(QEvent::MouseButtonDblClick, RowCentre(row), list->viewport()->mapToGlobal(RowCentre(row)),
                          Qt::LeftButton, Qt::LeftButton, Qt::NoModifier);
        QApplication::sendEvent(list->viewport(), &event);
        Release(row);
    }
    // The double-click interval (+ 25 ms) ends; then the queued notifications arrive.
    void EndOfWindow()
    {
        list->GetDelayedSelectionModel().commitPendingCommands();
        QApplication::processEvents();
    }
    int ListNotifications() const
    {
        return static_cast<int>(std::count(dialog.notified.begin(), dialog.notified.end(), list));
    }

    AsyncRecordingDialog dialog;
    RVADM_ListBox* list = nullptr;
    RecordingItem<QPushButton>* target = nullptr;
};

TEST_F(ListBoxTest, DoubleClickOnAnUnselectedRowSelectsOnceAndReachesTheTarget)
{
    Click(1);
    EXPECT_TRUE(list->GetDelayedSelectionModel().IsHolding());
    SecondClickOfDouble(1);
    EndOfWindow();
    EXPECT_EQ(dialog.notified, (std::vector<RVADM_Item*>{list, target}));
    EXPECT_EQ(dialog.asyncNotified, std::vector<RVADM_Item*>{list});
    EXPECT_EQ(target->UserCodes(), std::vector<std::int32_t>{kNotifyUserChanged});
    EXPECT_EQ(list->GetActiveEntry(), list->GetEntry(1));
}

TEST_F(ListBoxTest, SecondPressInsideTheWindowIsHeldBackUntilItEndsOrTheSelectionIsRead)
{
    Click(0);
    Click(2);
    EXPECT_EQ(ListNotifications(), 1);
    EXPECT_EQ(list->GetDelayedSelectionModel().PendingCount(), 1u);
    EndOfWindow();
    EXPECT_EQ(ListNotifications(), 2);
    EXPECT_EQ(list->GetActiveEntry(), list->GetEntry(2));
    Click(3);
    Click(1);
    EXPECT_EQ(list->GetSelectedEntry(0), list->GetEntry(1));
    EXPECT_FALSE(list->GetDelayedSelectionModel().IsHolding());
}

TEST_F(ListBoxTest, RemovingAllEntriesWhileAChangeIsPendingEmitsNothing)
{
    Click(0);
    Click(2);
    const int before = ListNotifications();
    list->RemoveAllEntries();
    EndOfWindow();
    EXPECT_EQ(ListNotifications(), before);
    EXPECT_EQ(list->NumberOfEntries(), 0);
    EXPECT_EQ(list->GetActiveEntry(), nullptr);
}

TEST_F(ListBoxTest, DisabledTargetReceivesNothing)
{
    target->Enable(false);
    Click(1);
    SecondClickOfDouble(1);
    EndOfWindow();
    EXPECT_TRUE(target->UserCodes().empty());
    EXPECT_EQ(dialog.notified, std::vector<RVADM_Item*>{list});
}

TEST_F(ListBoxTest, DraggingOverRowsLeavesTheSelection)
{
    Click(0);
    EndOfWindow();
    Press(0);
    QMouseEvent move(QEvent::MouseMove, RowCentre(2), list->viewport()->mapToGlobal(RowCentre(2)), Qt::NoButton,
                     Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(list->viewport(), &move);
    Release(2);
    EndOfWindow();
    EXPECT_EQ(list->GetSelectedEntry(0), list->GetEntry(0));
    EXPECT_EQ(list->NumberOfSelectedEntries(), 1);
}

TEST_F(ListBoxTest, SelectionOperationsFindByTheBeginningIgnoringCaseAndDoNotNotify)
{
    EXPECT_TRUE(list->SelectEntryByText("uncoa"));
    EXPECT_EQ(list->GetActiveEntry(), list->GetEntry(1));
    list->GetEntry(3)->Select(true);
    EXPECT_FALSE(list->GetEntry(1)->IsSelected());
    list->GetEntry(2)->Select(true);
    list->DeselectAll();
    EXPECT_EQ(list->currentRow(), 2);
    EXPECT_EQ(list->GetActiveEntry(), nullptr);
    EXPECT_FALSE(list->SelectEntryByText("Matte"));
    EXPECT_EQ(list->FindEntry("NEWS"), list->GetEntry(2));
    EXPECT_EQ(list->FindEntry("Gloss"), nullptr);
    EXPECT_EQ(list->FindEntry(nullptr), nullptr);
    EXPECT_EQ(list->GetEntry(4), nullptr);
    EXPECT_EQ(list->GetEntry(-1), nullptr);
    QApplication::processEvents();
    EXPECT_TRUE(dialog.notified.empty());
    EXPECT_TRUE(dialog.asyncNotified.empty());
}

TEST_F(ListBoxTest, MultiSelectionCountsAndOrdersByRow)
{
    list->SetMultiSelect(true);
    EXPECT_TRUE(list->IsMultiSelect());
    list->GetEntry(3)->Select(true);
    list->GetEntry(1)->Select(true);
    EXPECT_EQ(list->NumberOfSelectedEntries(), 2);
    EXPECT_EQ(list->GetSelectedEntry(0), list->GetEntry(1));
    EXPECT_EQ(list->GetSelectedEntry(1), list->GetEntry(3));
    EXPECT_EQ(list->GetSelectedEntry(2), nullptr);
}

TEST_F(ListBoxTest, EntryTextsAreCutOnCharactersAndRectsAreInViewportAndScreen)
{
    RVADM_ListEntry* entry = list->GetEntry(2);
    entry->SetText("Zeitung");
    char buffer[5];
    entry->GetText(buffer, sizeof buffer);
    EXPECT_STREQ(buffer, "Zeit");
    RVADM_Rect local;
    RVADM_Rect global;
    entry->GetLocalRect(local);
    entry->GetBoundsRect(global);
    EXPECT_EQ(local.ToQRect(), list->visualItemRect(entry));
    EXPECT_EQ(global.ToQRect().topLeft(), list->viewport()->mapToGlobal(local.ToQRect().topLeft()));
}

TEST_F(ListBoxTest, HeightHoldsWholeRowsAndTheScrollRangeCorrectionEndsItOneEarlier)
{
    const int row = list->sizeHintForRow(0);
    const QMargins margins = list->contentsMargins();
    const int frame = margins.top() + margins.bottom();
    list->SetHeightInRows(120, frame + 3 * row + row / 2);
    EXPECT_EQ(list->GetHeight(), frame + 3 * row);
    list->SetScrollRangeCorrection(true);
    list->SetHeightInRows(120, frame + 3 * row + 2);
    EXPECT_EQ(list->GetHeight(), (3 * row + 3) / (row + 1) * (row + 1) + frame - 1);

    for (int i = 0; i < 40; ++i)
        new RVADM_ListEntry(list, "Row");
    list->SetScrollRangeCorrection(false);
    QApplication::processEvents();
    const int natural = list->verticalScrollBar()->maximum();
    ASSERT_GT(natural, 0);
    list->SetScrollRangeCorrection(true);
    list->VerticalSliderRangeChanged(0, natural);
    EXPECT_EQ(list->verticalScrollBar()->maximum(), natural - 1);
    list->VerticalSliderRangeChanged(0, 0);
    EXPECT_EQ(list->verticalScrollBar()->maximum(), natural - 1);
}

TEST_F(ListBoxTest, ToolTipRequestReachesTheRowAsTrackerOneThousandAndOne)
{
    auto* consuming = new TrackingEntry(list, "Consumes", true);
    auto* passing = new TrackingEntry(list, "Passes", false);
    passing->SetTipString("<b>literal</b>");
    const QRect rect = list->visualItemRect(consuming);
    const QPoint at = rect.topLeft() + QPoint(5, 3);
    QHelpEvent consumed(QEvent::ToolTip, at, list->viewport()->mapToGlobal(at));
    EXPECT_TRUE(QApplication::sendEvent(list->viewport(), &consumed));
    ASSERT_EQ(consuming->trackers.size(), 1u);
    EXPECT_EQ(consuming->trackers[0].GetAction(), 1001);
    EXPECT_EQ(consuming->trackers[0].GetPoint(), (RVADM_Point{5, 3}));

    const QPoint over = list->visualItemRect(passing).center();
    QHelpEvent shown(QEvent::ToolTip, over, list->viewport()->mapToGlobal(over));
    QApplication::sendEvent(list->viewport(), &shown);
    EXPECT_EQ(passing->trackers.size(), 1u);
    EXPECT_TRUE(QToolTip::isVisible());
    EXPECT_TRUE(QToolTip::text().contains(QStringLiteral("&lt;b&gt;literal")));
    QToolTip::hideText();
}

TEST_F(ListBoxTest, SelectedRowsArePaintedInTheThemesSelectionColour)
{
    list->GetEntry(1)->Select(true);
    const QImage image = list->viewport()->grab().toImage();
    const QRect row = list->visualItemRect(list->GetEntry(1));
    const QColor selection = RVADMQtManager::QtManager::GetControlColor(list, RVADMQtManager::QtManager::kColorSelection, true);
    EXPECT_EQ(image.pixelColor(row.right() - 2, row.center().y()), selection);
}

TEST(ListBoxOnPanel, TakesNoFocusOnANonModalDialog)
{
    PanelStandInDialog panel;
    RVADMQtManager::QtManager::MakeDVAStyleAware(&panel, true);
    auto* onPanel = new RVADM_ListBox(&panel, true);
    EXPECT_EQ(onPanel->focusPolicy(), Qt::NoFocus);
    EXPECT_EQ(onPanel->selectionMode(), QAbstractItemView::ExtendedSelection);
    EXPECT_EQ(onPanel->GetKind(), kKindListBox);
    RVADMQtManager::QtManager::MakeDVAStyleAware(&panel, false);
}

} // namespace
} // namespace qRVADM
