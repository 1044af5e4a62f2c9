#pragma once

// Acquires one known suite directly through a basic suite, outside the suite manager, for the
// lifetime of the guard: used where the manager cannot be (start-up checks before the plug-in
// object exists). A suite whose pointer is already held is used as is and left alone.

#include "plugin/HostSuites.h"
#include "plugin/suites/SPTypes.h"

#include <cstddef>

struct SPBasicSuite;

class ScopedKnownSuite
{
public:
    ScopedKnownSuite(const SPBasicSuite* basic, std::size_t index);
    ~ScopedKnownSuite();

    ScopedKnownSuite(const ScopedKnownSuite&) = delete;
    ScopedKnownSuite& operator=(const ScopedKnownSuite&) = delete;

    // The host's acquisition error, kSuiteNotFoundErr without a basic suite, 0 otherwise.
    ASErr Error() const { return m_error; }
    const void* Get() const { return KnownSuitePointer(m_index); }

private:
    const SPBasicSuite* m_basic;
    std::size_t m_index;
    ASErr m_error = kNoErr;
    bool m_acquired = false;
};

template <class Suite>
class ScopedHostSuite : public ScopedKnownSuite
{
    static_assert(FindKnownSuite(Suite::kName, Suite::kVersion) < kKnownSuiteCount,
                  "the suite is not in the known suite table");

public:
    explicit ScopedHostSuite(const SPBasicSuite* basic)
        : ScopedKnownSuite(basic, FindKnownSuite(Suite::kName, Suite::kVersion))
    {
    }

    // Null when the acquisition failed or the host gave a null suite.
    const Suite* Get() const { return static_cast<const Suite*>(ScopedKnownSuite::Get()); }
};
