#include "plugin/TKW_AINotifierHandler.h"

#include "plugin/AppShutdownNotifier.h"
#include "plugin/AppStartupNotifier.h"
#include "plugin/TKW_AINotifier.h"
#include "plugin/TKW_AIRegistryCodes.h"
#include "plugin/TKW_StartupActionNotifier.h"
#include "plugin/suites/SPMessages.h"

#include <algorithm>

TKW_AINotifierHandler::TKW_AINotifierHandler() : TKW_AIHandler(kCallerAINotifier)
{
    m_notifiers.reserve(16);
}

TKW_AINotifierHandler::~TKW_AINotifierHandler()
{
    DeleteAll();
}

ASErr TKW_AINotifierHandler::Add(TKW_AINotifier* notifier)
{
    m_notifiers.push_back(notifier);
    return kNoErr;
}

ASErr TKW_AINotifierHandler::Remove(TKW_AINotifier* notifier)
{
    const auto removed = std::remove(m_notifiers.begin(), m_notifiers.end(), notifier);
    if (removed == m_notifiers.end())
        return kNotifierNotRegisteredErr;
    m_notifiers.erase(removed, m_notifiers.end());
    return kNoErr;
}

void TKW_AINotifierHandler::AddApplicationNotifiers(TKW_AIPlugin* plugin)
{
    Add(new AppStartupNotifier(plugin));
    Add(new AppShutdownNotifier(plugin));
}

void TKW_AINotifierHandler::AddStartupActionNotifier(TKW_AIPlugin* plugin)
{
    Add(new TKW_StartupActionNotifier(plugin));
}

void TKW_AINotifierHandler::DeleteAll()
{
    // A destructor may delete other notifiers, so take one at a time from the current list.
    while (!m_notifiers.empty()) {
        TKW_AINotifier* notifier = m_notifiers.front();
        Remove(notifier);
        delete notifier;
    }
}

ASErr TKW_AINotifierHandler::DispatchAddressed(const char*, void* message)
{
    auto* notification = static_cast<AINotifierMessage*>(message);
    if (notification->notifier == nullptr)
        return kNoErr;
    const auto found = std::find_if(m_notifiers.begin(), m_notifiers.end(), [&](const TKW_AINotifier* notifier) {
        return notifier->GetHandle() == notification->notifier;
    });
    if (found != m_notifiers.end())
        (*found)->Notify(notification);
    return kNoErr;
}
