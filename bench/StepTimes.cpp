#include "bench/StepTimes.h"

#include "bench/BenchApplication.h"
#include "bench/BenchHost.h"

#include <benchmark/benchmark.h>

#include <algorithm>
#include <exception>

namespace {

// Sorts `values`; their median and their largest.
std::pair<double, double> MedianAndWorst(std::vector<double> values)
{
    std::sort(values.begin(), values.end());
    return {values[values.size() / 2], values.back()};
}

}  // namespace

StepTimes::StepTimes(BenchHost& host)
    : m_host(host)
{
}

// Untimed steps first, so that caches and the allocator settle on what the step needs.
void StepTimes::Measure(benchmark::State& state, const std::function<void()>& prepare, const std::string& line,
                        int warmUpSteps)
{
    try {
        for (int step = 0; step < warmUpSteps; ++step) {
            prepare();
            m_host.Run(line);
        }
        for (auto _ : state) {
            prepare();
            Take(line);
            state.SetIterationTime(m_steps.back().wall / 1e3);
        }
    } catch (const std::exception& failure) {
        state.SkipWithError(failure.what());
        return;
    }
    Report(state);
}

void StepTimes::Take(const std::string& line)
{
    const Stopwatch baseline;
    m_host.Run("echo");
    m_baselines.push_back(baseline.Read().wall);
    m_host.Application().Reset();
    m_host.Engine().Reset();
    PeakMemory memory;
    memory.Start();
    const Stopwatch watch;
    m_host.Run(line);
    m_steps.push_back(watch.Read());
    m_peakMiB = std::max(m_peakMiB, memory.RiseMiB());
    m_total += m_steps.back();
    m_engine += m_host.Engine().Spent();
    m_hostView += m_host.Application().Painting();
    m_renders += m_host.Engine().RenderCalls();
    m_hostPaints += m_host.Application().Paints();
}

void StepTimes::Report(benchmark::State& state) const
{
    std::vector<double> wall;
    std::vector<double> cpu;
    for (const Elapsed& step : m_steps) {
        wall.push_back(step.wall);
        cpu.push_back(step.cpu);
    }
    const auto [wallMedian, wallWorst] = MedianAndWorst(wall);
    const auto [cpuMedian, cpuWorst] = MedianAndWorst(cpu);
    const double steps = static_cast<double>(m_steps.size());
    state.counters["median_ms"] = wallMedian;
    state.counters["worst_ms"] = wallWorst;
    state.counters["cpu_median_ms"] = cpuMedian;
    state.counters["cpu_worst_ms"] = cpuWorst;
    state.counters["echo_ms"] = MedianAndWorst(m_baselines).first;
    state.counters["engine_share"] = m_engine.cpu / m_total.cpu;
    state.counters["host_share"] = m_hostView.cpu / m_total.cpu;
    state.counters["plugin_share"] = 1.0 - (m_engine.cpu + m_hostView.cpu) / m_total.cpu;
    state.counters["renders"] = m_renders / steps;
    state.counters["host_paints"] = m_hostPaints / steps;
    state.counters["peak_MiB"] = m_peakMiB;
}
