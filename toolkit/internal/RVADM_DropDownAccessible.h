#pragma once

#include <QAccessibleWidget>

class QComboBox;

namespace qRVADM::internal {

// A drop-down list as a screen reader sees it: a combo box whose name and value are what it shows,
// the current row's text or, with no current row, the placeholder text (Qt's own combo box is
// nameless then). Its accessible name names it while it shows nothing and otherwise describes
// what it shows, unless it has an accessible description or a tool tip.
class RVADM_DropDownAccessible : public QAccessibleWidget
{
public:
    explicit RVADM_DropDownAccessible(QComboBox& list);

    QString text(QAccessible::Text kind) const override;

private:
    QString Shown() const;
};

} // namespace qRVADM::internal
