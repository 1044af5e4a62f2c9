#pragma once

// Wall time and this thread's CPU time (user and system, page faults included), in milliseconds.
// The machine the benchmarks run on is shared, so CPU time is the figure other programs disturb
// least; wall time is what a person waits.
struct Elapsed
{
    double wall = 0.0;
    double cpu = 0.0;

    Elapsed& operator+=(const Elapsed& other);
    Elapsed operator-(const Elapsed& other) const;
};

// Started when made; Read() gives the time since.
class Stopwatch
{
public:
    Stopwatch();

    Elapsed Read() const;

private:
    Elapsed m_start;
};
