#include "toolkit/RVADM_ComboEntry.h"

#include "support/Localization.h"
#include "toolkit/RVADM_DropDownList.h"
#include "toolkit/RVADM_Pictures.h"

#include <QComboBox>
#include <QPixmap>
#include <QSignalBlocker>
#include <QStandardItemModel>

namespace qRVADM {
namespace {

QVariant AddressOf(const RVADM_ComboEntry* entry)
{
    return QVariant::fromValue(static_cast<void*>(const_cast<RVADM_ComboEntry*>(entry)));
}

QIcon IconFor(const QComboBox& combo, std::int32_t id)
{
    if (id == 0)
        return QIcon();
    const double scale = combo.devicePixelRatioF();
    if (id > 0)
        return QIcon(LoadPicture(id, scale, 0));
    QPixmap blank(combo.iconSize() * scale);
    blank.setDevicePixelRatio(scale);
    blank.fill(Qt::transparent);
    return QIcon(blank);
}

// The combo's rows; every toolkit combo keeps its standard model.
QStandardItemModel* RowsOf(const QComboBox* combo)
{
    return combo != nullptr ? qobject_cast<QStandardItemModel*>(combo->model()) : nullptr;
}

} // namespace

// The row comes with its text, address and picture id in one insertion: a list of thousands
// of rows is filled at host start, and each later change of a row is a signal the combo handles.
RVADM_ComboEntry::RVADM_ComboEntry(RVADM_DropDownList* combo, const char* text, bool localize)
    : m_combo(combo)
{
    QStandardItemModel* rows = RowsOf(m_combo.data());
    if (rows == nullptr)
        return;
    const char* given = text != nullptr ? text : "";
    auto* row = new QStandardItem(QString::fromUtf8(localize ? LocalizeKey(given) : given));
    Mark(*row);
    const QSignalBlocker block(m_combo.data());
    rows->appendRow(row);
    m_row = m_combo->count() - 1;
}

RVADM_ComboEntry::RVADM_ComboEntry(RVADM_DropDownList* combo, SeparatorRow)
    : m_combo(combo)
{
    QStandardItemModel* rows = RowsOf(m_combo.data());
    if (rows == nullptr)
        return;
    const QSignalBlocker block(m_combo.data());
    m_combo->insertSeparator(m_combo->count());
    m_row = m_combo->count() - 1;
    Mark(*rows->item(m_row));
}

RVADM_ComboEntry::~RVADM_ComboEntry()
{
    Remove();
}

void RVADM_ComboEntry::Mark(QStandardItem& row) const
{
    row.setData(AddressOf(this), kEntryRole);
    row.setData(0, kPictureRole);
}

RVADM_ComboEntry* RVADM_ComboEntry::FromRow(const QComboBox& combo, int row)
{
    if (row < 0 || row >= combo.count())
        return nullptr;
    return static_cast<RVADM_ComboEntry*>(combo.itemData(row, kEntryRole).value<void*>());
}

// The row found last is checked first: rows seldom move, and a search on every call would make
// filling a list quadratic.
int RVADM_ComboEntry::Row() const
{
    if (m_combo == nullptr)
        return -1;
    if (FromRow(*m_combo, m_row) != this)
        m_row = m_combo->findData(AddressOf(this), kEntryRole, Qt::MatchExactly | Qt::MatchCaseSensitive);
    return m_row;
}

void RVADM_ComboEntry::Select(bool select)
{
    const int row = Row();
    if (row < 0 || (!select && m_combo->currentIndex() != row))
        return;
    const QSignalBlocker block(m_combo.data());
    m_combo->setCurrentIndex(select ? row : -1);
}

bool RVADM_ComboEntry::IsSelected() const
{
    const int row = Row();
    return row >= 0 && m_combo->currentIndex() == row;
}

int RVADM_ComboEntry::GetIndex() const
{
    return Row();
}

QString RVADM_ComboEntry::EntryText() const
{
    const int row = Row();
    return row >= 0 ? m_combo->itemText(row) : QString();
}

void RVADM_ComboEntry::SetPicture(std::int32_t id)
{
    const int row = Row();
    if (row < 0)
        return;
    m_combo->setItemIcon(row, IconFor(*m_combo, id));
    m_combo->setItemData(row, id, kPictureRole);
}

std::int32_t RVADM_ComboEntry::GetPicture() const
{
    const int row = Row();
    return row >= 0 ? m_combo->itemData(row, kPictureRole).toInt() : 0;
}

void RVADM_ComboEntry::Enable(bool enable)
{
    const int row = Row();
    QStandardItemModel* rows = row >= 0 ? RowsOf(m_combo.data()) : nullptr;
    if (QStandardItem* item = rows != nullptr ? rows->item(row) : nullptr)
        item->setEnabled(enable);
}

bool RVADM_ComboEntry::IsEnabled() const
{
    const int row = Row();
    const QStandardItemModel* rows = row >= 0 ? RowsOf(m_combo.data()) : nullptr;
    const QStandardItem* item = rows != nullptr ? rows->item(row) : nullptr;
    return item != nullptr && item->isEnabled();
}

void RVADM_ComboEntry::Remove()
{
    const int row = Row();
    if (row < 0)
        return;
    const QSignalBlocker block(m_combo.data());
    m_combo->removeItem(row);
}

void RVADM_ComboEntry::SetEntryText(const QString& text)
{
    const int row = Row();
    if (row >= 0)
        m_combo->setItemText(row, text);
}

void RVADM_ComboEntry::SetEntryTip(const QString& tip)
{
    const int row = Row();
    if (row >= 0)
        m_combo->setItemData(row, tip, Qt::ToolTipRole);
}

} // namespace qRVADM
