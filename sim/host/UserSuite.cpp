// "AI User Suite": the host's clock, scale factors, number formatting and expression evaluation.

#include "plugin/suites/AIUserSuite.h"
#include "sim/host/Host.h"
#include "sim/host/HostSuites.h"
#include "sim/host/UserNumbers.h"

namespace hostsim {
namespace {

AIErr GetHostTicks(ASUInt32* ticks)
{
    if (!ticks)
        return BadParameterError();
    *ticks = Host::Current().TickCounter();
    return kNoErr;
}

AIReal GetUIScaleFactor()
{
    return Host::Current().UIScaleFactor();
}

// A handle that is no open document's view gets the neutral factor 1: the entry has no way to
// report an error.
AIReal GetDocumentViewScaleFactor(AIDocumentViewHandle view)
{
    const DocumentView* found = Host::Current().Documents().FindView(view);
    return found ? found->ScaleFactor() : 1.0;
}

const AIUserSuite kUser = {{},       FormatNumberEntry, {}, GetHostTicks, {}, EvaluateExpressionEntry, {},
                           GetUIScaleFactor, GetDocumentViewScaleFactor};

}  // namespace

void RegisterUserSuite(SuiteRegistry& suites)
{
    suites.Add(kUser);
}

}  // namespace hostsim
