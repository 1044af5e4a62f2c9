#pragma once

#include "viewer/events/PanelNotifier.h"

// The engine's "KilnODL Load Type Query", asked before the engine offers a regeneration of a
// changed job; its data points to an HLLoadTypeQuery. Registered as "TKOY KilnLoadType".
class KilnODLLoadTypeQueryNotifier final : public PanelNotifier
{
public:
    KilnODLLoadTypeQueryNotifier(PanelOwner& owner, Handler handler);
};
