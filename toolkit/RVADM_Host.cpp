#include "toolkit/RVADM_Host.h"

#include "plugin/suites/AIUserSuite.h"
#include "plugin/suites/ASUserInteractionSuite.h"

namespace qRVADM {
namespace {

RVADM_Host::Suites& Installed()
{
    static RVADM_Host::Suites suites;
    return suites;
}

} // namespace

void RVADM_Host::Install(const Suites& suites)
{
    Installed() = suites;
}

const RVADM_Host::Suites& RVADM_Host::Get()
{
    return Installed();
}

bool RVADM_Host::IsUserInteractionAllowed()
{
    const ASUserInteractionSuite* suite = Installed().interaction;
    return suite == nullptr || suite->IsInteractionAllowed() != 0;
}

double RVADM_Host::UIScaleFactor()
{
    const AIUserSuite* suite = Installed().user;
    const double factor = suite != nullptr ? suite->GetUIScaleFactor() : 1.0;
    return factor > 0 ? factor : 1.0;
}

} // namespace qRVADM
