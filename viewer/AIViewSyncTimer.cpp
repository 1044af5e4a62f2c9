#include "viewer/AIViewSyncTimer.h"

#include "plugin/OspryPlugin.h"
#include "viewer/HostView.h"
#include "viewer/JobViewSection.h"
#include "viewer/OspryDialog.h"

AIViewSyncTimer::AIViewSyncTimer(OspryPlugin* plugin)
    : TKW_AITimer(plugin, "TKOYVieSyncTimer", kPeriod), m_plugin(plugin)
{
    SetActive(false);
}

ASErr AIViewSyncTimer::Go(AITimerMessage*, const char*)
{
    SetActive(false);
    const OspryDialog* panel = m_plugin->GetPanel();
    JobViewSection* section = panel != nullptr ? panel->GetJobViewSection() : nullptr;
    if (const AIDocumentViewHandle view = HostView::Front(); section != nullptr && view != nullptr)
        section->PullHostView(view);
    return kNoErr;
}
