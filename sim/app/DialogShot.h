#pragma once

#include <QPixmap>
#include <QString>

class QWidget;

namespace hostapp {

// A picture of `window` with a dialog's picture over its centre, framed and under a title bar
// showing `title`, as a person saw the dialog open above the window.
QPixmap GrabWithDialog(QWidget& window, const QPixmap& dialog, const QString& title);

}  // namespace hostapp
