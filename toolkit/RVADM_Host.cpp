#include "toolkit/RVADM_Host.h"

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

} // namespace qRVADM
