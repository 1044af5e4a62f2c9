#include "viewer/DocClosedNotifier.h"

#include "plugin/OspryPlugin.h"
#include "viewer/UpdateGenSection.h"

DocClosedNotifier::DocClosedNotifier(OspryPlugin* plugin)
    : TKW_AINotifier(plugin, "TKOYUpdateGenSectionDocChanged", "AI Document Closed Notifier"), m_plugin(plugin)
{
}

ASErr DocClosedNotifier::Notify(AINotifierMessage*)
{
    if (UpdateGenSection* section = UpdateGenSection::Of(m_plugin))
        section->OnDocumentClosed();
    return kNoErr;
}
