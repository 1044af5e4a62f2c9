#pragma once

#include "plugin/suites/SPTypes.h"

#include <memory>
#include <string>
#include <vector>

struct AIMenuItemOpaque;

// A menu group as the host keeps it; host groups have no parent item.
struct AIMenuGroupOpaque
{
    std::string name;
    AIMenuItemOpaque* parentItem = nullptr;  // the item that opens it as a submenu
    ASInt32 options = 0;
};

// A menu item as the host keeps it; its address is the handle the plug-in sees.
struct AIMenuItemOpaque
{
    SPPluginRef owner;
    std::string key;
    std::string group;
    std::string text;        // visible text, UTF-8
    ASInt32 options = 0;
    bool enabled = true;
    bool checked = false;
};

namespace hostsim {

// The host's menu groups and items. Removing an item also removes the groups it opens and
// their items.
class MenuModel
{
public:
    MenuModel();

    AIMenuItemHandle AddItem(SPPluginRef owner, const std::string& key, const std::string& group,
                             const std::string& text, ASInt32 options);
    AIMenuItemOpaque* FindItem(AIMenuItemHandle item) const;
    bool RemoveItem(AIMenuItemHandle item);

    AIMenuGroup AddSubMenuGroup(const std::string& name, ASInt32 options, AIMenuItemHandle item);
    AIMenuGroupOpaque* FindGroup(AIMenuGroup group) const;
    bool HasGroup(const std::string& name) const;
    int GroupCount() const { return static_cast<int>(m_groups.size()); }
    AIMenuGroup GroupAt(int index) const;

    // The item reached from a host group by visible texts, e.g. {"Hueline", "Viewer", "Generate"}.
    AIMenuItemOpaque* ItemAtPath(const std::string& hostGroup, const std::vector<std::string>& texts) const;
    // Items of a group in the order they were added.
    std::vector<AIMenuItemOpaque*> ItemsOf(const std::string& group) const;
    // The group an item opens, if any.
    AIMenuGroupOpaque* SubMenuOf(const AIMenuItemOpaque* item) const;
    // An indented listing of a host group and every submenu below it.
    std::string Tree(const std::string& hostGroup) const;

private:
    void TreeOf(const std::string& group, int depth, std::string& out) const;

    std::vector<std::unique_ptr<AIMenuItemOpaque>> m_items;
    std::vector<std::unique_ptr<AIMenuGroupOpaque>> m_groups;
};

}  // namespace hostsim
