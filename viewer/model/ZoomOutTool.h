#pragma once

#include "viewer/model/ToolBase.h"

// Zooms out on release: the view doubles its extents around the release point. No rubber band.
class ZoomOutTool final : public ToolBase
{
public:
    using ToolBase::ToolBase;

    ToolIntent MouseDown(const qRVADM::TrackerRecord& tracker) override;
    ToolIntent MouseUp(const qRVADM::TrackerRecord& tracker) override;
    ToolIntent MouseDrag(const qRVADM::TrackerRecord& tracker) override;
    ToolIntent MouseMove(const qRVADM::TrackerRecord& tracker) override;
    ToolIntent Activate(const qRVADM::TrackerRecord* tracker) override;
};
