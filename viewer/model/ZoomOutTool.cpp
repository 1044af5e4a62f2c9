#include "viewer/model/ZoomOutTool.h"

ToolIntent ZoomOutTool::MouseDown(const qRVADM::TrackerRecord&)
{
    return Cursor(kZoomOutCursor);
}

ToolIntent ZoomOutTool::MouseUp(const qRVADM::TrackerRecord& tracker)
{
    ToolIntent intent = Cursor(kZoomOutCursor);
    intent.view = ToolIntent::View::ZoomOutAt;
    intent.point = JobAt(PixelOf(tracker));
    return intent;
}

ToolIntent ZoomOutTool::MouseDrag(const qRVADM::TrackerRecord&)
{
    return {};
}

ToolIntent ZoomOutTool::MouseMove(const qRVADM::TrackerRecord&)
{
    return Cursor(kZoomOutCursor);
}

ToolIntent ZoomOutTool::Activate(const qRVADM::TrackerRecord*)
{
    return Cursor(kZoomOutCursor);
}
