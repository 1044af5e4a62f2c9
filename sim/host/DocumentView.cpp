#include "sim/host/DocumentView.h"

#include "sim/host/DocumentContent.h"

#include <algorithm>
#include <cmath>

namespace hostsim {
namespace {

bool Positive(double value)
{
    return std::isfinite(value) && value > 0.0;
}

double Clamped(double zoom)
{
    return std::clamp(zoom, DocumentView::kMinimumZoom, DocumentView::kMaximumZoom);
}

}  // namespace

DocumentView::DocumentView(const Page& page)
{
    FitPage(page);
}

AIRealRect DocumentView::Bounds() const
{
    const double halfWidth = m_width / m_zoom / 2.0;
    const double halfHeight = m_height / m_zoom / 2.0;
    return AIRealRect{m_center.h - halfWidth, m_center.v + halfHeight, m_center.h + halfWidth, m_center.v - halfHeight};
}

bool DocumentView::SetCenter(const AIRealPoint& center)
{
    if (!std::isfinite(center.h) || !std::isfinite(center.v))
        return false;
    m_center = center;
    return true;
}

bool DocumentView::SetZoom(double zoom)
{
    if (!Positive(zoom))
        return false;
    m_zoom = Clamped(zoom);
    return true;
}

bool DocumentView::ZoomAt(double zoom, const AIRealPoint& anchor)
{
    if (!Positive(zoom) || !std::isfinite(anchor.h) || !std::isfinite(anchor.v))
        return false;
    const double kept = m_zoom / Clamped(zoom);
    m_center = AIRealPoint{anchor.h + (m_center.h - anchor.h) * kept, anchor.v + (m_center.v - anchor.v) * kept};
    m_zoom = Clamped(zoom);
    return true;
}

bool DocumentView::ScrollBy(double dx, double dy)
{
    if (!std::isfinite(dx) || !std::isfinite(dy))
        return false;
    m_center.h += dx / m_zoom;
    m_center.v -= dy / m_zoom;
    return true;
}

bool DocumentView::Resize(double width, double height)
{
    if (!Positive(width) || !Positive(height))
        return false;
    m_width = width;
    m_height = height;
    return true;
}

bool DocumentView::SetScaleFactor(double factor)
{
    if (!Positive(factor))
        return false;
    m_scaleFactor = factor;
    return true;
}

void DocumentView::FitPage(const Page& page)
{
    m_center = AIRealPoint{page.width / 2.0 - page.origin.h, page.height / 2.0 - page.origin.v};
    m_zoom = Clamped(std::min(m_width / page.width, m_height / page.height));
}

}  // namespace hostsim
