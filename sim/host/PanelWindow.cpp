#include "sim/host/PanelWindow.h"

#include "sim/host/PanelCenter.h"

#include <QCloseEvent>

namespace hostsim {

PanelWindow::PanelWindow(Panel& panel)
    : QWidget(nullptr, Qt::Tool)
    , m_panel(panel)
{
}

void PanelWindow::Request(QSize size)
{
    m_requested = size;
    updateGeometry();
    resize(size);
}

QSize PanelWindow::sizeHint() const
{
    return m_requested.isValid() ? m_requested : QWidget::sizeHint();
}

bool PanelWindow::event(QEvent* event)
{
    if (event->type() == QEvent::ZOrderChange && isVisible())
        ++m_broughtToFront;
    return QWidget::event(event);
}

void PanelWindow::resizeEvent(QResizeEvent* event)
{
    QWidget::resizeEvent(event);
    if (m_panel.sizeChanged)
        m_panel.sizeChanged(m_panel.handle);
}

void PanelWindow::showEvent(QShowEvent* event)
{
    QWidget::showEvent(event);
    if (m_panel.visibilityChanged)
        m_panel.visibilityChanged(m_panel.handle, 1);
}

void PanelWindow::hideEvent(QHideEvent* event)
{
    QWidget::hideEvent(event);
    if (m_panel.visibilityChanged)
        m_panel.visibilityChanged(m_panel.handle, 0);
}

void PanelWindow::closeEvent(QCloseEvent* event)
{
    event->accept();
    if (m_panel.closed)
        m_panel.closed(m_panel.handle);
}

}  // namespace hostsim
