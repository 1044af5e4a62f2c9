#include "toolkit/RVADM_ItemParent.h"

#include "toolkit/DialogMetrics.h"
#include "toolkit/RectAlignment.h"

#include <QWidget>

#include <algorithm>

namespace qRVADM {

void RVADM_ItemParent::GetLocalRect(RVADM_Rect& rect) const
{
    const QWidget* widget = GetWidget();
    rect = widget != nullptr ? RVADM_Rect::FromQRect(widget->contentsRect()) : RVADM_Rect{};
}

void RVADM_ItemParent::SetLocalRect(const RVADM_Rect& rect)
{
    QWidget* widget = GetWidget();
    if (widget == nullptr)
        return;
    const QSize extra = widget->size() - widget->contentsRect().size();
    widget->resize(rect.Width() + extra.width(), rect.Height() + extra.height());
}

void RVADM_ItemParent::MapPoint(RVADM_Point& point, QPoint (QWidget::*map)(const QPoint&) const) const
{
    if (const QWidget* widget = GetWidget())
        point = RVADM_Point::FromQPoint((widget->*map)(point.ToQPoint()));
}

void RVADM_ItemParent::MapRect(RVADM_Rect& rect, void (RVADM_ItemParent::*convert)(RVADM_Point&) const) const
{
    RVADM_Point topLeft{rect.left, rect.top};
    (this->*convert)(topLeft);
    rect = {topLeft.h, topLeft.v, topLeft.h + rect.Width(), topLeft.v + rect.Height()};
}

void RVADM_ItemParent::ScreenToLocalPoint(RVADM_Point& point) const
{
    MapPoint(point, &QWidget::mapFromGlobal);
}

void RVADM_ItemParent::LocalToScreenPoint(RVADM_Point& point) const
{
    MapPoint(point, &QWidget::mapToGlobal);
}

void RVADM_ItemParent::ParentToLocalPoint(RVADM_Point& point) const
{
    MapPoint(point, &QWidget::mapFromParent);
}

void RVADM_ItemParent::LocalToParentPoint(RVADM_Point& point) const
{
    MapPoint(point, &QWidget::mapToParent);
}

void RVADM_ItemParent::ScreenToLocalRect(RVADM_Rect& rect) const
{
    MapRect(rect, &RVADM_ItemParent::ScreenToLocalPoint);
}

void RVADM_ItemParent::LocalToScreenRect(RVADM_Rect& rect) const
{
    MapRect(rect, &RVADM_ItemParent::LocalToScreenPoint);
}

void RVADM_ItemParent::ParentToLocalRect(RVADM_Rect& rect) const
{
    MapRect(rect, &RVADM_ItemParent::ParentToLocalPoint);
}

void RVADM_ItemParent::LocalToParentRect(RVADM_Rect& rect) const
{
    MapRect(rect, &RVADM_ItemParent::LocalToParentPoint);
}

void RVADM_ItemParent::SetMargins(const RVADM_Rect& margins)
{
    m_margins = {std::max(0, margins.left), std::max(0, margins.top), std::max(0, margins.right),
                 std::max(0, margins.bottom)};
}

void RVADM_ItemParent::SetMargins(std::int32_t all)
{
    SetMargins({all, all, all, all});
}

void RVADM_ItemParent::GetInnerRect(RVADM_Rect& rect) const
{
    RVADM_Rect local;
    GetLocalRect(local);
    rect = {local.left + m_margins.left, local.top + m_margins.top, local.right - m_margins.right,
            local.bottom - m_margins.bottom};
}

void RVADM_ItemParent::SetInnerRect(const RVADM_Rect& rect)
{
    SetLocalRect(RectAlignment::Grow(rect, m_margins));
}

void RVADM_ItemParent::SetMarginsFromMetrics(const DialogMetrics& metrics)
{
    const std::int32_t margin = metrics.Get(DialogMetrics::kMargin);
    SetMargins({margin, metrics.Get(DialogMetrics::kTopMargin), margin, margin});
}

void RVADM_ItemParent::SetMarginsFromFrameWidth(std::int32_t width)
{
    SetMargins({width, width / 2, width, width});
}

} // namespace qRVADM
