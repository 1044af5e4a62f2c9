#include "viewer/events/PanelNotifier.h"

#include "plugin/TKW_AIPlugin.h"
#include "viewer/PanelOwner.h"

PanelNotifier::PanelNotifier(PanelOwner& owner, const char* name, const char* type, Handler handler)
    : TKW_AINotifier(&owner.Registries(), name, type), m_owner(owner), m_handler(handler)
{
}

ASErr PanelNotifier::Notify(AINotifierMessage* message)
{
    if (OspryDialog* panel = m_owner.GetPanel())
        m_handler(*panel, *message);
    return kNoErr;
}
