#pragma once

#include "plugin/suites/AIContextSuite.h"

namespace qRVADM {

// Brackets host calls made from a user-interface event with the host's application context for
// this plug-in: pushed at construction, popped at destruction. Does nothing when the host's
// "AI Context Suite" is not installed or the push fails.
class RVADM_AppContextScope
{
public:
    RVADM_AppContextScope();
    ~RVADM_AppContextScope();
    RVADM_AppContextScope(const RVADM_AppContextScope&) = delete;
    RVADM_AppContextScope& operator=(const RVADM_AppContextScope&) = delete;

private:
    const AIContextSuite* m_suite = nullptr;
    AIAppContextHandle m_context = nullptr;
};

} // namespace qRVADM
