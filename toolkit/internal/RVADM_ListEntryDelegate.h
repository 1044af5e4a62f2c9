#pragma once

#include <QItemDelegate>

namespace qRVADM::internal {

// Draws the rows of a list box: text, icon and check state as a plain item delegate does, with
// the text and selection colours of the manager library's theme for the list.
class RVADM_ListEntryDelegate : public QItemDelegate
{
    Q_OBJECT

public:
    explicit RVADM_ListEntryDelegate(QWidget* list);

    void paint(QPainter* painter, const QStyleOptionViewItem& option, const QModelIndex& index) const override;

private:
    QWidget* m_list;
};

} // namespace qRVADM::internal
