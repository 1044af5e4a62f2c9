#include "toolkit/internal/RVADM_DropDownAccessible.h"

#include <QComboBox>

namespace qRVADM::internal {

RVADM_DropDownAccessible::RVADM_DropDownAccessible(QComboBox& list)
    : QAccessibleWidget(&list, QAccessible::ComboBox)
{
}

QString RVADM_DropDownAccessible::text(QAccessible::Text kind) const
{
    const QString shown = Shown();
    switch (kind) {
    case QAccessible::Name:
        return shown.isEmpty() ? widget()->accessibleName() : shown;
    case QAccessible::Value:
        return shown;
    case QAccessible::Description:
        if (const QString description = QAccessibleWidget::text(kind); !description.isEmpty() || shown.isEmpty())
            return description;
        return widget()->accessibleName();
    default:
        return QAccessibleWidget::text(kind);
    }
}

QString RVADM_DropDownAccessible::Shown() const
{
    const auto* list = static_cast<const QComboBox*>(widget());
    return list->currentIndex() >= 0 ? list->currentText() : list->placeholderText();
}

} // namespace qRVADM::internal
