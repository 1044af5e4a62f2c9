#include "toolkit/internal/RVADM_HostString.h"

#include "plugin/suites/AIUnicodeStringSuite.h"

#include <cstring>

namespace qRVADM::internal {

RVADM_HostString::RVADM_HostString(const AIUnicodeStringSuite* suite, const char* text)
    : m_suite(suite)
{
    if (m_suite == nullptr || text == nullptr ||
        m_suite->Initialize(&m_handle, text, std::strlen(text), kAIUTF8CharacterEncoding) != kNoErr)
        m_handle = nullptr;
}

RVADM_HostString::~RVADM_HostString()
{
    if (m_handle != nullptr)
        m_suite->Destroy(m_handle);
}

} // namespace qRVADM::internal
