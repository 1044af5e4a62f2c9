#pragma once

#include "viewer/model/ToolBase.h"

// The base tool: a click doubles the zoom around the clicked point, a drag (even of one pixel)
// zooms to the dragged rectangle, fitted to the canvas's aspect ratio; the rectangle follows the
// mouse as a rubber band. At the zoom limit (a zoom factor of 1499.9999 or more) the tool shows
// the arrow and ignores everything but erasing a rubber band. The start point and the dragging
// state survive a switch to another tool, so a drag continues when the tool comes back.
class ZoomInTool final : public ToolBase
{
public:
    using ToolBase::ToolBase;

    ToolIntent MouseDown(const qRVADM::TrackerRecord& tracker) override;
    ToolIntent MouseUp(const qRVADM::TrackerRecord& tracker) override;
    ToolIntent MouseDrag(const qRVADM::TrackerRecord& tracker) override;
    ToolIntent MouseMove(const qRVADM::TrackerRecord& tracker) override;
    // With a tracker whose left button is down the rubber band continues at once.
    ToolIntent Activate(const qRVADM::TrackerRecord* tracker) override;

private:
    bool BelowZoomLimit() const;

    Drag m_drag;
};
