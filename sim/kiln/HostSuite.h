#pragma once

#include "plugin/suites/AINotifierSuite.h"
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
    const Suite& operator*() const { return *m_suite; }

private:
    const SPBasicSuite* m_basic;
    const Suite* m_suite = nullptr;
};

// Sends a notification to every plug-in listening for `type`, synchronously; nothing when the
// host has no notifier suite.
inline void Broadcast(const SPBasicSuite* basic, const char* type, void* data)
{
    const HostSuite<AINotifierSuite> notifiers(basic);
    if (notifiers)
        notifiers->BroadcastNotifier(type, data);
}

}  // namespace kiln
