#include "viewer/ZoomInTool.h"

#include "toolkit/RVADM_Tracker.h"
#include "viewer/JobViewFrame.h"
#include "viewer/TrackingOverlay.h"

void ZoomInTool::MouseDown(const qRVADM::RVADM_Tracker& tracker)
{
    if (!BelowZoomLimit())
        return;
    m_start = PointOf(tracker);
    m_dragging = true;
    SetCursorId(kZoomInCursor);
}

void ZoomInTool::MouseUp(const qRVADM::RVADM_Tracker& tracker)
{
    TrackingOverlay& overlay = Canvas().Overlay();
    overlay.StartFrame();
    overlay.Flush();
    if (!BelowZoomLimit())
        return;
    const QPoint end = PointOf(tracker);
    m_dragging = false;
    if (end != m_start) {
        const JobPoint a = JobAt(m_start);
        const JobPoint b = JobAt(end);
        Canvas().ShowRect(JobRect{a.y, b.y, a.x, b.x});
    } else {
        Canvas().ZoomInAt(JobAt(end));
    }
    ReportViewChange(true);
}

void ZoomInTool::MouseDrag(const qRVADM::RVADM_Tracker& tracker)
{
    if (!BelowZoomLimit())
        return;
    const QPoint point = PointOf(tracker);
    if (!m_dragging) {
        m_start = point;
        m_dragging = true;
    }
    TrackingOverlay& overlay = Canvas().Overlay();
    overlay.StartFrame();
    overlay.AddRect(m_start, point);
    overlay.Flush();
}

void ZoomInTool::MouseMove(const qRVADM::RVADM_Tracker&)
{
    if (BelowZoomLimit())
        SetCursorId(kZoomInCursor);
}

void ZoomInTool::Activate(const qRVADM::RVADM_Tracker* tracker)
{
    if (!BelowZoomLimit()) {
        SetCursorId(kArrowCursor);
        return;
    }
    SetCursorId(kZoomInCursor);
    if (tracker != nullptr && (tracker->GetModifiers() & qRVADM::kInputLeftButton) != 0)
        MouseDrag(*tracker);
}

bool ZoomInTool::BelowZoomLimit() const
{
    return Canvas().Geometry().BelowZoomInLimit();
}
