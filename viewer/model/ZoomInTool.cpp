#include "viewer/model/ZoomInTool.h"

#include "toolkit/TrackerCodes.h"
#include "viewer/model/JobViewGeometry.h"

ToolIntent ZoomInTool::MouseDown(const qRVADM::TrackerRecord& tracker)
{
    if (!BelowZoomLimit())
        return {};
    m_drag.Begin(PixelOf(tracker));
    return Cursor(kZoomInCursor);
}

ToolIntent ZoomInTool::MouseUp(const qRVADM::TrackerRecord& tracker)
{
    ToolIntent intent = EraseBand();
    if (!BelowZoomLimit())
        return intent;
    const ToolPixel end = PixelOf(tracker);
    m_drag.dragging = false;
    if (end != m_drag.start) {
        const JobPoint a = JobAt(m_drag.start);
        const JobPoint b = JobAt(end);
        intent.view = ToolIntent::View::ShowRect;
        intent.rect = JobRect{a.y, b.y, a.x, b.x};
    } else {
        intent.view = ToolIntent::View::ZoomInAt;
        intent.point = JobAt(end);
    }
    return intent;
}

ToolIntent ZoomInTool::MouseDrag(const qRVADM::TrackerRecord& tracker)
{
    if (!BelowZoomLimit())
        return {};
    const ToolPixel point = PixelOf(tracker);
    m_drag.Follow(point);
    return Band(ToolIntent::Band::Rectangle, m_drag.start, point);
}

ToolIntent ZoomInTool::MouseMove(const qRVADM::TrackerRecord&)
{
    return BelowZoomLimit() ? Cursor(kZoomInCursor) : ToolIntent{};
}

ToolIntent ZoomInTool::Activate(const qRVADM::TrackerRecord* tracker)
{
    if (!BelowZoomLimit())
        return Cursor(kArrowCursor);
    const bool leftDown = tracker != nullptr && (tracker->modifiers & qRVADM::kInputLeftButton) != 0;
    ToolIntent intent = leftDown ? MouseDrag(*tracker) : ToolIntent{};
    intent.cursor = kZoomInCursor;
    return intent;
}

bool ZoomInTool::BelowZoomLimit() const
{
    return Geometry().BelowZoomInLimit();
}
