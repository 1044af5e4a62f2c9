#pragma once

#include "viewer/ToolBase.h"

// Zooms out on release: the view doubles its extents around the release point. No rubber band.
class ZoomOutTool final : public ToolBase
{
public:
    using ToolBase::ToolBase;

    void MouseDown(const qRVADM::RVADM_Tracker& tracker) override;
    void MouseUp(const qRVADM::RVADM_Tracker& tracker) override;
    void MouseDrag(const qRVADM::RVADM_Tracker& tracker) override;
    void MouseMove(const qRVADM::RVADM_Tracker& tracker) override;
    void Activate(const qRVADM::RVADM_Tracker* tracker) override;
};
