#include "viewer/LinkSectionViewChangeNTFY.h"

#include "plugin/OspryPlugin.h"
#include "viewer/LinkSection.h"
#include "viewer/OspryDialog.h"

LinkSectionViewChangeNTFY::LinkSectionViewChangeNTFY(OspryPlugin* plugin)
    : TKW_AINotifier(plugin, "LinkSection DocView Changed", "AI Document View Changed Notifier"), m_plugin(plugin)
{
}

ASErr LinkSectionViewChangeNTFY::Notify(AINotifierMessage*)
{
    const OspryDialog* panel = m_plugin->GetPanel();
    if (LinkSection* link = panel != nullptr ? panel->GetLinkSection() : nullptr)
        link->PullHostView();
    return kNoErr;
}
