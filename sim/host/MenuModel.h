#pragma once

#include "plugin/suites/SPTypes.h"
#include "sim/common/HandleTable.h"

#include <string>
#include <vector>

namespace hostsim {

// A menu group as the host keeps it; host groups have no parent item.
struct MenuGroup
{
    std::string name;
    AIMenuItemHandle parentItem = nullptr;  // the item that opens it as a submenu
    ASInt32 options = 0;
};

// A menu item as the host keeps it.
struct MenuItem
{
    SPPluginRef owner;
    std::string key;
    std::string group;
    std::string text;        // visible text, UTF-8
    ASInt32 options = 0;
    bool enabled = true;
    bool checked = false;
};

// The host's menu groups and items. Removing an item also removes the groups it opens and
// their items.
class MenuModel
{
public:
    MenuModel();

    AIMenuItemHandle AddItem(SPPluginRef owner, const std::string& key, const std::string& group,
                             const std::string& text, ASInt32 options);
    MenuItem* FindItem(AIMenuItemHandle item) const { return m_items.Find(item); }
    bool RemoveItem(AIMenuItemHandle item);
    // Removes the plug-in's items, with the groups they open.
    void RemoveItemsOf(SPPluginRef owner);

    AIMenuGroup AddSubMenuGroup(const std::string& name, ASInt32 options, AIMenuItemHandle item);
    MenuGroup* FindGroup(AIMenuGroup group) const { return m_groups.Find(group); }
    bool HasGroup(const std::string& name) const;
    int GroupCount() const { return static_cast<int>(m_groups.Size()); }
    AIMenuGroup GroupAt(int index) const;

    // The item reached from a host group by visible texts, e.g. {"Hueline", "Viewer", "Generate"}.
    AIMenuItemHandle ItemAtPath(const std::string& hostGroup, const std::vector<std::string>& texts) const;
    // Items of a group in the order they were added.
    std::vector<AIMenuItemHandle> ItemsOf(const std::string& group) const;
    // The group an item opens, if any.
    MenuGroup* SubMenuOf(AIMenuItemHandle item) const;
    // An indented listing of a host group and every submenu below it.
    std::string Tree(const std::string& hostGroup) const;

private:
    void TreeOf(const std::string& group, int depth, std::string& out) const;

    sim::HandleTable<AIMenuItemHandle, MenuItem> m_items;
    sim::HandleTable<AIMenuGroup, MenuGroup> m_groups;
};

}  // namespace hostsim
