// The delayed selection model on a plain model: the window is ended by calling the expiry slot.

#include "toolkit/internal/RVADM_DelayedSelectionModel.h"

#include <QApplication>
#include <QSignalSpy>
#include <QStandardItemModel>

#include <gtest/gtest.h>

namespace qRVADM::internal {
namespace {

class DelayedSelectionModelTest : public testing::Test
{
protected:
    DelayedSelectionModelTest()
        : model(4, 1)
        , selection(&model, nullptr)
        , changes(&selection, &QItemSelectionModel::selectionChanged)
    {
    }

    void Select(int row) { selection.select(model.index(row, 0), QItemSelectionModel::ClearAndSelect); }

    QStandardItemModel model;
    RVADM_DelayedSelectionModel selection;
    QSignalSpy changes;
};

TEST_F(DelayedSelectionModelTest, CommandsApplyAtOnceOutsideTheWindowAndInOrderWithOneSignalAtItsEnd)
{
    Select(1);
    EXPECT_TRUE(selection.isRowSelected(1, {}));
    EXPECT_EQ(changes.count(), 1);
    selection.beginPendingCommands();
    EXPECT_TRUE(selection.IsHolding());
    Select(2);
    Select(3);
    selection.select(model.index(0, 0), QItemSelectionModel::Select);
    EXPECT_TRUE(selection.isRowSelected(1, {}));
    EXPECT_FALSE(selection.isRowSelected(3, {}));
    selection.commitPendingCommands();
    EXPECT_FALSE(selection.IsHolding());
    EXPECT_TRUE(selection.isRowSelected(3, {}));
    EXPECT_TRUE(selection.isRowSelected(0, {}));
    EXPECT_FALSE(selection.isRowSelected(1, {}));
    ASSERT_EQ(changes.count(), 2);
    const auto now = changes.at(1).at(0).value<QItemSelection>();
    EXPECT_EQ(now.indexes().size(), 2);
}

TEST_F(DelayedSelectionModelTest, AWindowThatChangesNothingOrIsDiscardedEmitsNothing)
{
    Select(2);
    selection.beginPendingCommands();
    Select(2);
    selection.commitPendingCommands();
    selection.commitPendingCommands();
    EXPECT_EQ(changes.count(), 1);
    selection.beginPendingCommands();
    Select(1);
    selection.discardPendingCommands();
    selection.commitPendingCommands();
    EXPECT_TRUE(selection.isRowSelected(2, {}));
    EXPECT_FALSE(selection.isRowSelected(1, {}));
    EXPECT_EQ(changes.count(), 1);
}

TEST_F(DelayedSelectionModelTest, StructuralChangesAndClearDiscard)
{
    for (int variant = 0; variant < 3; ++variant) {
        selection.beginPendingCommands();
        Select(1);
        if (variant == 0)
            model.insertRow(0);
        else if (variant == 1)
            model.removeRow(model.rowCount() - 1);
        else
            selection.clear();
        EXPECT_EQ(selection.PendingCount(), 0u) << variant;
        EXPECT_FALSE(selection.IsHolding()) << variant;
    }
}

TEST_F(DelayedSelectionModelTest, WindowIsTheDoubleClickIntervalPlusTwentyFive)
{
    EXPECT_EQ(RVADM_DelayedSelectionModel::WindowMilliseconds(), QApplication::doubleClickInterval() + 25);
}

} // namespace
} // namespace qRVADM::internal
