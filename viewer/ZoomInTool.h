#pragma once

#include "viewer/ToolBase.h"

// The base tool: a click doubles the zoom around the clicked point, a drag (even of one pixel)
// zooms to the dragged rectangle, fitted to the canvas's aspect ratio; the rectangle follows the
// mouse as an XOR rubber band. At the zoom limit (a zoom factor of 1499.9999 or more) the tool
// shows the arrow and ignores everything but erasing a rubber band. The start point and the
// dragging state survive a switch to another tool, so a drag continues when the tool comes back.
class ZoomInTool final : public ToolBase
{
public:
    using ToolBase::ToolBase;

    void MouseDown(const qRVADM::RVADM_Tracker& tracker) override;
    void MouseUp(const qRVADM::RVADM_Tracker& tracker) override;
    void MouseDrag(const qRVADM::RVADM_Tracker& tracker) override;
    void MouseMove(const qRVADM::RVADM_Tracker& tracker) override;
    // With a tracker whose left button is down the rubber band continues at once.
    void Activate(const qRVADM::RVADM_Tracker* tracker) override;

private:
    bool BelowZoomLimit() const;

    Drag m_drag;
};
