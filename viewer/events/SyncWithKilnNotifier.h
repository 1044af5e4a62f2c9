#pragma once

#include "viewer/events/PanelNotifier.h"

// The engine's "OY Sync": the engine pushed a job; the data points to a bool, true to keep the
// canvas's view, or is null (fit the whole job). Registered as "TKOYUpdateGenSectionSyncWithKiln".
class SyncWithKilnNotifier final : public PanelNotifier
{
public:
    SyncWithKilnNotifier(PanelOwner& owner, Handler handler);
};
