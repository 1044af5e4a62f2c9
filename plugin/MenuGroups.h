#pragma once

#include "plugin/suites/SPTypes.h"

class TKW_AIPlugin;

// The host menu group identifier for a display text: the fixed names of the system's groups
// ("Hueline" -> "HLWindowsMenuGroup", ...); any other text is its own identifier.
const char* MenuGroupNameFor(const char* displayText);

// Makes the group MenuGroupNameFor(displayText) as the submenu of a new item (key displayText +
// "_HL", translated text) in the group of `parentText`, or in the host's "Tool Palettes" group
// when `parentText` is null. Does nothing when the host already has the group. The new item's
// handle goes to `item` when given. Returns the first host error.
ASErr CreateMenuGroup(TKW_AIPlugin* plugin, const char* displayText, const char* parentText, ASInt32 option,
                      AIMenuItemHandle* item = nullptr);

// Adds a host menu item for the plug-in: key `keyText` + "_HL", in `group`, showing
// `visibleText` (UTF-8). Registers "AI Menu Suite" first. Returns the host's error; the handle
// stays null on failure.
ASErr AddHostMenuItem(TKW_AIPlugin* plugin, const char* keyText, const char* group, const char* visibleText,
                      ASInt32 options, AIMenuItemHandle* item);
