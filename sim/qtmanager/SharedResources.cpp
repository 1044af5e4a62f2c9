#include "RVADMQtManager.h"

#include <QFile>

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

QByteArray GetBuiltinResource(int id, bool dark, double scale)
{
    // Built-in icons are stored under their theme and density variant: light + 1000, dark + 2000,
    // double density + 4000 on top.
    const bool builtin = (id >= 16000 && id <= 16099) || (id >= 16800 && id <= 16899);
    if (!builtin || !(scale == 1.0 || scale == 2.0))
        return {};
    const int variant = id + (dark ? 2000 : 1000) + (scale == 2.0 ? 4000 : 0);
    QFile file(QStringLiteral(":/rvadm/builtin/%1").arg(variant));
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

} // namespace RVADMQtManager::SharedResources
