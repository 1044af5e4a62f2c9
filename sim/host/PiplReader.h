#pragma once

#include <optional>
#include <string>

namespace hostsim {

// What the host needs from a plug-in file's property list.
struct PluginProperties
{
    std::string kind;        // "SPEA" for an Illustrator plug-in
    int interfaceVersion = 0;
    std::string entryPoint;  // the exported function to call
};

// Reads the property list from a plug-in file without loading its code. Returns nothing and
// explains why in `error` when the file is not a plug-in the host can load.
std::optional<PluginProperties> ReadPluginProperties(const std::string& path, std::string& error);

}  // namespace hostsim
