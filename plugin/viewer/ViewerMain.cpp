// Viewer.aip: the plug-in file of the viewer.

#include "plugin/PluginMain.h"
#include "plugin/viewer/OspryPlugin.h"

std::unique_ptr<TKW_AIPlugin> CreatePlugin(SPMessageData* message)
{
    return std::make_unique<OspryPlugin>(message);
}
