// hueline-host: the simulated host application. For now it runs without a window: it loads the
// plug-ins of a folder, runs the real host's start-up sequence, prints what the plug-ins
// registered, and shuts down.

#include "plugin/suites/AIFoldersSuite.h"
#include "sim/host/Host.h"

#include <cstring>
#include <filesystem>
#include <iostream>

namespace {

int Usage()
{
    std::cerr << "usage: hueline-host --plugins FOLDER\n";
    return 2;
}

}  // namespace

int main(int argc, char** argv)
{
    if (argc != 3 || std::strcmp(argv[1], "--plugins") != 0)
        return Usage();
    const std::filesystem::path plugins = std::filesystem::absolute(argv[2]);

    hostsim::Host host;
    host.SetFolder(kAIApplicationFolderType, plugins.parent_path().string() + "/");
    host.SetFolder(kAIPluginResourcesFolderType, (plugins.parent_path() / "plugin-resources").string() + "/");
    for (const std::string& refusal : host.LoadPluginFolder(plugins.string()))
        std::cerr << "refused " << refusal << "\n";

    host.Startup();
    for (SPPlugin* plugin : host.Plugins())
        std::cout << "Plug-in " << std::filesystem::path(plugin->path).filename().string() << " \""
                  << plugin->displayName << "\": start-up result " << plugin->startupResult << "\n";
    std::cout << host.Describe();
    host.Shutdown();
    return 0;
}
