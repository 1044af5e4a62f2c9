#pragma once

#include "plugin/suites/SPTypes.h"
#include "plugin/suites/SuiteEntry.h"

// "AS User Interaction Suite" 1: whether the host may show dialogs now (it may not while it
// runs unattended). Host UI thread.
struct ASUserInteractionSuite
{
    static constexpr const char* kName = "AS User Interaction Suite";
    static constexpr ASInt32 kVersion = 1;

    ASBoolean (*IsInteractionAllowed)();  // non-zero when dialogs may be shown
};
HL_SUITE_ENTRY(ASUserInteractionSuite, IsInteractionAllowed, 0);
