#include "viewer/PanTool.h"

#include "viewer/JobViewFrame.h"

void PanTool::MouseDown(const qRVADM::RVADM_Tracker& tracker)
{
    m_drag.Begin(PointOf(tracker));
    SetCursorId(kPanCursor);
}

void PanTool::MouseUp(const qRVADM::RVADM_Tracker& tracker)
{
    const bool dragged = m_drag.dragging;
    m_drag.dragging = false;
    EraseBand();
    if (!dragged)
        return;
    const JobPoint start = JobAt(m_drag.start);
    const JobPoint end = JobAt(PointOf(tracker));
    // The image follows the hand: the view moves against the drag.
    Canvas().Pan(start.x - end.x, start.y - end.y);
    ReportViewChange(false);
}

void PanTool::MouseDrag(const qRVADM::RVADM_Tracker& tracker)
{
    const QPoint point = PointOf(tracker);
    m_drag.Follow(point);
    ShowBand(Band::Line, m_drag.start, point);
}

void PanTool::MouseMove(const qRVADM::RVADM_Tracker&)
{
    SetCursorId(kPanCursor);
}

void PanTool::Activate(const qRVADM::RVADM_Tracker*)
{
    SetCursorId(kPanCursor);
    m_drag.dragging = false;
}
