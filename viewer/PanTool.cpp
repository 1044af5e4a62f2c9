#include "viewer/PanTool.h"

#include "toolkit/RVADM_Tracker.h"
#include "viewer/JobViewFrame.h"
#include "viewer/TrackingOverlay.h"

void PanTool::MouseDown(const qRVADM::RVADM_Tracker& tracker)
{
    m_start = PointOf(tracker);
    m_dragging = true;
    SetCursorId(kPanCursor);
}

void PanTool::MouseUp(const qRVADM::RVADM_Tracker& tracker)
{
    const bool dragged = m_dragging;
    m_dragging = false;
    TrackingOverlay& overlay = Canvas().Overlay();
    overlay.StartFrame();
    overlay.Flush();
    if (!dragged)
        return;
    const JobPoint start = JobAt(m_start);
    const JobPoint end = JobAt(PointOf(tracker));
    // The image follows the hand: the view moves against the drag.
    Canvas().Pan(start.x - end.x, start.y - end.y);
    ReportViewChange(false);
}

void PanTool::MouseDrag(const qRVADM::RVADM_Tracker& tracker)
{
    const QPoint point = PointOf(tracker);
    if (!m_dragging) {
        m_start = point;
        m_dragging = true;
    }
    TrackingOverlay& overlay = Canvas().Overlay();
    overlay.StartFrame();
    overlay.AddLine(m_start, point);
    overlay.Flush();
}

void PanTool::MouseMove(const qRVADM::RVADM_Tracker&)
{
    SetCursorId(kPanCursor);
}

void PanTool::Activate(const qRVADM::RVADM_Tracker*)
{
    SetCursorId(kPanCursor);
    m_dragging = false;
}
