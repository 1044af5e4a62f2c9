#pragma once

#include "plugin/TKW_AITimer.h"

class OspryPlugin;

// Every two seconds lets the Generate/Update section ask the engine whether the shown job is
// still the document's. Active from creation; the timer registry owns it; it finds the section
// through the plug-in's panel.
class DirtyDocumentTimer final : public TKW_AITimer
{
public:
    static constexpr ASInt32 kPeriod = 120;

    explicit DirtyDocumentTimer(OspryPlugin* plugin);

    ASErr Go(AITimerMessage* message, const char* selector) override;

private:
    OspryPlugin* m_plugin;
};
