#include "sim/host/FlyoutMenuCenter.h"

#include <QFont>
#include <QMenu>

#include <algorithm>

namespace hostsim {

FlyoutMenu::Item* FlyoutMenu::Find(ASUInt32 id)
{
    const auto found = std::find_if(items.begin(), items.end(), [id](const Item& item) { return item.id == id; });
    return found != items.end() ? &*found : nullptr;
}

AIPanelFlyoutMenuRef FlyoutMenuCenter::Create()
{
    return m_menus.Emplace();
}

bool FlyoutMenuCenter::Destroy(AIPanelFlyoutMenuRef menu)
{
    return m_menus.Remove(menu);
}

std::unique_ptr<QMenu> FlyoutMenuCenter::BuildMenu(const FlyoutMenu& menu, QWidget* parent)
{
    auto shown = std::make_unique<QMenu>(parent);
    QFont font = shown->font();
    font.setPixelSize(kPanelFontPixels);
    shown->setFont(font);
    for (const FlyoutMenu::Item& item : menu.items) {
        QAction* action = shown->addAction(QString::fromStdU16String(item.text));
        action->setData(item.id);
        action->setCheckable(item.mark == kAIPanelFlyoutMenuItemMarkCheck);
        action->setChecked(item.mark == kAIPanelFlyoutMenuItemMarkCheck);
        action->setEnabled(item.enabled);
    }
    return shown;
}

}  // namespace hostsim
