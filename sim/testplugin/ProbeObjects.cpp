#include "sim/testplugin/ProbeObjects.h"

#include "plugin/TKW_AISuiteManager.h"
#include "plugin/TKW_ModifierKeyBroadcaster.h"
#include "sim/testplugin/CoreProbePlugin.h"
#include "sim/testplugin/ProbeLog.h"

#include <cstdio>

namespace {

void LogDeletion(CoreProbePlugin* probe, ASInt32 id)
{
    ProbeLog("~" + std::to_string(id) + "(" + std::to_string(TKW_AISuiteManager::Instance().GetNestingCount()) + ")");
    probe->Forget(id);
}

}  // namespace

ProbeNotifier::ProbeNotifier(CoreProbePlugin* probe, ASInt32 id, const char* type)
    : TKW_AINotifier(probe, ("Probe Notifier " + std::to_string(id)).c_str(), type), m_probe(probe), m_id(id),
      m_type(type)
{
}

ProbeNotifier::~ProbeNotifier()
{
    LogDeletion(m_probe, m_id);
}

ASErr ProbeNotifier::Notify(AINotifierMessage* message)
{
    std::string entry = "notify " + std::to_string(m_id);
    if (m_type == TKW_ModifierKeyBroadcaster::kNotifierType && message->notifyData != nullptr) {
        char state[16];
        std::snprintf(state, sizeof state, "0x%X", *static_cast<const ASUInt32*>(message->notifyData));
        entry += std::string(" state=") + state;
    }
    ProbeLog(entry);
    return kNoErr;
}

ProbeMenu::ProbeMenu(CoreProbePlugin* probe, ASInt32 id, TKW_AISubMenu* parent, const char* text, ASErr goResult)
    : TKW_AIMenu(parent, text, true), m_probe(probe), m_id(id), m_goResult(goResult)
{
}

ProbeMenu::~ProbeMenu()
{
    LogDeletion(m_probe, m_id);
}

ASErr ProbeMenu::OnAdded()
{
    ProbeLog("added " + std::to_string(m_id));
    return kNoErr;
}

ASErr ProbeMenu::Go(AIMenuMessage*)
{
    ProbeLog("go " + std::to_string(m_id));
    return m_goResult;
}

ASErr ProbeMenu::Update(AIMenuMessage*)
{
    ProbeLog("update " + std::to_string(m_id));
    return kNoErr;
}

ProbeTimer::ProbeTimer(CoreProbePlugin* probe, ASInt32 id, ASInt32 period)
    : TKW_AITimer(probe, ("Probe Timer " + std::to_string(id)).c_str(), period), m_probe(probe), m_id(id)
{
}

ProbeTimer::~ProbeTimer()
{
    LogDeletion(m_probe, m_id);
}

ASErr ProbeTimer::Go(AITimerMessage*, const char* selector)
{
    ProbeLog("tick " + std::to_string(m_id) + " " + selector);
    return kNoErr;
}

ProbePanel::~ProbePanel()
{
    ProbeLog("~panel " + std::to_string(m_tag));
}

void ProbePanel::CommitItems()
{
    ProbeLog("commit " + std::to_string(m_tag));
}
