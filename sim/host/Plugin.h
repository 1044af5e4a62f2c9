#pragma once

#include "plugin/suites/SPMessages.h"

#include <string>

// A plug-in file loaded by the host; its address is the plug-in reference the plug-in sees.
struct SPPlugin
{
    SPPlugin(std::string path, void* library, PluginMainProc entry);
    ~SPPlugin();
    SPPlugin(const SPPlugin&) = delete;
    SPPlugin& operator=(const SPPlugin&) = delete;

    const std::string path;
    void* const library;        // unloaded with the record
    const PluginMainProc entry;
    std::string displayName;    // as the plug-in gave it
    bool started = false;       // answered "Startup" with 0
    SPErr startupResult = kNoErr;
};
