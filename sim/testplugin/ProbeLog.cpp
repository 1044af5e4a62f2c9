#include "sim/testplugin/ProbeLog.h"

namespace {
std::string g_log;
}  // namespace

void ProbeLog(const std::string& entry)
{
    if (!g_log.empty())
        g_log += ", ";
    g_log += entry;
}

const char* ProbeLogText()
{
    return g_log.c_str();
}

void ClearProbeLog()
{
    g_log.clear();
}
