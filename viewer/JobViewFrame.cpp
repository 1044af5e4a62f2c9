#include "viewer/JobViewFrame.h"

#include "plugin/EngineSuites.h"
#include "plugin/HostSuites.h"
#include "plugin/suites/AIDocumentViewSuite.h"
#include "plugin/suites/AIUserSuite.h"
#include "toolkit/IADMDrawer.h"
#include "viewer/HostDocument.h"

#include <QPainter>

#include <optional>

namespace {

// The host's scale factor for its first document view; none when the host has no view.
std::optional<double> HostViewScale()
{
    const AIDocumentViewSuite* views = HostSuite<AIDocumentViewSuite>();
    const AIUserSuite* user = HostSuite<AIUserSuite>();
    AIDocumentViewHandle view = nullptr;
    if (views == nullptr || user == nullptr || views->GetNthDocumentView(0, &view) != kNoErr || view == nullptr)
        return std::nullopt;
    return user->GetDocumentViewScaleFactor(view);
}

}  // namespace

JobViewFrame::JobViewFrame(qRVADM::RVADM_ItemParent* parent)
    : RVADM_CustomItem(parent)
{
    Enable(false);
}

void JobViewFrame::SetJobDocument(AIDocumentHandle document)
{
    m_jobDocument = document;
    Enable(document != nullptr);
    Invalidate();
}

bool JobViewFrame::SetViewRect(const JobRect& rect)
{
    RefreshZoomCorrection();
    return m_geometry.SetViewRect(rect);
}

bool JobViewFrame::ShowRect(const JobRect& rect)
{
    return InvalidateIf(SetViewRect(rect));
}

double JobViewFrame::GetZoom()
{
    RefreshZoomCorrection();
    return m_geometry.GetZoom();
}

bool JobViewFrame::SetZoom(double factor)
{
    RefreshZoomCorrection();
    return m_geometry.SetZoom(factor);
}

bool JobViewFrame::ZoomInAt(const JobPoint& point)
{
    RefreshZoomCorrection();
    return InvalidateIf(m_geometry.ZoomInAt(point));
}

bool JobViewFrame::ZoomOutAt(const JobPoint& point)
{
    RefreshZoomCorrection();
    return InvalidateIf(m_geometry.ZoomOutAt(point));
}

bool JobViewFrame::Pan(double dx, double dy)
{
    return InvalidateIf(m_geometry.Pan(dx, dy));
}

void JobViewFrame::KeepZoomOnResize()
{
    RefreshZoomCorrection();
    m_geometry.SetCanvasSize(width(), height());
    m_geometry.KeepZoomOnResize();
}

void JobViewFrame::Invalidate()
{
    m_cache.Drop();
    RVADM_CustomItem::Invalidate();
}

void JobViewFrame::Draw(qRVADM::IADMDrawer& drawer)
{
    if (!ShowsJobDocument()) {
        RVADM_CustomItem::Draw(drawer);
        return;
    }
    const HLKilnSuite* kiln = EngineSuitePointers().kiln;
    if (kiln == nullptr)
        return;
    const QPixmap& image = m_cache.Bring(*kiln, DeviceRect(), m_geometry.ViewRect());
    if (!image.isNull())
        drawer.GetPainter().drawPixmap(rect(), image);
}

bool JobViewFrame::InvalidateIf(bool viewChanged)
{
    if (viewChanged)
        Invalidate();
    return viewChanged;
}

void JobViewFrame::RefreshZoomCorrection()
{
    m_geometry.SetDevicePixelRatio(devicePixelRatioF());
    m_geometry.SetHostViewScale(HostViewScale());
}

bool JobViewFrame::ShowsJobDocument() const
{
    return m_jobDocument != nullptr && HostDocument::Current() == m_jobDocument;
}

QRect JobViewFrame::DeviceRect() const
{
    const double ratio = devicePixelRatioF();
    return QRect(0, 0, static_cast<int>(width() * ratio), static_cast<int>(height() * ratio));
}
