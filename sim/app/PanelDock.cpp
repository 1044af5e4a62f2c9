#include "sim/app/PanelDock.h"

#include "sim/host/PanelCenter.h"

#include <QCloseEvent>
#include <QEvent>

namespace hostapp {

PanelDock::PanelDock(hostsim::PanelCenter& panels, AIPanelRef panel, QWidget& container, QWidget* parent)
    : QDockWidget(container.windowTitle(), parent)
    , m_panels(panels)
    , m_panel(panel)
    , m_container(&container)
{
    setObjectName(container.objectName());
    setFeatures(DockWidgetClosable | DockWidgetMovable | DockWidgetFloatable);
    const bool shown = !container.isHidden();
    setWidget(&container);  // makes the container a child widget, hidden
    container.setVisible(shown);
    setVisible(shown);
    container.installEventFilter(this);
}

PanelDock::~PanelDock()
{
    if (m_container) {
        m_container->removeEventFilter(this);
        m_container->hide();
        m_container->setParent(nullptr);
    }
}

void PanelDock::closeEvent(QCloseEvent* event)
{
    event->accept();
    if (hostsim::Panel* panel = m_panels.Find(m_panel); panel && m_container)
        hostsim::PanelCenter::Close(*panel);
}

bool PanelDock::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == m_container) {
        if (event->type() == QEvent::ShowToParent)
            show();
        else if (event->type() == QEvent::HideToParent)
            hide();
        else if (event->type() == QEvent::WindowTitleChange)
            setWindowTitle(m_container->windowTitle());
    }
    return QDockWidget::eventFilter(watched, event);
}

}  // namespace hostapp
