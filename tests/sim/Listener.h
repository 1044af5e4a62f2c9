#pragma once

// A plug-in living in the test program: the simulated host delivers the notification types it
// is registered for as to a loaded plug-in file, synchronously, and it hands each one to the
// callback of the one Listener alive.

#include "plugin/suites/SPMessages.h"
#include "sim/host/Host.h"

#include <dlfcn.h>

#include <cstring>
#include <functional>
#include <vector>

class Listener
{
public:
    using Heard = std::function<void(const char* type, void* data)>;

    Listener(hostsim::Host& host, const std::vector<const char*>& types, Heard heard)
    {
        Current() = std::move(heard);
        for (const char* type : types)
            host.Notifiers().Add(&Plugin(), "listener", type);
    }
    ~Listener() { Current() = nullptr; }
    Listener(const Listener&) = delete;
    Listener& operator=(const Listener&) = delete;

private:
    static Heard& Current()
    {
        static Heard heard;
        return heard;
    }

    static SPErr Main(const char* caller, const char*, void* message)
    {
        if (std::strcmp(caller, kCallerAINotifier) == 0 && Current()) {
            auto* notification = static_cast<AINotifierMessage*>(message);
            Current()(notification->type, notification->notifyData);
        }
        return kNoErr;
    }

    // Outlives every host.
    static SPPlugin& Plugin()
    {
        static SPPlugin plugin("listener", dlopen(nullptr, RTLD_NOW), &Main);
        plugin.started = true;
        return plugin;
    }
};
