#include "bench/EngineTimer.h"

#include "sim/host/SuiteRegistry.h"

namespace {

EngineTimer* g_timer = nullptr;

}  // namespace

// Adds the time of one engine call to the timer.
class EngineTimer::Timing
{
public:
    Timing() = default;
    ~Timing() { g_timer->m_spent += m_watch.Read(); }
    Timing(const Timing&) = delete;
    Timing& operator=(const Timing&) = delete;

private:
    Stopwatch m_watch;
};

EngineTimer::EngineTimer(hostsim::SuiteRegistry& suites)
{
    g_timer = this;
    suites.Interpose(HLKilnSuite::kName, [this](const void* procs) {
        m_kiln = m_timedKiln = *static_cast<const HLKilnSuite*>(procs);
        m_timedKiln.RenderPreview = TimedRenderPreview;
        m_timedKiln.JobLoaded = TimedJobLoaded;
        return static_cast<const void*>(&m_timedKiln);
    });
    suites.Interpose(HLKilnODLSuite::kName, [this](const void* procs) {
        m_odl = m_timedOdl = *static_cast<const HLKilnODLSuite*>(procs);
        m_timedOdl.RunGeneration = TimedRunGeneration;
        return static_cast<const void*>(&m_timedOdl);
    });
}

EngineTimer::~EngineTimer()
{
    g_timer = nullptr;
}

void EngineTimer::Reset()
{
    m_spent = Elapsed{};
    m_renderCalls = 0;
}

ASErr EngineTimer::TimedRenderPreview(ASInt32 top, ASInt32 bottom, ASInt32 left, ASInt32 right, const double area[4],
                                      ASUInt32* pixels)
{
    ++g_timer->m_renderCalls;
    const Timing timing;
    return g_timer->m_kiln.RenderPreview(top, bottom, left, right, area, pixels);
}

ASErr EngineTimer::TimedJobLoaded()
{
    const Timing timing;
    return g_timer->m_kiln.JobLoaded();
}

HLKilnResultHandle EngineTimer::TimedRunGeneration()
{
    const Timing timing;
    return g_timer->m_odl.RunGeneration();
}
