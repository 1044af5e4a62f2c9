#include "sim/host/FlyoutMenuCenter.h"

#include "sim/host/OwnedList.h"

#include <QFont>
#include <QMenu>

#include <algorithm>

AIPanelFlyoutMenuOpaque::Item* AIPanelFlyoutMenuOpaque::Find(ASUInt32 id)
{
    const auto found = std::find_if(items.begin(), items.end(), [id](const Item& item) { return item.id == id; });
    return found != items.end() ? &*found : nullptr;
}

namespace hostsim {

AIPanelFlyoutMenuRef FlyoutMenuCenter::Create()
{
    m_menus.push_back(std::make_unique<AIPanelFlyoutMenuOpaque>());
    return m_menus.back().get();
}

bool FlyoutMenuCenter::Destroy(AIPanelFlyoutMenuRef menu)
{
    const auto found = PositionOf(m_menus, menu);
    if (found == m_menus.end())
        return false;
    m_menus.erase(found);
    return true;
}

AIPanelFlyoutMenuOpaque* FlyoutMenuCenter::Find(AIPanelFlyoutMenuRef menu) const
{
    return FindOwned(m_menus, menu);
}

std::unique_ptr<QMenu> FlyoutMenuCenter::BuildMenu(const AIPanelFlyoutMenuOpaque& menu, QWidget* parent)
{
    auto shown = std::make_unique<QMenu>(parent);
    QFont font = shown->font();
    font.setPixelSize(kPanelFontPixels);
    shown->setFont(font);
    for (const AIPanelFlyoutMenuOpaque::Item& item : menu.items) {
        QAction* action = shown->addAction(QString::fromStdU16String(item.text));
        action->setData(item.id);
        action->setCheckable(item.mark == kAIPanelFlyoutMenuItemMarkCheck);
        action->setChecked(item.mark == kAIPanelFlyoutMenuItemMarkCheck);
        action->setEnabled(item.enabled);
    }
    return shown;
}

}  // namespace hostsim
