#include "viewer/model/JobViewGeometry.h"

#include <algorithm>
#include <cmath>

namespace {

constexpr double kPointsPerMillimetre = 72.0 / 25.4;

bool IsFinitePositive(double value)
{
    return std::isfinite(value) && value > 0.0;
}

bool IsFinite(const JobRect& rect)
{
    return std::isfinite(rect.y0) && std::isfinite(rect.y1) && std::isfinite(rect.x0) && std::isfinite(rect.x1);
}

JobRect Ascending(const JobRect& rect)
{
    const auto [y0, y1] = std::minmax(rect.y0, rect.y1);
    const auto [x0, x1] = std::minmax(rect.x0, rect.x1);
    return JobRect{y0, y1, x0, x1};
}

JobPoint Centre(const JobRect& rect)
{
    return JobPoint{rect.x0 / 2 + rect.x1 / 2, rect.y0 / 2 + rect.y1 / 2};
}

JobRect Centred(const JobPoint& centre, double width, double height)
{
    return JobRect{centre.y - height / 2, centre.y + height / 2, centre.x - width / 2, centre.x + width / 2};
}

// A zero scale only occurs on a canvas with no area, which has no pixels to map to.
double PixelsAt(double millimetres, double mmPerPixel)
{
    return mmPerPixel > 0.0 ? millimetres / mmPerPixel : 0.0;
}

}  // namespace

JobViewGeometry::JobViewGeometry() = default;

void JobViewGeometry::SetCanvasSize(int width, int height)
{
    m_width = std::max(width, 0);
    m_height = std::max(height, 0);
}

void JobViewGeometry::SetDevicePixelRatio(double ratio)
{
    m_devicePixelRatio = IsFinitePositive(ratio) ? ratio : 1.0;
}

void JobViewGeometry::SetHostViewScale(std::optional<double> scale)
{
    m_hostViewScale = scale;
}

bool JobViewGeometry::SetViewRect(const JobRect& requested)
{
    const JobRect rect = Ascending(requested);
    double width = rect.x1 - rect.x0;
    double height = rect.y1 - rect.y0;
    if (!IsFinite(rect) || !std::isfinite(width) || !std::isfinite(height) || (width <= 0.0 && height <= 0.0))
        return false;
    if (HasArea()) {
        if (m_width * height > width * m_height)
            width = height * m_width / m_height;
        else
            height = width * m_height / m_width;
    }
    const JobPoint centre = Centre(rect);
    if (!StoreView(Centred(centre, width, height)))
        return false;
    if (GetZoom() > kClampThreshold) {
        const double clampedWidth = HorizontalExtentForZoom(kMaxZoom);
        StoreView(Centred(centre, clampedWidth, clampedWidth * m_height / m_width));
        m_zoom = kMaxZoom;
    }
    return true;
}

double JobViewGeometry::GetZoom()
{
    const double width = m_view.x1 - m_view.x0;
    m_zoom = HasArea() && width > 0.0 ? m_width / (width * kPointsPerMillimetre) * ZoomCorrection() : 0.0;
    return m_zoom;
}

bool JobViewGeometry::SetZoom(double factor)
{
    if (!IsFinitePositive(factor) || !HasArea())
        return false;
    const double width = HorizontalExtentForZoom(factor);
    if (!SetViewRect(Centred(ViewCentre(), width, width * m_height / m_width)))
        return false;
    if (factor <= kClampThreshold)
        m_zoom = factor;
    return true;
}

bool JobViewGeometry::ZoomInAt(const JobPoint& point)
{
    return SetViewRect(Centred(point, (m_view.x1 - m_view.x0) / 2, (m_view.y1 - m_view.y0) / 2));
}

bool JobViewGeometry::ZoomOutAt(const JobPoint& point)
{
    return SetViewRect(Centred(point, (m_view.x1 - m_view.x0) * 2, (m_view.y1 - m_view.y0) * 2));
}

bool JobViewGeometry::Pan(double dx, double dy)
{
    return StoreView(JobRect{m_view.y0 + dy, m_view.y1 + dy, m_view.x0 + dx, m_view.x1 + dx});
}

void JobViewGeometry::KeepZoomOnResize()
{
    const double oldZoom = m_zoom;
    const JobRect current = m_view;
    SetViewRect(current);
    if (m_zoom != oldZoom && oldZoom != 0.0 && m_zoom != 0.0)
        SetZoom(oldZoom);
}

JobPoint JobViewGeometry::PixelToJob(const PixelPoint& pixel) const
{
    return JobPoint{pixel.x * m_mmPerPixelX + m_view.x0, pixel.y * m_mmPerPixelY + m_view.y0};
}

PixelPoint JobViewGeometry::JobToPixel(const JobPoint& point) const
{
    return PixelPoint{PixelsAt(point.x - m_view.x0, m_mmPerPixelX), PixelsAt(point.y - m_view.y0, m_mmPerPixelY)};
}

JobPoint JobViewGeometry::ViewCentre() const
{
    return Centre(m_view);
}

double JobViewGeometry::ZoomCorrection() const
{
    if (!m_hostViewScale || !IsFinitePositive(*m_hostViewScale))
        return 1.0;
    return m_devicePixelRatio / *m_hostViewScale;
}

double JobViewGeometry::HorizontalExtentForZoom(double zoom) const
{
    return m_width / (zoom * kPointsPerMillimetre) * ZoomCorrection();
}

bool JobViewGeometry::StoreView(const JobRect& rect)
{
    if (!IsFinite(rect))
        return false;
    m_view = rect;
    m_mmPerPixelX = (rect.x1 - rect.x0) / std::max(m_width, 1);
    m_mmPerPixelY = (rect.y1 - rect.y0) / std::max(m_height, 1);
    return true;
}
