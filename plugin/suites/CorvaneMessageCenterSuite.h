#pragma once

#include "plugin/suites/SPTypes.h"
#include "plugin/suites/SuiteEntry.h"

// "Corvane Message Center Suite" 2: the maker's message centre, where clients announce long
// activities. Each name is passed translated first and untranslated second. Host UI thread.
struct CorvaneMessageCenterSuite
{
    static constexpr const char* kName = "Corvane Message Center Suite";
    static constexpr ASInt32 kVersion = 2;

    // Returns the client id for the other entries.
    ASInt32 (*RegisterClient)(const char* applicationId, const char* displayName,
                              const char* untranslatedName);
    SuiteReserved reserved1;
    // Returns the token that ends the activity.
    ASInt32 (*BeginActivity)(ASInt32 clientId, const char* displayName, const char* untranslatedName);
    ASErr (*EndActivity)(ASInt32 token);
};
HL_SUITE_ENTRY(CorvaneMessageCenterSuite, RegisterClient, 0);
HL_SUITE_ENTRY(CorvaneMessageCenterSuite, BeginActivity, 2);
HL_SUITE_ENTRY(CorvaneMessageCenterSuite, EndActivity, 3);
