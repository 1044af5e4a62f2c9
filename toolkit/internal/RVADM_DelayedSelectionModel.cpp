#include "toolkit/internal/RVADM_DelayedSelectionModel.h"

#include <QApplication>
#include <QTimerEvent>

#include <algorithm>

namespace qRVADM::internal {
namespace {

QModelIndexList SortedIndexes(const QItemSelection& selection)
{
    QModelIndexList indexes = selection.indexes();
    std::sort(indexes.begin(), indexes.end());
    return indexes;
}

} // namespace

RVADM_DelayedSelectionModel::RVADM_DelayedSelectionModel(QAbstractItemModel* model, QObject* parent)
    : QItemSelectionModel(model, parent)
{
    ConnectStructuralChanges(model);
}

void RVADM_DelayedSelectionModel::ConnectStructuralChanges(QAbstractItemModel* model)
{
    if (model == nullptr)
        return;
    const auto discard = &RVADM_DelayedSelectionModel::discardPendingCommands;
    connect(model, &QAbstractItemModel::modelAboutToBeReset, this, discard);
    connect(model, &QAbstractItemModel::layoutAboutToBeChanged, this, discard);
    connect(model, &QAbstractItemModel::rowsAboutToBeInserted, this, discard);
    connect(model, &QAbstractItemModel::rowsAboutToBeMoved, this, discard);
    connect(model, &QAbstractItemModel::rowsAboutToBeRemoved, this, discard);
    connect(model, &QAbstractItemModel::columnsAboutToBeInserted, this, discard);
    connect(model, &QAbstractItemModel::columnsAboutToBeMoved, this, discard);
    connect(model, &QAbstractItemModel::columnsAboutToBeRemoved, this, discard);
}

void RVADM_DelayedSelectionModel::select(const QItemSelection& selection, QItemSelectionModel::SelectionFlags command)
{
    if (IsHolding()) {
        m_pending.emplace_back(selection, command);
        return;
    }
    QItemSelectionModel::select(selection, command);
}

int RVADM_DelayedSelectionModel::WindowMilliseconds()
{
    return QApplication::doubleClickInterval() + kExtraMilliseconds;
}

void RVADM_DelayedSelectionModel::beginPendingCommands()
{
    StopTimer();
    m_timerId = startTimer(WindowMilliseconds(), Qt::CoarseTimer);
}

void RVADM_DelayedSelectionModel::commitPendingCommands()
{
    StopTimer();
    if (m_pending.empty())
        return;
    const auto pending = std::move(m_pending);
    m_pending.clear();
    const bool wasBlocked = blockSignals(true);
    const QItemSelection old = selection();
    for (const auto& [commandSelection, command] : pending)
        QItemSelectionModel::select(commandSelection, command);
    const QItemSelection now = selection();
    blockSignals(wasBlocked);
    if (SortedIndexes(now) != SortedIndexes(old))
        Q_EMIT selectionChanged(now, old);
}

void RVADM_DelayedSelectionModel::discardPendingCommands()
{
    StopTimer();
    m_pending.clear();
}

void RVADM_DelayedSelectionModel::clear()
{
    discardPendingCommands();
    QItemSelectionModel::clear();
}

void RVADM_DelayedSelectionModel::reset()
{
    discardPendingCommands();
    QItemSelectionModel::reset();
}

void RVADM_DelayedSelectionModel::timerEvent(QTimerEvent* event)
{
    if (event->timerId() == m_timerId)
        commitPendingCommands();
    else
        QItemSelectionModel::timerEvent(event);
}

void RVADM_DelayedSelectionModel::StopTimer()
{
    if (m_timerId == 0)
        return;
    killTimer(m_timerId);
    m_timerId = 0;
}

} // namespace qRVADM::internal
