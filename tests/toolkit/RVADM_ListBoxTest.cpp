// List boxes: delayed selection around double clicks, the double-click target and the list
// operations.

#include "ToolkitTestSupport.h"

#include "toolkit/RVADM_ListBox.h"
#include "toolkit/RVADM_ListEntry.h"
#include "toolkit/internal/RVADM_DelayedSelectionModel.h"

#include <QApplication>
#include <QPushButton>
#include <QTest>

#include <gtest/gtest.h>

#include <vector>

namespace qRVADM {
namespace {

using Items = std::vector<RVADM_Item*>;

class ListBoxTest : public testing::Test
{
protected:
    void SetUp() override
    {
        list = new RVADM_ListBox(&dialog, false);
        list->SetBoundsRect({10, 10, 210, 160});
        for (const char* text : {"Coated", "Uncoated", "Newsprint", "Coated Gloss"})
            new RVADM_ListEntry(list, text);
        target = new toolkittest::RecordingItem<QPushButton>(&dialog, kKindTextPushButton);
        list->SetDoubleClickItem(target);
        dialog.show();
    }

    QPoint RowCentre(int row) const { return list->visualItemRect(list->item(row)).center(); }
    void Press(int row) { QTest::mousePress(list->viewport(), Qt::LeftButton, {}, RowCentre(row)); }
    void Release(int row) { QTest::mouseRelease(list->viewport(), Qt::LeftButton, {}, RowCentre(row)); }
    // A double-click or move event, which QTest does not deliver as Qt does.
    void Send(QEvent::Type type, int row, Qt::MouseButton button)
    {
        QMouseEvent event(type, RowCentre(row), list->viewport()->mapToGlobal(RowCentre(row)), button, Qt::LeftButton,
                          Qt::NoModifier);
        QApplication::sendEvent(list->viewport(), &event);
    }
    void Click(int row)
    {
        Press(row);
        Release(row);
    }
    void DoubleClick(int row)
    {
        Click(row);
        Send(QEvent::MouseButtonDblClick, row, Qt::LeftButton);
        Release(row);
    }
    // The double-click interval (+ 25 ms) ends; then the queued notifications arrive.
    void EndOfWindow()
    {
        list->GetDelayedSelectionModel().commitPendingCommands();
        QApplication::processEvents();
    }
    long ListNotifications() const { return std::count(dialog.notified.begin(), dialog.notified.end(), list); }

    toolkittest::RecordingModalDialog dialog;
    RVADM_ListBox* list = nullptr;
    toolkittest::RecordingItem<QPushButton>* target = nullptr;
};

TEST_F(ListBoxTest, DoubleClickSelectsOnceAndReachesOnlyAnEnabledTarget)
{
    DoubleClick(1);
    EndOfWindow();
    EXPECT_EQ(dialog.notified, (Items{list, target}));
    EXPECT_EQ(dialog.asyncNotified, Items{list});
    EXPECT_EQ(target->UserCodes(), std::vector<std::int32_t>{kNotifyUserChanged});
    EXPECT_EQ(list->GetActiveEntry(), list->GetEntry(1));
    target->Enable(false);
    DoubleClick(2);
    EndOfWindow();
    EXPECT_EQ(dialog.notified, (Items{list, target, list}));
    EXPECT_EQ(target->UserCodes().size(), 1u);
}

TEST_F(ListBoxTest, PressesInsideTheWindowAreHeldUntilItEndsOrTheSelectionIsReadAndDragsSelectNothing)
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
    EXPECT_EQ(list->GetSelectedEntry(0), list->GetEntry(1)); // reading commits the held press
    Click(0);
    Click(2);
    Send(QEvent::MouseButtonDblClick, 2, Qt::LeftButton); // a double click drops the held press
    EXPECT_EQ(list->GetSelectedEntry(0), list->GetEntry(0));
    EndOfWindow();
    Press(1);
    Send(QEvent::MouseMove, 3, Qt::NoButton);
    Release(3);
    EndOfWindow();
    EXPECT_EQ(list->GetSelectedEntry(0), list->GetEntry(1));
}

TEST_F(ListBoxTest, RemovingAllEntriesWhileAChangeIsPendingEmitsNothing)
{
    Click(0);
    Click(2);
    list->RemoveAllEntries();
    EndOfWindow();
    EXPECT_EQ(ListNotifications(), 1);
    EXPECT_EQ(list->NumberOfEntries(), 0);
    EXPECT_EQ(list->GetActiveEntry(), nullptr);
}

TEST_F(ListBoxTest, OperationsFindByTheBeginningIgnoringCaseAndDoNotNotify)
{
    EXPECT_TRUE(list->SelectEntryByText("uncoa"));
    EXPECT_EQ(list->GetActiveEntry(), list->GetEntry(1));
    list->GetEntry(3)->Select(true);
    EXPECT_FALSE(list->GetEntry(1)->IsSelected());
    list->GetEntry(2)->Select(true);
    list->DeselectAll();
    EXPECT_EQ(list->currentRow(), 2);
    EXPECT_EQ(list->GetActiveEntry(), nullptr);
    EXPECT_EQ(list->FindEntry("NEWS"), list->GetEntry(2));
    EXPECT_FALSE(list->SelectEntryByText("Gloss"));
    QApplication::processEvents();
    EXPECT_TRUE(dialog.notified.empty());
    EXPECT_TRUE(dialog.asyncNotified.empty());
}

} // namespace
} // namespace qRVADM
