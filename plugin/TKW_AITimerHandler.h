#pragma once

#include "plugin/TKW_AIHandler.h"
#include "plugin/TKW_AISlots.h"

#include <cstddef>

class TKW_AITimer;

// The timer registry: 100 slots filled in order and never reused, so at most 100 timers can be
// added over the plug-in's life. Owns the timers in its slots.
class TKW_AITimerHandler final : public TKW_AIHandler
{
public:
    static constexpr std::size_t kSlotCount = 100;

    TKW_AITimerHandler();
    ~TKW_AITimerHandler() override;

    // "ErAT" once every slot has been used.
    ASErr Add(TKW_AITimer* timer);
    // Clears the timer's slot; "ErRT" when it holds none.
    ASErr Remove(TKW_AITimer* timer);

    void DeleteAll() override;

    std::size_t UsedSlots() const { return m_slots.Used(); }

protected:
    // Ticks the first timer holding the message's handle; always 0.
    ASErr DispatchAddressed(const char* selector, void* message) override;

private:
    TKW_AISlots<TKW_AITimer, kSlotCount> m_slots;
};
