#pragma once

#include "plugin/suites/SPMessages.h"
#include "plugin/suites/SPTypes.h"

#include <memory>

class TKW_AIPlugin;

#if defined(_WIN32)
#define HL_PLUGIN_EXPORT __declspec(dllexport)
#else
#define HL_PLUGIN_EXPORT __attribute__((visibility("default")))
#endif

// Provided by each plug-in file: constructs its plug-in object inside the "SP Interface"/"Startup"
// message, after the host checks have passed. A non-zero start-up error on the result refuses
// the start-up.
std::unique_ptr<TKW_AIPlugin> CreatePlugin(SPMessageData* message);

// The single entry point of the plug-in file, named in its property list. Every host message
// arrives here; the result goes back to the host (0 = success).
extern "C" HL_PLUGIN_EXPORT SPErr PluginMain(const char* caller, const char* selector, void* message);
