// The delayed selection model on a plain model: the window is ended by calling the expiry slot.

#include "toolkit/internal/RVADM_DelayedSelectionModel.h"

#include <QSignalSpy>
#include <QStandardItemModel>

#include <gtest/gtest.h>

#include <functional>

namespace qRVADM::internal {
namespace {

// No signal when the held commands change nothing; structural changes of the model and clear drop them.
TEST(DelayedSelectionModel, HeldCommandsApplyInOrderWithOneSignalUnlessDiscarded)
{
    QStandardItemModel model(4, 1);
    RVADM_DelayedSelectionModel selection(&model, nullptr);
    QSignalSpy changes(&selection, &QItemSelectionModel::selectionChanged);
    const auto select = [&](int row, auto flags) { selection.select(model.index(row, 0), flags); };
    selection.beginPendingCommands();
    select(2, QItemSelectionModel::ClearAndSelect);
    select(3, QItemSelectionModel::ClearAndSelect);
    select(0, QItemSelectionModel::Select);
    selection.commitPendingCommands();
    EXPECT_EQ(selection.selectedRows().size(), 2);
    EXPECT_TRUE(selection.isRowSelected(3, {}) && selection.isRowSelected(0, {}));
    EXPECT_EQ(changes.count(), 1);
    selection.beginPendingCommands();
    select(3, QItemSelectionModel::Select);
    selection.commitPendingCommands();
    EXPECT_EQ(changes.count(), 1);

    const std::function<void()> discarding[] = {[&] { model.insertRow(0); },
                                                [&] { model.removeRow(model.rowCount() - 1); },
                                                [&] { selection.clear(); }};
    for (const auto& change : discarding) {
        selection.beginPendingCommands();
        select(1, QItemSelectionModel::Select);
        change();
        EXPECT_EQ(selection.PendingCount(), 0u);
        EXPECT_FALSE(selection.IsHolding());
    }
    EXPECT_FALSE(selection.isRowSelected(1, {}));
}

} // namespace
} // namespace qRVADM::internal
