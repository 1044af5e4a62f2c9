#include "viewer/events/SyncWithKilnNotifier.h"

#include "plugin/suites/HLKilnODLSuite.h"

SyncWithKilnNotifier::SyncWithKilnNotifier(PanelOwner& owner, Handler handler)
    : PanelNotifier(owner, "TKOYUpdateGenSectionSyncWithKiln", kHLSyncNotifier, handler)
{
}
