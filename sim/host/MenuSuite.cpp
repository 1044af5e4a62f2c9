// "AI Menu Suite".

#include "plugin/suites/AIMenuSuite.h"
#include "sim/host/Host.h"
#include "sim/host/HostStrings.h"
#include "sim/host/HostSuites.h"
#include "support/Utf16Text.h"

namespace hostsim {
namespace {

MenuModel& Menus()
{
    return Host::Current().Menus();
}

AIErr AddMenuItem(SPPluginRef self, const char* key, const AIPlatformAddMenuItemDataUS* data, ASInt32 options,
                  AIMenuItemHandle* item)
{
    if (!self || !key || !data || !data->groupName || !data->itemText || !item)
        return BadParameterError();
    *item = Menus().AddItem(self, key, data->groupName, Utf16Text::ToUtf8(data->itemText->text), options);
    return kNoErr;
}

// Runs `change` on a known item; unknown handles are refused.
template <typename Change>
AIErr WithItem(AIMenuItemHandle handle, Change change)
{
    return WithKnown(Menus().FindItem(handle), change);
}

AIErr EnableItem(AIMenuItemHandle item)
{
    return WithItem(item, [](MenuItem& found) { found.enabled = true; });
}

AIErr DisableItem(AIMenuItemHandle item)
{
    return WithItem(item, [](MenuItem& found) { found.enabled = false; });
}

AIErr SetItemText(AIMenuItemHandle item, AIUnicodeStringHandle text)
{
    if (!text)
        return BadParameterError();
    return WithItem(item, [text](MenuItem& found) { found.text = Utf16Text::ToUtf8(text->text); });
}

AIErr CheckItem(AIMenuItemHandle item, AIBoolean checked)
{
    return WithItem(item, [checked](MenuItem& found) { found.checked = checked != 0; });
}

AIErr AddMenuGroupAsSubMenu(const char* name, ASInt32 options, AIMenuItemHandle item, AIMenuGroup* group)
{
    if (!name || !Menus().FindItem(item) || Menus().HasGroup(name) || Menus().SubMenuOf(item))
        return BadParameterError();
    const AIMenuGroup added = Menus().AddSubMenuGroup(name, options, item);
    if (group)
        *group = added;
    return kNoErr;
}

AIErr GetMenuGroupName(AIMenuGroup group, const char** name)
{
    const MenuGroup* found = Menus().FindGroup(group);
    if (!found || !name)
        return BadParameterError();
    *name = found->name.c_str();
    return kNoErr;
}

AIErr CountMenuGroups(ASInt32* count)
{
    if (!count)
        return BadParameterError();
    *count = Menus().GroupCount();
    return kNoErr;
}

AIErr GetNthMenuGroup(ASInt32 n, AIMenuGroup* group)
{
    if (!group || !(*group = Menus().GroupAt(n)))
        return BadParameterError();
    return kNoErr;
}

AIErr RemoveMenuItem(AIMenuItemHandle item)
{
    return Menus().RemoveItem(item) ? kNoErr : BadParameterError();
}

const AIMenuSuite kMenu = {AddMenuItem, {}, EnableItem, DisableItem, {}, SetItemText, {}, CheckItem, {},
                           AddMenuGroupAsSubMenu, GetMenuGroupName, {}, CountMenuGroups, GetNthMenuGroup, {},
                           RemoveMenuItem};

}  // namespace

void RegisterMenuSuite(SuiteRegistry& suites)
{
    suites.Add(kMenu);
}

}  // namespace hostsim
