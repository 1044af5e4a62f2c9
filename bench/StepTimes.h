#pragma once

#include "bench/PeakMemory.h"
#include "bench/Stopwatch.h"

#include <functional>
#include <string>
#include <vector>

class BenchHost;

namespace benchmark {
class State;
}  // namespace benchmark

// A benchmark of one host script line, a step a person takes, timed with what the engine and the
// host's document view spent inside it and, in the same iterations, a baseline: the line "echo",
// which does nothing but catch the window up.
class StepTimes
{
public:
    explicit StepTimes(BenchHost& host);

    // Runs `prepare` and `line` `warmUpSteps` times untimed, then once per iteration of `state`
    // with only the line timed; a failing line skips the benchmark with its problem. Sets the
    // counters: median_ms, worst_ms, cpu_median_ms, cpu_worst_ms, echo_ms (the baseline's
    // median), engine_share, host_share and plugin_share (the rest) of the steps' CPU time,
    // renders and host_paints per step, and peak_MiB, the largest rise of the resident memory
    // during a step.
    void Measure(benchmark::State& state, const std::function<void()>& prepare, const std::string& line,
                 int warmUpSteps = 5);

private:
    void Take(const std::string& line);
    void Report(benchmark::State& state) const;

    BenchHost& m_host;
    std::vector<Elapsed> m_steps;
    std::vector<double> m_baselines;  // wall
    Elapsed m_total;
    Elapsed m_engine;
    Elapsed m_hostView;
    int m_renders = 0;
    int m_hostPaints = 0;
    double m_peakMiB = 0.0;
};
