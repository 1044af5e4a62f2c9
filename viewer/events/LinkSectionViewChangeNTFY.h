#pragma once

#include "viewer/events/PanelNotifier.h"

// "AI Document View Changed Notifier" for the link section, registered as "LinkSection DocView
// Changed".
class LinkSectionViewChangeNTFY final : public PanelNotifier
{
public:
    LinkSectionViewChangeNTFY(PanelOwner& owner, Handler handler);
};
