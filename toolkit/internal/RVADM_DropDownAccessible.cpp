#include "toolkit/internal/RVADM_DropDownAccessible.h"

#include <QComboBox>

namespace qRVADM::internal {

RVADM_DropDownAccessible::RVADM_DropDownAccessible(QComboBox& list)
    : QAccessibleWidget(&list, QAccessible::ComboBox)
{
}

QString RVADM_DropDownAccessible::text(QAccessible::Text kind) const
{
    if (kind == QAccessible::Name || kind == QAccessible::Value)
        return Shown();
    return QAccessibleWidget::text(kind);
}

QString RVADM_DropDownAccessible::Shown() const
{
    const auto* list = static_cast<const QComboBox*>(widget());
    return list->currentIndex() >= 0 ? list->currentText() : list->placeholderText();
}

} // namespace qRVADM::internal
