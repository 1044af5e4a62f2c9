#include "plugin/TKW_AITimerHandler.h"

#include "plugin/TKW_AIRegistryCodes.h"
#include "plugin/TKW_AITimer.h"
#include "plugin/suites/SPMessages.h"

TKW_AITimerHandler::TKW_AITimerHandler() : TKW_AIHandler(kCallerAITimer) {}

TKW_AITimerHandler::~TKW_AITimerHandler()
{
    DeleteAll();
}

ASErr TKW_AITimerHandler::Add(TKW_AITimer* timer)
{
    return m_slots.Store(timer, false) ? kNoErr : kTimerSlotsUsedUpErr;
}

ASErr TKW_AITimerHandler::Remove(TKW_AITimer* timer)
{
    return m_slots.Clear(timer) ? kNoErr : kTimerNotRegisteredErr;
}

void TKW_AITimerHandler::DeleteAll()
{
    m_slots.DeleteAll();
}

ASErr TKW_AITimerHandler::DispatchAddressed(const char* selector, void* message)
{
    auto* tick = static_cast<AITimerMessage*>(message);
    if (TKW_AITimer* timer = m_slots.FindByHandle(tick->timer))
        timer->Notify(tick, selector);
    return kNoErr;
}
