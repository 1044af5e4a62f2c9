#pragma once

#include "plugin/TKW_AISlotHandler.h"

class TKW_AITimer;

// The timer registry: 100 slots filled in order and never reused, so at most 100 timers can be
// added over the plug-in's life ("ErAT" after that; "ErRT" when a removed timer holds no slot).
// Owns the timers in its slots.
class TKW_AITimerHandler final : public TKW_AISlotHandler<TKW_AITimer, 100>
{
public:
    TKW_AITimerHandler();
    ~TKW_AITimerHandler() override;

    ASErr Add(TKW_AITimer* timer) { return Store(timer); }

protected:
    // Ticks the first timer holding the message's handle; always 0.
    ASErr DispatchAddressed(const char* selector, void* message) override;
};
