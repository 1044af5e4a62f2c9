#pragma once

#include "viewer/events/PanelNotifier.h"

// "AI Document Closed Notifier" for the Generate/Update section, registered under the
// document-changed notifier's name.
class DocClosedNotifier final : public PanelNotifier
{
public:
    DocClosedNotifier(PanelOwner& owner, Handler handler);
};
