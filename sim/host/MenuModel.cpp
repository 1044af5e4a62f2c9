#include "sim/host/MenuModel.h"

#include "plugin/suites/AIMenuSuite.h"

#include <algorithm>

namespace hostsim {

MenuModel::MenuModel()
{
    m_groups.Add(std::make_unique<MenuGroup>(MenuGroup{kToolPalettesMenuGroup}));
}

AIMenuItemHandle MenuModel::AddItem(SPPluginRef owner, const std::string& key, const std::string& group,
                                    const std::string& text, ASInt32 options)
{
    return m_items.Add(std::make_unique<MenuItem>(MenuItem{owner, key, group, text, options}));
}

bool MenuModel::RemoveItem(AIMenuItemHandle item)
{
    if (!FindItem(item))
        return false;
    for (const AIMenuGroup group : m_groups.Handles()) {
        const MenuGroup* submenu = m_groups.Find(group);
        if (!submenu || submenu->parentItem != item)
            continue;
        for (const AIMenuItemHandle child : ItemsOf(submenu->name))
            RemoveItem(child);
        m_groups.Remove(group);
    }
    m_items.Remove(item);
    return true;
}

void MenuModel::RemoveItemsOf(SPPluginRef owner)
{
    for (const AIMenuItemHandle item : m_items.Handles())
        if (const MenuItem* found = FindItem(item); found && found->owner == owner)
            RemoveItem(item);
}

AIMenuGroup MenuModel::AddSubMenuGroup(const std::string& name, ASInt32 options, AIMenuItemHandle item)
{
    return m_groups.Add(std::make_unique<MenuGroup>(MenuGroup{name, item, options}));
}

bool MenuModel::HasGroup(const std::string& name) const
{
    const std::vector<MenuGroup*> groups = m_groups.Records();
    return std::any_of(groups.begin(), groups.end(), [&name](const MenuGroup* group) { return group->name == name; });
}

AIMenuGroup MenuModel::GroupAt(int index) const
{
    return index >= 0 && index < GroupCount() ? m_groups.Handles()[static_cast<std::size_t>(index)] : nullptr;
}

std::vector<AIMenuItemHandle> MenuModel::ItemsOf(const std::string& group) const
{
    std::vector<AIMenuItemHandle> items;
    for (const AIMenuItemHandle item : m_items.Handles())
        if (m_items.Find(item)->group == group)
            items.push_back(item);
    return items;
}

MenuGroup* MenuModel::SubMenuOf(AIMenuItemHandle item) const
{
    for (MenuGroup* group : m_groups.Records())
        if (group->parentItem == item)
            return group;
    return nullptr;
}

AIMenuItemHandle MenuModel::ItemAtPath(const std::string& hostGroup, const std::vector<std::string>& texts) const
{
    std::string group = hostGroup;
    AIMenuItemHandle found = nullptr;
    for (const std::string& text : texts) {
        const std::vector<AIMenuItemHandle> items = ItemsOf(group);
        const auto match = std::find_if(items.begin(), items.end(),
                                        [this, &text](AIMenuItemHandle item) { return FindItem(item)->text == text; });
        if (match == items.end())
            return nullptr;
        found = *match;
        const MenuGroup* submenu = SubMenuOf(found);
        group = submenu ? submenu->name : std::string();
    }
    return found;
}

std::string MenuModel::Tree(const std::string& hostGroup) const
{
    std::string out = hostGroup + "\n";
    TreeOf(hostGroup, 1, out);
    return out;
}

void MenuModel::TreeOf(const std::string& group, int depth, std::string& out) const
{
    for (const AIMenuItemHandle handle : ItemsOf(group)) {
        const MenuItem& item = *FindItem(handle);
        out += std::string(static_cast<std::size_t>(depth) * 2, ' ') + item.text;
        out += " [" + item.key + (item.enabled ? "" : ", disabled") + (item.checked ? ", checked" : "") + "]\n";
        if (const MenuGroup* submenu = SubMenuOf(handle))
            TreeOf(submenu->name, depth + 1, out);
    }
}

}  // namespace hostsim
