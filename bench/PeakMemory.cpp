#include "bench/PeakMemory.h"

#include <fstream>
#include <string>

namespace {

// The line "<field>: <n> kB" of /proc/self/status, in KiB; 0 without it.
double StatusKiB(const std::string& field)
{
    std::ifstream status("/proc/self/status");
    std::string line;
    while (std::getline(status, line))
        if (line.compare(0, field.size() + 1, field + ":") == 0)
            return std::stod(line.substr(field.size() + 1));
    return 0.0;
}

}  // namespace

void PeakMemory::Start()
{
    // "5" resets the high-water mark to the present resident set.
    std::ofstream("/proc/self/clear_refs") << "5";
    m_startKiB = StatusKiB("VmRSS");
}

double PeakMemory::RiseMiB() const
{
    return (StatusKiB("VmHWM") - m_startKiB) / 1024.0;
}
