#include "toolkit/RVADM_ListBox.h"

#include "toolkit/RVADM_AppContextScope.h"
#include "toolkit/RVADM_ListEntry.h"
#include "toolkit/RVADM_Tracker.h"
#include "toolkit/internal/RVADM_DelayedSelectionModel.h"
#include "toolkit/internal/RVADM_ListEntryDelegate.h"

#include "RVADMQtManager.h"

#include <QGuiApplication>
#include <QHelpEvent>
#include <QScrollBar>

#include <algorithm>
#include <array>
#include <utility>

namespace qRVADM {
namespace {

// The tracker action of a tool-tip request over a row.
constexpr std::int32_t kToolTipAction = 1001;

constexpr std::array<std::pair<Qt::KeyboardModifier, std::uint32_t>, 3> kModifierBits{{
    {Qt::ShiftModifier, kInputShift},
    {Qt::ControlModifier, kInputControl},
    {Qt::AltModifier, kInputAlt},
}};

std::uint32_t ModifierBits(Qt::KeyboardModifiers modifiers)
{
    std::uint32_t bits = 0;
    for (const auto& [modifier, bit] : kModifierBits) {
        if (modifiers.testFlag(modifier))
            bits |= bit;
    }
    return bits;
}

// Re-entry guard of the scroll-range correction, process-wide: setting the range reports a
// range change again.
bool g_correctingRange = false;

class SignalBlock
{
public:
    explicit SignalBlock(QObject& object)
        : m_object(object)
        , m_wasBlocked(object.blockSignals(true))
    {
    }
    ~SignalBlock() { m_object.blockSignals(m_wasBlocked); }
    SignalBlock(const SignalBlock&) = delete;
    SignalBlock& operator=(const SignalBlock&) = delete;

private:
    QObject& m_object;
    bool m_wasBlocked;
};

} // namespace

RVADM_ListBox::RVADM_ListBox(RVADM_ItemParent* parent, bool multiSelect)
    : RVADM_QMetaObjectProxy<RVADM_ListBase, QListWidget>(parent, kKindListBox)
{
    setSelectionMode(multiSelect ? ExtendedSelection : SingleSelection);
    InstallDelayedSelection();
    setItemDelegate(new internal::RVADM_ListEntryDelegate(this));
    SetFontSize(0);
    if (RVADMQtManager::QtManager::IsOnNonModalDialog(this))
        setFocusPolicy(Qt::NoFocus);
    setVerticalScrollMode(ScrollPerPixel);
    setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    connect(verticalScrollBar(), &QScrollBar::rangeChanged, this, &RVADM_ListBox::VerticalSliderRangeChanged);
    ConnectToDialog(SIGNAL(itemSelectionChanged()), SLOT(OnListBoxChanged()));
    ConnectToDialog(SIGNAL(itemSelectionChanged()), SLOT(OnListBoxChangedAsync()), true);
    ConnectToDialog(SIGNAL(itemDoubleClicked(QListWidgetItem*)), SLOT(OnListBoxItemDoubleClicked()));
}

void RVADM_ListBox::InstallDelayedSelection()
{
    QItemSelectionModel* previous = selectionModel();
    m_selection = new internal::RVADM_DelayedSelectionModel(model(), this);
    setSelectionModel(m_selection);
    if (previous != nullptr)
        previous->deleteLater();
    // QListWidget relays its selection model by the same string connection; unique keeps one.
    connect(m_selection, SIGNAL(selectionChanged(QItemSelection, QItemSelection)), this,
            SIGNAL(itemSelectionChanged()), Qt::UniqueConnection);
}

int RVADM_ListBox::NumberOfEntries() const
{
    return count();
}

RVADM_ListEntry* RVADM_ListBox::GetEntry(int index) const
{
    return dynamic_cast<RVADM_ListEntry*>(item(index));
}

RVADM_ListEntry* RVADM_ListBox::GetActiveEntry() const
{
    CommitPendingSelection();
    return m_selection->hasSelection() ? dynamic_cast<RVADM_ListEntry*>(currentItem()) : nullptr;
}

RVADM_ListEntry* RVADM_ListBox::GetEntryFromIndex(const QModelIndex& index) const
{
    return dynamic_cast<RVADM_ListEntry*>(itemFromIndex(index));
}

RVADM_ListEntry* RVADM_ListBox::GetSelectedEntry(int n) const
{
    CommitPendingSelection();
    QModelIndexList rows = m_selection->selectedRows();
    if (n < 0 || n >= rows.size())
        return nullptr;
    std::sort(rows.begin(), rows.end());
    return GetEntryFromIndex(rows.at(n));
}

int RVADM_ListBox::NumberOfSelectedEntries() const
{
    CommitPendingSelection();
    return m_selection->selectedRows().size();
}

bool RVADM_ListBox::IsMultiSelect() const
{
    return selectionMode() != SingleSelection && selectionMode() != NoSelection;
}

void RVADM_ListBox::SetMultiSelect(bool multiSelect)
{
    CommitPendingSelection();
    setSelectionMode(multiSelect ? ExtendedSelection : SingleSelection);
}

void RVADM_ListBox::DeselectAll()
{
    CommitPendingSelection();
    const SignalBlock block(*this);
    clearSelection();
}

void RVADM_ListBox::RemoveAllEntries()
{
    const SignalBlock block(*this);
    m_selection->discardPendingCommands();
    while (count() > 0)
        delete takeItem(0);
}

void RVADM_ListBox::SetDoubleClickItem(RVADM_Item* item)
{
    m_doubleClickItem = item;
}

RVADM_Item* RVADM_ListBox::GetDoubleClickTarget() const
{
    return m_doubleClickItem;
}

void RVADM_ListBox::SetHeightInRows(std::int32_t width, std::int32_t height)
{
    const QMargins margins = contentsMargins();
    std::int32_t frame = margins.top() + margins.bottom();
    std::int32_t row = count() > 0 ? sizeHintForRow(0) : fontMetrics().height();
    if (m_scrollRangeCorrection) {
        --frame;
        ++row;
    }
    if (row <= 0) {
        SetSize(width, height);
        return;
    }
    SetSize(width, std::max(0, height - frame) / row * row + frame);
}

void RVADM_ListBox::SetScrollRangeCorrection(bool enable)
{
    m_scrollRangeCorrection = enable;
}

void RVADM_ListBox::CommitPendingSelection() const
{
    m_selection->commitPendingCommands();
}

void RVADM_ListBox::SelectEntry(QListWidgetItem* row, bool select)
{
    if (row == nullptr || row->listWidget() != this)
        return;
    CommitPendingSelection();
    const SignalBlock block(*this);
    if (!select) {
        row->setSelected(false);
        return;
    }
    setCurrentItem(row, IsMultiSelect() ? QItemSelectionModel::Select : QItemSelectionModel::ClearAndSelect);
}

void RVADM_ListBox::SelectRowQuietly(int row)
{
    SelectEntry(item(row), true);
}

void RVADM_ListBox::VerticalSliderRangeChanged(int minimum, int maximum)
{
    if (!m_scrollRangeCorrection || maximum <= minimum || g_correctingRange)
        return;
    g_correctingRange = true;
    verticalScrollBar()->setRange(minimum, maximum - 1);
    g_correctingRange = false;
}

void RVADM_ListBox::mousePressEvent(QMouseEvent* event)
{
    if (IsMultiSelect())
        m_selection->commitPendingCommands();
    QListWidget::mousePressEvent(event);
    m_selection->beginPendingCommands();
}

void RVADM_ListBox::mouseDoubleClickEvent(QMouseEvent* event)
{
    m_selection->discardPendingCommands();
    QListWidget::mouseDoubleClickEvent(event);
}

// Without drag and drop, dragging over the rows leaves the selection alone.
QItemSelectionModel::SelectionFlags RVADM_ListBox::selectionCommand(const QModelIndex& index,
                                                                    const QEvent* event) const
{
    if (event != nullptr && event->type() == QEvent::MouseMove && dragDropMode() == NoDragDrop)
        return QItemSelectionModel::NoUpdate;
    return QListWidget::selectionCommand(index, event);
}

bool RVADM_ListBox::viewportEvent(QEvent* event)
{
    if (event->type() == QEvent::ToolTip && ShowRowTip(static_cast<QHelpEvent&>(*event)))
        return true;
    return QListWidget::viewportEvent(event);
}

// The row under a tool-tip request tracks it first; true when the row consumed it.
bool RVADM_ListBox::ShowRowTip(const QHelpEvent& event)
{
    const QModelIndex index = indexAt(event.pos());
    RVADM_ListEntry* entry = GetEntryFromIndex(index);
    if (entry == nullptr)
        return false;
    const QPoint inRow = event.pos() - visualRect(index).topLeft();
    const RVADM_Tracker tracker(kToolTipAction, ModifierBits(QGuiApplication::keyboardModifiers()), 0,
                                RVADM_Point::FromQPoint(inRow));
    if (!RVADMQtManager::QtManager::IsOnNonModalDialog(this))
        return entry->Track(tracker);
    const RVADM_AppContextScope context;
    return entry->Track(tracker);
}

} // namespace qRVADM
