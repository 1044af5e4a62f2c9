#include "viewer/events/KilnODLLoadTypeQueryNotifier.h"

#include "plugin/suites/HLKilnODLSuite.h"

KilnODLLoadTypeQueryNotifier::KilnODLLoadTypeQueryNotifier(PanelOwner& owner, Handler handler)
    : PanelNotifier(owner, "TKOY KilnLoadType", kHLLoadTypeQueryNotifier, handler)
{
}
