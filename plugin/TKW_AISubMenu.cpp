#include "plugin/TKW_AISubMenu.h"

#include "plugin/MenuGroups.h"

TKW_AISubMenu::TKW_AISubMenu(TKW_AIPlugin* plugin, const char* parentText, const char* text, ASInt32 option)
    : TKW_AIMenu(plugin), m_displayName(text != nullptr ? text : "")
{
    if (CreateMenuGroup(plugin, m_displayName.c_str(), parentText, option, HandleSlot()) == kNoErr)
        m_groupName = MenuGroupNameFor(m_displayName.c_str());
}
