#pragma once

#include "plugin/suites/SPTypes.h"

struct AIUnicodeStringSuite;

namespace qRVADM::internal {

// A host string object holding a UTF-8 text for the duration of one host call. `Get` is null when
// the suite is missing or refused the text.
class RVADM_HostString
{
public:
    RVADM_HostString(const AIUnicodeStringSuite* suite, const char* text);
    ~RVADM_HostString();
    RVADM_HostString(const RVADM_HostString&) = delete;
    RVADM_HostString& operator=(const RVADM_HostString&) = delete;

    AIUnicodeStringHandle Get() const { return m_handle; }

private:
    const AIUnicodeStringSuite* m_suite;
    AIUnicodeStringHandle m_handle = nullptr;
};

} // namespace qRVADM::internal
