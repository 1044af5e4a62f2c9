// The delayed selection model on a plain model: the window is ended by calling the expiry slot.

#include "toolkit/internal/RVADM_DelayedSelectionModel.h"

#include <QApplication>
#include <QSignalSpy>
#include <QStandardItemModel>

#include <gtest/gtest.h>

#include <functional>

namespace qRVADM::internal {
namespace {

class DelayedSelectionModelTest : public testing::Test
{
protected:
    void Select(int row, QItemSelectionModel::SelectionFlags flags = QItemSelectionModel::ClearAndSelect)
    {
        selection.select(model.index(row, 0), flags);
    }

    QStandardItemModel model{4, 1};
    RVADM_DelayedSelectionModel selection{&model, nullptr};
    QSignalSpy changes{&selection, &QItemSelectionModel::selectionChanged};
};

TEST_F(DelayedSelectionModelTest, HeldCommandsApplyInOrderWithOneSignalAndAWindowThatChangesNothingEmitsNothing)
{
    EXPECT_EQ(RVADM_DelayedSelectionModel::WindowMilliseconds(), QApplication::doubleClickInterval() + 25);
    Select(1);
    EXPECT_EQ(changes.count(), 1);
    selection.beginPendingCommands();
    Select(2);
    Select(3);
    Select(0, QItemSelectionModel::Select);
    EXPECT_TRUE(selection.isRowSelected(1, {}));
    selection.commitPendingCommands();
    EXPECT_FALSE(selection.IsHolding());
    EXPECT_EQ(selection.selectedRows().size(), 2);
    EXPECT_TRUE(selection.isRowSelected(3, {}) && selection.isRowSelected(0, {}));
    EXPECT_EQ(changes.count(), 2);

    selection.beginPendingCommands();
    Select(3, QItemSelectionModel::Select);
    selection.commitPendingCommands();
    EXPECT_EQ(changes.count(), 2);
}

TEST_F(DelayedSelectionModelTest, StructuralChangesAndClearDiscardTheHeldCommands)
{
    const std::function<void()> edits[] = {[this] { model.insertRow(0); },
                                             [this] { model.removeRow(model.rowCount() - 1); },
                                             [this] { selection.clear(); }};
    for (const auto& change : edits) {
        selection.beginPendingCommands();
        Select(1);
        change();
        EXPECT_EQ(selection.PendingCount(), 0u);
        EXPECT_FALSE(selection.IsHolding());
    }
    EXPECT_FALSE(selection.hasSelection());
}

} // namespace
} // namespace qRVADM::internal
