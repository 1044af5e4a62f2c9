#include "viewer/events/LinkSectionViewChangeNTFY.h"

LinkSectionViewChangeNTFY::LinkSectionViewChangeNTFY(PanelOwner& owner, Handler handler)
    : PanelNotifier(owner, "LinkSection DocView Changed", "AI Document View Changed Notifier", handler)
{
}
