#pragma once

#include <string>
#include <vector>

namespace hostsim {

class Host;

// How the engine plug-in takes part in a start-up of the standard plug-ins.
enum class EngineAttendance
{
    Ready,     // loaded, answers IsEngineReady with 1
    NotReady,  // loaded, answers IsEngineReady with 0
    Absent,    // not loaded
};

// The engine's plug-in file in the plug-in folder.
constexpr const char* kEnginePluginFile = "KilnKernel.aip";

// Loads every plug-in file of `folder` (the engine's only when it attends), sends the start-up
// sequence and, between its two halves, sets the engine's readiness through its control suite.
// Returns what went wrong, one line each: refused files, and an engine that cannot be told.
std::vector<std::string> StartStandardPlugins(Host& host, const std::string& folder, EngineAttendance engine);

}  // namespace hostsim
