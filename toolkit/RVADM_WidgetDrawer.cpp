#include "toolkit/RVADM_WidgetDrawer.h"

#include "RVADMQtManager.h"

#include <QColor>
#include <QWidget>

namespace qRVADM {

RVADM_WidgetDrawer::RVADM_WidgetDrawer(QPainter& painter, DefaultPainter& defaultPainter, const QWidget& widget)
    : m_painter(painter)
    , m_defaultPainter(defaultPainter)
    , m_widget(widget)
{
}

QPainter& RVADM_WidgetDrawer::GetPainter()
{
    return m_painter;
}

DefaultPainter& RVADM_WidgetDrawer::GetDefaultPainter()
{
    return m_defaultPainter;
}

QColor RVADM_WidgetDrawer::GetColor(int colorId) const
{
    return RVADMQtManager::QtManager::GetControlColor(&m_widget, colorId, m_widget.isEnabled());
}

} // namespace qRVADM
