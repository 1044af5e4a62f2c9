#pragma once

#include <QItemSelectionModel>

#include <utility>
#include <vector>

class QTimerEvent;

namespace qRVADM::internal {

// A selection model that can hold selection commands back for one double-click interval, so
// that the second click of a double click neither changes the selection nor reports a change.
// `beginPendingCommands` opens the window: until it closes, `select` commands are queued. When
// the window ends (`commitPendingCommands`, the timer's expiry) they are applied in order and
// `selectionChanged` (new, old) is emitted once, and only when the selection changed.
// `discardPendingCommands` drops them; `clear`, `reset` and every structural change of the model
// discard first.
class RVADM_DelayedSelectionModel : public QItemSelectionModel
{
    Q_OBJECT

public:
    // Extra time after the application's double-click interval before pending commands apply.
    static constexpr int kExtraMilliseconds = 25;

    RVADM_DelayedSelectionModel(QAbstractItemModel* model, QObject* parent);

    using QItemSelectionModel::select;
    // Queued while the window is open, applied at once otherwise.
    void select(const QItemSelection& selection, QItemSelectionModel::SelectionFlags command) override;

    // True while commands are held back (a timer runs).
    bool IsHolding() const { return m_timerId != 0; }
    std::size_t PendingCount() const { return m_pending.size(); }
    // The window's length: the double-click interval + 25 ms.
    static int WindowMilliseconds();

public Q_SLOTS:
    void beginPendingCommands();
    void commitPendingCommands();
    void discardPendingCommands();
    void clear() override;
    void reset() override;

protected:
    void timerEvent(QTimerEvent* event) override;

private:
    void StopTimer();
    void ConnectStructuralChanges(QAbstractItemModel* model);

    std::vector<std::pair<QItemSelection, QItemSelectionModel::SelectionFlags>> m_pending;
    int m_timerId = 0;
};

} // namespace qRVADM::internal
