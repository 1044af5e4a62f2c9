#include "toolkit/RVADM_DropDownList.h"

#include "toolkit/RVADM_ComboEntry.h"

#include "RVADMQtManager.h"
#include "support/Localization.h"

#include <QAccessible>
#include <QCursor>
#include <QEvent>
#include <QSignalBlocker>
#include <QStyleOptionComboBox>
#include <QStylePainter>
#include <QToolTip>

namespace qRVADM {

RVADM_DropDownList::RVADM_DropDownList(RVADM_ItemParent* parent)
    : RVADM_QMetaObjectProxy<RVADM_ListBase, QComboBox>(parent, kKindDropDownList)
{
    setEditable(false);
    SetFontSize(0);
    setMaxVisibleItems(kMaxVisibleRows);
    if (RVADMQtManager::QtManager::IsOnNonModalDialog(this))
        setFocusPolicy(Qt::NoFocus);
    ConnectToDialog(SIGNAL(activated(int)), SLOT(OnComboBoxChanged()));
    connect(this, QOverload<int>::of(&QComboBox::highlighted), this, &RVADM_DropDownList::itemHighlighted);
}

int RVADM_DropDownList::NumberOfEntries() const
{
    return count();
}

RVADM_ComboEntry* RVADM_DropDownList::GetEntry(int index) const
{
    return RVADM_ComboEntry::FromRow(*this, index);
}

RVADM_ComboEntry* RVADM_DropDownList::GetActiveEntry() const
{
    return GetEntry(currentIndex());
}

void RVADM_DropDownList::SelectIndex(int index)
{
    if (index < -1 || index >= count())
        return;
    const QSignalBlocker block(this);
    setCurrentIndex(index);
}

void RVADM_DropDownList::SetPlaceholderText(const char* text, bool localize)
{
    const char* given = text != nullptr ? text : "";
    const QString placeholder = QString::fromUtf8(localize ? LocalizeKey(given) : given);
    if (placeholder == placeholderText())
        return;
    setPlaceholderText(placeholder);
    // Shown in place of a row, the placeholder is the list's accessible name.
    if (currentIndex() < 0) {
        QAccessibleEvent renamed(this, QAccessible::NameChanged);
        QAccessible::updateAccessibility(&renamed);
    }
}

void RVADM_DropDownList::itemHighlighted(int index)
{
    if (!QToolTip::isVisible())
        return;
    QToolTip::hideText();
    if (index >= 0 && index < count())
        QToolTip::showText(QCursor::pos(), itemData(index, Qt::ToolTipRole).toString());
}

void RVADM_DropDownList::SelectRowQuietly(int row)
{
    SelectIndex(row);
}

bool RVADM_DropDownList::event(QEvent* event)
{
    if (event->type() == static_cast<QEvent::Type>(kCustomEventType))
        ReloadPictures();
    return QComboBox::event(event);
}

void RVADM_DropDownList::paintEvent(QPaintEvent*)
{
    QStylePainter painter(this);
    painter.setPen(palette().color(QPalette::Text));
    QStyleOptionComboBox option;
    initStyleOption(&option);
    painter.drawComplexControl(QStyle::CC_ComboBox, option);
    if (currentIndex() < 0)
        option.currentText = placeholderText();
    painter.drawControl(QStyle::CE_ComboBoxLabel, option);
}

void RVADM_DropDownList::ReloadPictures()
{
    for (int row = 0; row < count(); ++row) {
        RVADM_ComboEntry* entry = GetEntry(row);
        if (entry != nullptr && entry->GetPicture() != 0)
            entry->SetPicture(entry->GetPicture());
    }
}

} // namespace qRVADM
