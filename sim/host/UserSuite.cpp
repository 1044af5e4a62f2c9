// "AI User Suite": number formatting and expression evaluation.

#include "plugin/suites/AIUserSuite.h"
#include "sim/host/HostSuites.h"
#include "sim/host/SuiteRegistry.h"
#include "sim/host/UserNumbers.h"

namespace hostsim {
namespace {

const AIUserSuite kUser = {{}, FormatNumberEntry, {}, nullptr, {}, EvaluateExpressionEntry, {}, nullptr, nullptr};

}  // namespace

void RegisterUserSuite(SuiteRegistry& suites)
{
    suites.Add(kUser);
}

}  // namespace hostsim
