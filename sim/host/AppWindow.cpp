#include "sim/host/AppWindow.h"

namespace hostsim {

AppWindow::AppWindow()
{
    // Appearing does not take the activation from the panels; the user's click or a plug-in does.
    setAttribute(Qt::WA_ShowWithoutActivating);
    setWindowTitle(QStringLiteral("Host"));
    resize(640, 480);
}

void AppWindow::focusInEvent(QFocusEvent* event)
{
    ++m_focusArrivals;
    QWidget::focusInEvent(event);
}

}  // namespace hostsim
