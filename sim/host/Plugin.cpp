#include "sim/host/Plugin.h"

#include <dlfcn.h>

#include <utility>

SPPlugin::SPPlugin(std::string path_, void* library_, PluginMainProc entry_)
    : path(std::move(path_)), library(library_), entry(entry_)
{
}

SPPlugin::~SPPlugin()
{
    dlclose(library);
}
