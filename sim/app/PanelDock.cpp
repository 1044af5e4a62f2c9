#include "sim/app/PanelDock.h"

#include "sim/host/PanelCenter.h"

#include <QCloseEvent>
#include <QEvent>
#include <QHBoxLayout>
#include <QLabel>
#include <QMenu>
#include <QToolButton>

namespace hostapp {

PanelDock::PanelDock(hostsim::PanelCenter& panels, AIPanelRef panel, QWidget& container, QWidget* parent)
    : QDockWidget(container.windowTitle(), parent)
    , m_panels(panels)
    , m_panel(panel)
    , m_container(&container)
{
    setObjectName(container.objectName());
    setFeatures(DockWidgetClosable | DockWidgetMovable | DockWidgetFloatable);
    BuildTitleBar();
    const bool shown = !container.isHidden();
    setWidget(&container);  // makes the container a child widget, hidden
    container.setVisible(shown);
    setVisible(shown);
    container.installEventFilter(this);
}

void PanelDock::BuildTitleBar()
{
    auto* bar = new QWidget(this);
    auto* layout = new QHBoxLayout(bar);
    layout->setContentsMargins(6, 2, 2, 2);
    m_title = new QLabel(windowTitle(), bar);
    layout->addWidget(m_title, 1);
    auto* flyout = new QToolButton(bar);
    flyout->setText(QStringLiteral("\u2261"));
    flyout->setToolTip(tr("Panel menu"));
    flyout->setAutoRaise(true);
    connect(flyout, &QToolButton::clicked, this, &PanelDock::OpenFlyoutMenu);
    layout->addWidget(flyout);
    auto* closeBox = new QToolButton(bar);
    closeBox->setText(QStringLiteral("\u00d7"));
    closeBox->setToolTip(tr("Close"));
    closeBox->setAutoRaise(true);
    connect(closeBox, &QToolButton::clicked, this, &PanelDock::close);
    layout->addWidget(closeBox);
    setTitleBarWidget(bar);
}

void PanelDock::OpenFlyoutMenu()
{
    if (AIPanelOpaque* panel = m_panels.Find(m_panel); panel && m_container)
        m_flyoutMenu = m_panels.OpenFlyoutMenu(*panel);
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
    if (AIPanelOpaque* panel = m_panels.Find(m_panel); panel && m_container)
        hostsim::PanelCenter::Close(*panel);
}

bool PanelDock::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == m_container) {
        if (event->type() == QEvent::ShowToParent)
            show();
        else if (event->type() == QEvent::HideToParent)
            hide();
        else if (event->type() == QEvent::WindowTitleChange) {
            setWindowTitle(m_container->windowTitle());
            m_title->setText(windowTitle());
        }
    }
    return QDockWidget::eventFilter(watched, event);
}

}  // namespace hostapp
