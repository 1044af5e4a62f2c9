#include "plugin/TKW_AINotifier.h"

#include "plugin/HostSuites.h"
#include "plugin/TKW_AIPlugin.h"
#include "plugin/suites/AINotifierSuite.h"

TKW_AINotifier::TKW_AINotifier(TKW_AIPlugin* plugin, const char* name, const char* type) : m_plugin(plugin)
{
    m_plugin->AddSuite(AINotifierSuite::kName);
    const AINotifierSuite* suite = HostSuite<AINotifierSuite>();
    if (suite != nullptr && suite->AddNotifier(m_plugin->GetPluginRef(), name, type, &m_handle) != kNoErr)
        m_handle = nullptr;
}

TKW_AINotifier::~TKW_AINotifier()
{
    m_plugin->RemoveNotifier(this);
}

ASErr TKW_AINotifier::Notify(AINotifierMessage*)
{
    return kNoErr;
}

ASErr TKW_AINotifier::SetActive(bool active)
{
    return CallHostSuite<AINotifierSuite>(
        [this, active](const AINotifierSuite& suite) { return suite.SetNotifierActive(m_handle, active ? 1 : 0); });
}
