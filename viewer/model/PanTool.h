#pragma once

#include "viewer/model/ToolBase.h"

// Moves the view by the dragged distance, once, on release, so that the image follows the hand;
// while dragging only a line from the start point to the mouse is drawn (rubber band). The zoom
// does not change. Activating the tool forgets a drag in progress; a release with no press or
// drag since then moves nothing.
class PanTool final : public ToolBase
{
public:
    using ToolBase::ToolBase;

    ToolIntent MouseDown(const qRVADM::TrackerRecord& tracker) override;
    ToolIntent MouseUp(const qRVADM::TrackerRecord& tracker) override;
    ToolIntent MouseDrag(const qRVADM::TrackerRecord& tracker) override;
    ToolIntent MouseMove(const qRVADM::TrackerRecord& tracker) override;
    ToolIntent Activate(const qRVADM::TrackerRecord* tracker) override;

private:
    Drag m_drag;
};
