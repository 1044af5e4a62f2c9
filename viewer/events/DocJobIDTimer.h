#pragma once

#include "plugin/TKW_AITimer.h"

// The host timer "TKOYDocJobIDTimer" (one tick), registered with the panel and set idle at once;
// nothing starts it, so its ticks never come. It holds its host timer slot for the plug-in's
// life like the panel's other timers. The timer registry owns it.
class DocJobIDTimer final : public TKW_AITimer
{
public:
    explicit DocJobIDTimer(TKW_AIPlugin* plugin);
};
