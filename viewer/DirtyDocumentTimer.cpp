#include "viewer/DirtyDocumentTimer.h"

#include "plugin/OspryPlugin.h"
#include "viewer/UpdateGenSection.h"

DirtyDocumentTimer::DirtyDocumentTimer(OspryPlugin* plugin)
    : TKW_AITimer(plugin, "TKOYUpdateGenSectionDirtyTester", kPeriod), m_plugin(plugin)
{
}

ASErr DirtyDocumentTimer::Go(AITimerMessage*, const char*)
{
    if (UpdateGenSection* section = UpdateGenSection::Of(m_plugin))
        section->OnDirtyTick();
    return kNoErr;
}
