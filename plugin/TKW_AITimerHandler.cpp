#include "plugin/TKW_AITimerHandler.h"

#include "plugin/TKW_AIRegistryCodes.h"
#include "plugin/TKW_AITimer.h"
#include "plugin/suites/SPMessages.h"

TKW_AITimerHandler::TKW_AITimerHandler()
    : TKW_AISlotHandler({kCallerAITimer, false, kTimerSlotsUsedUpErr, kTimerNotRegisteredErr})
{
}

TKW_AITimerHandler::~TKW_AITimerHandler()
{
    DeleteAll();
}

ASErr TKW_AITimerHandler::DispatchAddressed(const char* selector, void* message)
{
    auto* tick = static_cast<AITimerMessage*>(message);
    if (TKW_AITimer* timer = FindByHandle(tick->timer))
        timer->Notify(tick, selector);
    return kNoErr;
}
