#pragma once

#include "toolkit/DefaultPainter.h"

#include <QPainter>
#include <QWidget>

namespace qRVADM {

// Default painting of an owner-drawn item: its widget's background in the widget's palette.
// `Item` is an item class whose `GetWidget` yields the widget painted on.
template <class Item>
class ItemDefaultPainter final : public DefaultPainter
{
public:
    explicit ItemDefaultPainter(Item& item)
        : m_item(item)
    {
    }

    void Paint(QPainter& painter) override
    {
        const QWidget* widget = m_item.GetWidget();
        if (widget != nullptr)
            painter.fillRect(widget->rect(), widget->palette().brush(widget->backgroundRole()));
    }

private:
    Item& m_item;
};

} // namespace qRVADM
