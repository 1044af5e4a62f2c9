#pragma once

#include "plugin/suites/SPTypes.h"

struct SPBasicSuite;

namespace hostsim {

class SuiteRegistry;

// Each family of host suites registers its function tables with the registry. The tables are
// static and outlive every host.
void RegisterPluginSuites(SuiteRegistry& suites);
void RegisterStringSuites(SuiteRegistry& suites);
void RegisterEventSuites(SuiteRegistry& suites);
void RegisterMenuSuite(SuiteRegistry& suites);
void RegisterDocumentSuites(SuiteRegistry& suites);
void RegisterUserSuite(SuiteRegistry& suites);
void RegisterInertSuites(SuiteRegistry& suites);
void RegisterPanelSuites(SuiteRegistry& suites);
void RegisterFlyoutMenuSuite(SuiteRegistry& suites);
void RegisterPreferenceSuite(SuiteRegistry& suites);

const SPBasicSuite& BasicSuiteTable();

// The host's answer to a handle or argument it does not know.
ASErr BadParameterError();

// Runs `use` on the record a handle was looked up to; a null record (an unknown handle) is
// refused.
template <typename Record, typename Use>
ASErr WithKnown(Record* record, Use use)
{
    if (!record)
        return BadParameterError();
    use(*record);
    return kNoErr;
}

}  // namespace hostsim
