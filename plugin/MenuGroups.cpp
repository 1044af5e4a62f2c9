#include "plugin/MenuGroups.h"

#include "plugin/AIError.h"
#include "plugin/AIUnicodeString.h"
#include "plugin/HostSuites.h"
#include "plugin/TKW_AIPlugin.h"
#include "plugin/suites/AIMenuSuite.h"
#include "support/Localization.h"

#include <cstring>
#include <string>

namespace {

struct MenuGroupRow
{
    const char* displayText;
    const char* groupName;
};

// Trailing blanks let items with the same visible text live in different host menus.
constexpr MenuGroupRow kMenuGroups[] = {
    {"Hueline", "HLWindowsMenuGroup"},
    {"Hueline ", "HLPreferencesMenuGroup"},
    {"Hueline  ", "HLHelpMenuGroup"},
    {"Hueline Help", "HLPluginHelpMenuGroup"},
    {"Color Book", "HLColorBookMenuGroup"},
    {"Viewer", "HLViewerMenuGroup"},
};

bool HostHasMenuGroup(const AIMenuSuite& suite, const char* groupName)
{
    ASInt32 count = 0;
    if (suite.CountMenuGroups(&count) != kNoErr)
        return false;
    for (ASInt32 i = 0; i < count; ++i) {
        AIMenuGroup group = nullptr;
        const char* name = nullptr;
        if (suite.GetNthMenuGroup(i, &group) == kNoErr && suite.GetMenuGroupName(group, &name) == kNoErr &&
            name != nullptr && std::strcmp(name, groupName) == 0)
            return true;
    }
    return false;
}

}  // namespace

const char* MenuGroupNameFor(const char* displayText)
{
    if (displayText == nullptr)
        return "";
    for (const MenuGroupRow& row : kMenuGroups) {
        if (std::strcmp(row.displayText, displayText) == 0)
            return row.groupName;
    }
    return displayText;
}

ASErr AddHostMenuItem(TKW_AIPlugin* plugin, const char* keyText, const char* group, const char* visibleText,
                      ASInt32 options, AIMenuItemHandle* item)
{
    *item = nullptr;
    const ASErr added = plugin->AddSuite(AIMenuSuite::kName);
    const AIMenuSuite* suite = HostSuite<AIMenuSuite>();
    if (suite == nullptr)
        return added != kNoErr ? added : kSuiteNotFoundErr;
    try {
        const std::string key = std::string(keyText) + "_HL";
        const ai::UnicodeString text(visibleText);
        const AIPlatformAddMenuItemDataUS data{group, text.Handle()};
        const ASErr error = suite->AddMenuItem(plugin->GetPluginRef(), key.c_str(), &data, options, item);
        if (error != kNoErr)
            *item = nullptr;
        return error;
    } catch (const ai::Error& error) {
        return error.Code();
    }
}

ASErr CreateMenuGroup(TKW_AIPlugin* plugin, const char* displayText, const char* parentText, ASInt32 option,
                      AIMenuItemHandle* item)
{
    const char* groupName = MenuGroupNameFor(displayText);
    plugin->AddSuite(AIMenuSuite::kName);
    const AIMenuSuite* suite = HostSuite<AIMenuSuite>();
    if (suite == nullptr)
        return kSuiteNotFoundErr;
    if (HostHasMenuGroup(*suite, groupName))
        return kNoErr;

    AIMenuItemHandle newItem = nullptr;
    const char* parentGroup = parentText != nullptr ? MenuGroupNameFor(parentText) : kToolPalettesMenuGroup;
    ASErr error = AddHostMenuItem(plugin, displayText, parentGroup, LocalizeKey(displayText), 0, &newItem);
    if (item != nullptr)
        *item = newItem;
    if (error != kNoErr)
        return error;
    AIMenuGroup group = nullptr;
    return suite->AddMenuGroupAsSubMenu(groupName, option, newItem, &group);
}
