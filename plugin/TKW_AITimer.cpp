#include "plugin/TKW_AITimer.h"

#include "plugin/HostSuites.h"
#include "plugin/TKW_AIPlugin.h"
#include "plugin/suites/AITimerSuite.h"

TKW_AITimer::TKW_AITimer(TKW_AIPlugin* plugin, const char* name, ASInt32 period) : m_plugin(plugin)
{
    m_plugin->AddSuite(AITimerSuite::kName);
    const AITimerSuite* suite = HostSuite<AITimerSuite>();
    if (suite != nullptr && suite->AddTimer(m_plugin->GetPluginRef(), name, period, &m_handle) != kNoErr)
        m_handle = nullptr;
}

TKW_AITimer::~TKW_AITimer()
{
    m_plugin->RemoveTimer(this);
}

ASErr TKW_AITimer::Notify(AITimerMessage* message, const char* selector)
{
    return Go(message, selector);
}

ASErr TKW_AITimer::Go(AITimerMessage*, const char*)
{
    return kNoErr;
}

ASErr TKW_AITimer::SetActive(bool active)
{
    return CallHostSuite<AITimerSuite>(
        [this, active](const AITimerSuite& suite) { return suite.SetTimerActive(m_handle, active ? 1 : 0); });
}
