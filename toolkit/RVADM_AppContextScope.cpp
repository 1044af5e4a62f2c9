#include "toolkit/RVADM_AppContextScope.h"

#include "toolkit/RVADM_Host.h"

namespace qRVADM {

RVADM_AppContextScope::RVADM_AppContextScope()
{
    const RVADM_Host::Suites& host = RVADM_Host::Get();
    if (host.context == nullptr || host.context->PushAppContext(host.plugin, &m_context) != kNoErr)
        return;
    m_suite = host.context;
}

RVADM_AppContextScope::~RVADM_AppContextScope()
{
    if (m_suite != nullptr)
        m_suite->PopAppContext(m_context);
}

} // namespace qRVADM
