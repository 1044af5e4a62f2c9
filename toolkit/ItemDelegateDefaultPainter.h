#pragma once

#include "toolkit/DefaultPainter.h"

#include <QItemDelegate>
#include <QModelIndex>
#include <QStyleOptionViewItem>

namespace qRVADM {

// Default painting of one row of an item view: the `Delegate` base class's own painting of that
// row, whatever the concrete delegate overrides. Borrows the delegate, option and index.
template <class Delegate = QItemDelegate>
class ItemDelegateDefaultPainter final : public DefaultPainter
{
public:
    ItemDelegateDefaultPainter(const Delegate& delegate, const QStyleOptionViewItem& option, const QModelIndex& index)
        : m_delegate(delegate)
        , m_option(option)
        , m_index(index)
    {
    }

    void Paint(QPainter& painter) override { m_delegate.Delegate::paint(&painter, m_option, m_index); }

private:
    const Delegate& m_delegate;
    const QStyleOptionViewItem& m_option;
    const QModelIndex& m_index;
};

} // namespace qRVADM
