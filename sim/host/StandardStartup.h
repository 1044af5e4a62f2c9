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
    Corrupt,   // loaded, but the host finds neither "HL Kiln Suite" nor "HL KilnODL Suite": a damaged
               // install whose preference store and message centre still work
    Absent,    // not loaded
};

// The engine's plug-in file in the plug-in folder.
constexpr const char* kEnginePluginFile = "KilnKernel.aip";
// The build stages the plug-ins' resources in this folder beside the plug-in folder.
constexpr const char* kResourceFolderName = "plugin-resources";

// "<parent of pluginFolder>/plugin-resources/": the host's plug-in resource folder in a build.
std::string ResourceFolderBeside(const std::string& pluginFolder);

// Loads every plug-in file of `folder` (the engine's only when it attends), sends the start-up
// sequence and, between its two halves, sets the engine's readiness through its control suite.
// A corrupt engine's two kernel suites answer "not found" from before the first plug-in starts.
// A host without a plug-in resource folder gets ResourceFolderBeside(folder).
// Returns what went wrong, one line each: refused files, and an engine that cannot be told.
std::vector<std::string> StartStandardPlugins(Host& host, const std::string& folder, EngineAttendance engine);

// The engine's record of the calls it received, one line each, oldest first; empty when the
// engine is not running.
std::vector<std::string> EngineCalls(Host& host);
void ClearEngineCalls(Host& host);

}  // namespace hostsim
