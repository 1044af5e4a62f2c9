#pragma once

#include "plugin/suites/SPBasicSuite.h"

namespace kiln {

// A host suite held for the lifetime of the object; empty when the host does not have it.
template <typename Suite>
class HostSuite
{
public:
    explicit HostSuite(const SPBasicSuite* basic) : m_basic(basic)
    {
        const void* procs = nullptr;
        if (m_basic->AcquireSuite(Suite::kName, Suite::kVersion, &procs) == kNoErr)
            m_suite = static_cast<const Suite*>(procs);
    }
    ~HostSuite()
    {
        if (m_suite)
            m_basic->ReleaseSuite(Suite::kName, Suite::kVersion);
    }
    HostSuite(const HostSuite&) = delete;
    HostSuite& operator=(const HostSuite&) = delete;

    explicit operator bool() const { return m_suite != nullptr; }
    const Suite* operator->() const { return m_suite; }

private:
    const SPBasicSuite* m_basic;
    const Suite* m_suite = nullptr;
};

}  // namespace kiln
