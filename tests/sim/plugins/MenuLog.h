#pragma once

// Test plug-ins written directly against the suites log what they receive into the visible text
// of one menu item of theirs, where a test reads it through the host.

#include "plugin/suites/SPBasicSuite.h"
#include "plugin/suites/SPTypes.h"

#include <string>

template <typename Suite>
const Suite* Acquire(const SPBasicSuite* basic)
{
    const void* suite = nullptr;
    return basic->AcquireSuite(Suite::kName, Suite::kVersion, &suite) == kNoErr ? static_cast<const Suite*>(suite) : nullptr;
}

template <typename Suite>
void Release(const SPBasicSuite* basic)
{
    basic->ReleaseSuite(Suite::kName, Suite::kVersion);
}

class MenuLog
{
public:
    // Adds the item that shows the log to the host's "Tool Palettes" group.
    void Start(SPPluginRef self, const SPBasicSuite* basic, const char* key);
    // Appends `entry`, "|"-separated, and shows the whole log.
    void Append(const std::string& entry, const SPBasicSuite* basic);

private:
    void Show(const SPBasicSuite* basic);

    std::string m_text;
    AIMenuItemHandle m_item = nullptr;
};
