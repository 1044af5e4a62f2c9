#include "sim/app/ToolTipShot.h"

#include <QApplication>
#include <QPainter>
#include <QToolTip>
#include <QWidget>

namespace hostapp {
namespace {

// Qt's tool tip window, while one is shown.
QWidget* ShownToolTip()
{
    for (QWidget* widget : QApplication::topLevelWidgets())
        if (widget->inherits("QTipLabel") && widget->isVisible())
            return widget;
    return nullptr;
}

// Where the tip goes in `window`: below and right of `anchor`, kept inside the window; above the
// anchor when there is no room below.
QRect TipPlace(const QWidget& window, QPoint anchor, QSize tip)
{
    QPoint at = anchor + QPoint(2, 16);
    at.setX(qBound(0, at.x(), qMax(0, window.width() - tip.width())));
    if (at.y() + tip.height() > window.height())
        at.setY(qMax(0, anchor.y() - 8 - tip.height()));
    return QRect(at, tip);
}

}  // namespace

// The picture covers the subject and the tip, which may reach beyond the subject over the rest
// of its window, as a real tool tip window does.
QPixmap GrabWithToolTip(QWidget& subject, QWidget& control)
{
    if (control.toolTip().isEmpty())
        return QPixmap();
    QWidget& window = *subject.window();
    const QPoint anchor = control.mapTo(&window, control.rect().center());
    QToolTip::showText(window.mapToGlobal(anchor), control.toolTip(), &control);
    QWidget* tip = ShownToolTip();
    const QRect area(subject.mapTo(&window, QPoint(0, 0)), subject.size());
    if (tip == nullptr)
        return subject.grab();
    const QRect place = TipPlace(window, anchor, tip->size());
    const QRect shown = area.united(place).intersected(window.rect());
    QPixmap picture = window.grab(shown);
    QPainter painter(&picture);
    tip->render(&painter, place.topLeft() - shown.topLeft());
    painter.end();
    QToolTip::hideText();
    return picture;
}

}  // namespace hostapp
