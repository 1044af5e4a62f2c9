#pragma once

#include "bench/Stopwatch.h"
#include "plugin/suites/HLKilnODLSuite.h"
#include "plugin/suites/HLKilnSuite.h"

namespace hostsim {
class SuiteRegistry;
}  // namespace hostsim

// The time spent inside the engine's working calls (RenderPreview, JobLoaded, RunGeneration),
// whoever makes them: the host is given copies of the engine's kernel suites whose entries time
// the engine's own. Made before the engine starts; one at a time, for the host's life.
class EngineTimer
{
public:
    explicit EngineTimer(hostsim::SuiteRegistry& suites);
    ~EngineTimer();
    EngineTimer(const EngineTimer&) = delete;
    EngineTimer& operator=(const EngineTimer&) = delete;

    // Since the last Reset.
    const Elapsed& Spent() const { return m_spent; }
    int RenderCalls() const { return m_renderCalls; }
    void Reset();

private:
    class Timing;
    static ASErr TimedRenderPreview(ASInt32 top, ASInt32 bottom, ASInt32 left, ASInt32 right, const double area[4],
                                    ASUInt32* pixels);
    static ASErr TimedJobLoaded();
    static HLKilnResultHandle TimedRunGeneration();

    HLKilnSuite m_kiln{};  // the engine's own tables
    HLKilnODLSuite m_odl{};
    HLKilnSuite m_timedKiln{};  // what the host hands out
    HLKilnODLSuite m_timedOdl{};
    Elapsed m_spent;
    int m_renderCalls = 0;
};
