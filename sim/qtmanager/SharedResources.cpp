#include "RVADMQtManager.h"

#include <map>

namespace RVADMQtManager::SharedResources {
namespace {

struct PanelIcon
{
    int light;
    int dark;
};

std::map<const void*, PanelIcon>& PanelIcons()
{
    static std::map<const void*, PanelIcon> icons;
    return icons;
}

} // namespace

void RegisterPanelIcon(const void* panel, int lightIconId, int darkIconId)
{
    if (panel != nullptr)
        PanelIcons()[panel] = {lightIconId, darkIconId};
}

void UnregisterPanelIcon(const void* panel)
{
    PanelIcons().erase(panel);
}

int GetPanelIcon(const void* panel)
{
    const auto& icons = PanelIcons();
    const auto found = icons.find(panel);
    if (found == icons.end())
        return 0;
    return QtManager::IsInDarkMode(nullptr) ? found->second.dark : found->second.light;
}

} // namespace RVADMQtManager::SharedResources
