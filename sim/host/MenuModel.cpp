#include "sim/host/MenuModel.h"

#include "plugin/suites/AIMenuSuite.h"
#include "sim/host/OwnedList.h"

#include <algorithm>

namespace hostsim {

MenuModel::MenuModel()
{
    m_groups.push_back(std::make_unique<AIMenuGroupOpaque>(AIMenuGroupOpaque{kToolPalettesMenuGroup}));
}

AIMenuItemHandle MenuModel::AddItem(SPPluginRef owner, const std::string& key, const std::string& group,
                                    const std::string& text, ASInt32 options)
{
    m_items.push_back(std::make_unique<AIMenuItemOpaque>(AIMenuItemOpaque{owner, key, group, text, options}));
    return m_items.back().get();
}

AIMenuItemOpaque* MenuModel::FindItem(AIMenuItemHandle item) const
{
    return FindOwned(m_items, item);
}

bool MenuModel::RemoveItem(AIMenuItemHandle item)
{
    if (!FindItem(item))
        return false;
    while (AIMenuGroupOpaque* submenu = SubMenuOf(item)) {
        for (AIMenuItemOpaque* child : ItemsOf(submenu->name))
            RemoveItem(child);
        m_groups.erase(PositionOf(m_groups, submenu));
    }
    m_items.erase(PositionOf(m_items, item));
    return true;
}

AIMenuGroup MenuModel::AddSubMenuGroup(const std::string& name, ASInt32 options, AIMenuItemHandle item)
{
    m_groups.push_back(std::make_unique<AIMenuGroupOpaque>(AIMenuGroupOpaque{name, item, options}));
    return m_groups.back().get();
}

AIMenuGroupOpaque* MenuModel::FindGroup(AIMenuGroup group) const
{
    return FindOwned(m_groups, group);
}

bool MenuModel::HasGroup(const std::string& name) const
{
    return std::any_of(m_groups.begin(), m_groups.end(), [&name](const auto& group) { return group->name == name; });
}

AIMenuGroup MenuModel::GroupAt(int index) const
{
    return index >= 0 && index < GroupCount() ? m_groups[static_cast<std::size_t>(index)].get() : nullptr;
}

std::vector<AIMenuItemOpaque*> MenuModel::ItemsOf(const std::string& group) const
{
    std::vector<AIMenuItemOpaque*> items;
    for (const auto& item : m_items)
        if (item->group == group)
            items.push_back(item.get());
    return items;
}

AIMenuGroupOpaque* MenuModel::SubMenuOf(const AIMenuItemOpaque* item) const
{
    for (const auto& group : m_groups)
        if (group->parentItem == item)
            return group.get();
    return nullptr;
}

AIMenuItemOpaque* MenuModel::ItemAtPath(const std::string& hostGroup, const std::vector<std::string>& texts) const
{
    std::string group = hostGroup;
    AIMenuItemOpaque* found = nullptr;
    for (const std::string& text : texts) {
        const std::vector<AIMenuItemOpaque*> items = ItemsOf(group);
        const auto match = std::find_if(items.begin(), items.end(), [&text](auto* item) { return item->text == text; });
        if (match == items.end())
            return nullptr;
        found = *match;
        const AIMenuGroupOpaque* submenu = SubMenuOf(found);
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
    for (const AIMenuItemOpaque* item : ItemsOf(group)) {
        out += std::string(static_cast<std::size_t>(depth) * 2, ' ') + item->text;
        out += " [" + item->key + (item->enabled ? "" : ", disabled") + (item->checked ? ", checked" : "") + "]\n";
        if (const AIMenuGroupOpaque* submenu = SubMenuOf(item))
            TreeOf(submenu->name, depth + 1, out);
    }
}

}  // namespace hostsim
