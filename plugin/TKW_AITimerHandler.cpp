#include "plugin/TKW_AITimerHandler.h"

#include "plugin/TKW_AIRegistryCodes.h"
#include "plugin/TKW_AITimer.h"
#include "plugin/suites/SPMessages.h"

#include <algorithm>

TKW_AITimerHandler::TKW_AITimerHandler() : TKW_AIHandler(kCallerAITimer) {}

TKW_AITimerHandler::~TKW_AITimerHandler()
{
    DeleteAll();
}

ASErr TKW_AITimerHandler::Add(TKW_AITimer* timer)
{
    if (m_used == kSlotCount)
        return kTimerSlotsUsedUpErr;
    m_slots[m_used++] = timer;
    return kNoErr;
}

ASErr TKW_AITimerHandler::Remove(TKW_AITimer* timer)
{
    const auto end = m_slots.begin() + m_used;
    const auto found = std::find(m_slots.begin(), end, timer);
    if (timer == nullptr || found == end)
        return kTimerNotRegisteredErr;
    *found = nullptr;
    return kNoErr;
}

void TKW_AITimerHandler::DeleteAll()
{
    DeleteSlots(m_slots);
}

ASErr TKW_AITimerHandler::DispatchAddressed(const char* selector, void* message)
{
    auto* tick = static_cast<AITimerMessage*>(message);
    if (tick->timer == nullptr)
        return kNoErr;
    for (std::size_t i = 0; i < m_used; ++i) {
        if (m_slots[i] != nullptr && m_slots[i]->GetHandle() == tick->timer) {
            m_slots[i]->Notify(tick, selector);
            break;
        }
    }
    return kNoErr;
}
