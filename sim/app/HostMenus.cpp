#include "sim/app/HostMenus.h"

#include "plugin/suites/AIMenuSuite.h"
#include "sim/host/Host.h"

#include <QMenu>

namespace hostapp {
namespace {

// Menu texts treat "&" as a mnemonic marker; a host text shows it as it is.
QString MenuText(const std::string& text)
{
    return QString::fromStdString(text).replace(QLatin1Char('&'), QLatin1String("&&"));
}

}  // namespace

HostMenus::HostMenus(hostsim::Host& host)
    : m_host(host)
{
}

void HostMenus::Attach(QMenu& menu, const std::string& group)
{
    QObject::connect(&menu, &QMenu::aboutToShow, &menu, [this, &menu, group] { Rebuild(menu, group); });
}

void HostMenus::Rebuild(QMenu& menu, const std::string& group)
{
    hostsim::MenuModel& model = m_host.Menus();
    for (const AIMenuItemHandle item : model.ItemsOf(group)) {
        const hostsim::MenuItem* found = model.FindItem(item);  // an update may remove items
        if (found && found->options & kMenuItemWantsUpdateOption)
            m_host.UpdateMenuItem(item);
    }

    menu.clear();
    for (QMenu* old : menu.findChildren<QMenu*>(QString(), Qt::FindDirectChildrenOnly))
        old->deleteLater();
    for (const AIMenuItemHandle handle : model.ItemsOf(group)) {
        const hostsim::MenuItem* item = model.FindItem(handle);
        QAction* action = nullptr;
        if (const hostsim::MenuGroup* submenu = model.SubMenuOf(handle)) {
            QMenu* child = menu.addMenu(MenuText(item->text));
            Attach(*child, submenu->name);
            action = child->menuAction();
        } else {
            action = menu.addAction(MenuText(item->text));
            QObject::connect(action, &QAction::triggered, &menu, [this, handle] {
                m_host.ChooseMenuItem(handle);
            });
        }
        action->setObjectName(QString::fromStdString(item->key));
        action->setEnabled(item->enabled);
        action->setCheckable(item->checked);
        action->setChecked(item->checked);
    }
}

}  // namespace hostapp
