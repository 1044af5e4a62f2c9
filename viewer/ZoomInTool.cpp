#include "viewer/ZoomInTool.h"

#include "toolkit/RVADM_Tracker.h"
#include "viewer/JobViewFrame.h"

void ZoomInTool::MouseDown(const qRVADM::RVADM_Tracker& tracker)
{
    if (!BelowZoomLimit())
        return;
    m_drag.Begin(PointOf(tracker));
    SetCursorId(kZoomInCursor);
}

void ZoomInTool::MouseUp(const qRVADM::RVADM_Tracker& tracker)
{
    EraseBand();
    if (!BelowZoomLimit())
        return;
    const QPoint end = PointOf(tracker);
    m_drag.dragging = false;
    if (end != m_drag.start) {
        const JobPoint a = JobAt(m_drag.start);
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
    m_drag.Follow(point);
    ShowBand(Band::Rectangle, m_drag.start, point);
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
