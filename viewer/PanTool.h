#pragma once

#include "viewer/ToolBase.h"

// Moves the view by the dragged distance, once, on release, so that the image follows the hand;
// while dragging only a line from the start point to the mouse is drawn (XOR rubber band). The
// zoom does not change. Activating the tool forgets a drag in progress; a release with no press
// or drag since then moves nothing.
class PanTool final : public ToolBase
{
public:
    using ToolBase::ToolBase;

    void MouseDown(const qRVADM::RVADM_Tracker& tracker) override;
    void MouseUp(const qRVADM::RVADM_Tracker& tracker) override;
    void MouseDrag(const qRVADM::RVADM_Tracker& tracker) override;
    void MouseMove(const qRVADM::RVADM_Tracker& tracker) override;
    void Activate(const qRVADM::RVADM_Tracker* tracker) override;

private:
    Drag m_drag;
};
