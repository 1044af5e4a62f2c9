// The host's windows as Qt widgets: the simulated host, and every system but Windows.

#include "toolkit/RVADM_HostFocus.h"

#include <QWidget>

namespace qRVADM {

void RVADM_HostFocus::ReturnFocusToHost()
{
    auto* host = static_cast<QWidget*>(GetHostWindow());
    if (host == nullptr)
        return;
    host->activateWindow();
    host->setFocus(Qt::OtherFocusReason);
}

void RVADM_HostFocus::ActivateWidgetWindow(QWidget* widget, bool force)
{
    if (widget == nullptr)
        return;
    QWidget* top = widget->window();
    if (!force && top->isActiveWindow())
        return;
    top->raise();
    top->activateWindow();
}

} // namespace qRVADM
