#include "viewer/DocChangedNotifier.h"

#include "plugin/OspryPlugin.h"
#include "viewer/UpdateGenSection.h"

DocChangedNotifier::DocChangedNotifier(OspryPlugin* plugin)
    : TKW_AINotifier(plugin, "TKOYUpdateGenSectionDocChanged", "AI Document Changed Notifier"), m_plugin(plugin)
{
}

ASErr DocChangedNotifier::Notify(AINotifierMessage*)
{
    if (UpdateGenSection* section = UpdateGenSection::Of(m_plugin))
        section->OnDocumentChanged();
    return kNoErr;
}
