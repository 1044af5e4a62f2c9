#pragma once

#include "plugin/TKW_AIMenu.h"

#include <string>

// The menu item that opens a submenu: creates the item under `parentText`'s group and makes the
// group MenuGroupNameFor(text) its submenu. When that group already existed, nothing is added
// and the handle stays null.
class TKW_AISubMenu : public TKW_AIMenu
{
public:
    // `parentText` null puts the item in the host's "Tool Palettes" group.
    TKW_AISubMenu(TKW_AIPlugin* plugin, const char* parentText, const char* text, ASInt32 option);

    // Empty when the group could not be created.
    const std::string& GetGroupName() const { return m_groupName; }
    const std::string& GetDisplayName() const { return m_displayName; }

private:
    std::string m_groupName;
    std::string m_displayName;
};
