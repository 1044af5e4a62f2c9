#include "viewer/model/PanTool.h"

ToolIntent PanTool::MouseDown(const qRVADM::TrackerRecord& tracker)
{
    m_drag.Begin(PixelOf(tracker));
    return Cursor(kPanCursor);
}

ToolIntent PanTool::MouseUp(const qRVADM::TrackerRecord& tracker)
{
    const bool dragged = m_drag.dragging;
    m_drag.dragging = false;
    ToolIntent intent = EraseBand();
    if (!dragged)
        return intent;
    const JobPoint start = JobAt(m_drag.start);
    const JobPoint end = JobAt(PixelOf(tracker));
    // The image follows the hand: the view moves against the drag.
    intent.view = ToolIntent::View::Pan;
    intent.dx = start.x - end.x;
    intent.dy = start.y - end.y;
    return intent;
}

ToolIntent PanTool::MouseDrag(const qRVADM::TrackerRecord& tracker)
{
    const ToolPixel point = PixelOf(tracker);
    m_drag.Follow(point);
    return Band(ToolIntent::Band::Line, m_drag.start, point);
}

ToolIntent PanTool::MouseMove(const qRVADM::TrackerRecord&)
{
    return Cursor(kPanCursor);
}

ToolIntent PanTool::Activate(const qRVADM::TrackerRecord*)
{
    m_drag.dragging = false;
    return Cursor(kPanCursor);
}
