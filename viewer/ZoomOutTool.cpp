#include "viewer/ZoomOutTool.h"

#include "viewer/JobViewFrame.h"

void ZoomOutTool::MouseDown(const qRVADM::RVADM_Tracker&)
{
    SetCursorId(kZoomOutCursor);
}

void ZoomOutTool::MouseUp(const qRVADM::RVADM_Tracker& tracker)
{
    Canvas().ZoomOutAt(JobAt(PointOf(tracker)));
    ReportViewChange(true);
    SetCursorId(kZoomOutCursor);
}

void ZoomOutTool::MouseDrag(const qRVADM::RVADM_Tracker&) {}

void ZoomOutTool::MouseMove(const qRVADM::RVADM_Tracker&)
{
    SetCursorId(kZoomOutCursor);
}

void ZoomOutTool::Activate(const qRVADM::RVADM_Tracker*)
{
    SetCursorId(kZoomOutCursor);
}
