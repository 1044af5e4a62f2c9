#include "sim/app/DialogShot.h"

#include <QPainter>
#include <QPalette>
#include <QWidget>

namespace hostapp {
namespace {

constexpr int kTitleBarHeight = 24;
constexpr int kTitleIndent = 8;

}  // namespace

QPixmap GrabWithDialog(QWidget& window, const QPixmap& dialog, const QString& title)
{
    QPixmap picture = window.grab();
    const QSize size = (QSizeF(dialog.size()) / dialog.devicePixelRatioF()).toSize();
    const QRect body(QPoint((window.width() - size.width()) / 2, (window.height() - size.height() + kTitleBarHeight) / 2),
                     size);
    const QRect titleBar(body.left(), body.top() - kTitleBarHeight, body.width(), kTitleBarHeight);
    QPainter painter(&picture);
    const QPalette palette = window.palette();
    painter.fillRect(titleBar, palette.color(QPalette::Highlight));
    painter.setPen(palette.color(QPalette::HighlightedText));
    painter.drawText(titleBar.adjusted(kTitleIndent, 0, 0, 0), Qt::AlignVCenter | Qt::AlignLeft, title);
    painter.drawPixmap(body.topLeft(), dialog);
    painter.setPen(palette.color(QPalette::Shadow));
    painter.drawRect(body.united(titleBar).adjusted(-1, -1, 0, 0));
    return picture;
}

}  // namespace hostapp
