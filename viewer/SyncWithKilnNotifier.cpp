#include "viewer/SyncWithKilnNotifier.h"

#include "plugin/OspryPlugin.h"
#include "plugin/suites/HLKilnODLSuite.h"
#include "viewer/UpdateGenSection.h"

SyncWithKilnNotifier::SyncWithKilnNotifier(OspryPlugin* plugin)
    : TKW_AINotifier(plugin, "TKOYUpdateGenSectionSyncWithKiln", kHLSyncNotifier), m_plugin(plugin)
{
}

ASErr SyncWithKilnNotifier::Notify(AINotifierMessage* message)
{
    const auto* keepView = static_cast<const AIBoolean*>(message->notifyData);
    if (UpdateGenSection* section = UpdateGenSection::Of(m_plugin))
        section->OnEngineSync(keepView == nullptr || *keepView == 0);
    return kNoErr;
}
