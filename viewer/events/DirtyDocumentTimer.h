#pragma once

#include "viewer/events/PanelTimer.h"

// Every two seconds, for the Generate/Update section to ask the engine whether the shown job is
// still the document's. Registered as "TKOYUpdateGenSectionDirtyTester", active from creation.
class DirtyDocumentTimer final : public PanelTimer
{
public:
    static constexpr ASInt32 kPeriod = 120;

    DirtyDocumentTimer(PanelOwner& owner, Handler handler);
};
