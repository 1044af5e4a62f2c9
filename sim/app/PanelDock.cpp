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
    const auto addButton = [bar, layout](const QString& text, const QString& tip) {
        auto* button = new QToolButton(bar);
        button->setText(text);
        button->setToolTip(tip);
        button->setAutoRaise(true);
        layout->addWidget(button);
        return button;
    };
    connect(addButton(QStringLiteral("\u2261"), tr("Panel menu")), &QToolButton::clicked, this,
            &PanelDock::OpenFlyoutMenu);
    connect(addButton(QStringLiteral("\u00d7"), tr("Close")), &QToolButton::clicked, this, &PanelDock::close);
    setTitleBarWidget(bar);
}

void PanelDock::OpenFlyoutMenu()
{
    if (hostsim::Panel* panel = m_panels.Find(m_panel); panel && m_container)
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
        else if (event->type() == QEvent::WindowTitleChange) {
            setWindowTitle(m_container->windowTitle());
            m_title->setText(windowTitle());
        }
    }
    return QDockWidget::eventFilter(watched, event);
}

}  // namespace hostapp
