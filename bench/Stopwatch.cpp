#include "bench/Stopwatch.h"

#include <chrono>
#include <ctime>

namespace {

Elapsed Now()
{
    timespec cpu{};
    clock_gettime(CLOCK_THREAD_CPUTIME_ID, &cpu);
    const std::chrono::duration<double, std::milli> wall = std::chrono::steady_clock::now().time_since_epoch();
    return Elapsed{wall.count(), cpu.tv_sec * 1e3 + cpu.tv_nsec / 1e6};
}

}  // namespace

Elapsed& Elapsed::operator+=(const Elapsed& other)
{
    wall += other.wall;
    cpu += other.cpu;
    return *this;
}

Elapsed Elapsed::operator-(const Elapsed& other) const
{
    return Elapsed{wall - other.wall, cpu - other.cpu};
}

Stopwatch::Stopwatch()
    : m_start(Now())
{
}

Elapsed Stopwatch::Read() const
{
    return Now() - m_start;
}
