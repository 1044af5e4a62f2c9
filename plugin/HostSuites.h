#pragma once

// Process-wide host suite pointers. Host UI thread only; read without synchronisation.

#include "plugin/KnownSuiteTable.h"
#include "plugin/suites/FourCC.h"
#include "plugin/suites/SPTypes.h"

#include <cstddef>

struct SPBasicSuite;

// The host's own code for a suite it cannot provide; also answered here when a suite is needed
// but no basic suite or no suite pointer is available.
constexpr ASErr kSuiteNotFoundErr = FourCC("S!Fd");

// The basic suite from the latest host message; overwritten from every message.
const SPBasicSuite* HostBasicSuite();
void SetHostBasicSuite(const SPBasicSuite* basic);

// The process-wide pointer of the known suite at `index` (< kKnownSuiteCount).
const void*& KnownSuitePointer(std::size_t index);

// Compares two message strings (callers, selectors) the way the host does; plain comparison
// when there is no basic suite yet. Null strings equal nothing.
bool IsSameMessageString(const char* a, const char* b);
// "SP Interface"/"Shutdown".
bool IsShutdownMessage(const char* caller, const char* selector);

[[noreturn]] void ThrowSuiteNotFound();

// The acquired suite of that type, or null while it is not acquired.
template <class Suite>
const Suite* HostSuite()
{
    constexpr std::size_t index = FindKnownSuite(Suite::kName, Suite::kVersion);
    static_assert(index < kKnownSuiteCount, "the suite is not in the known suite table");
    return static_cast<const Suite*>(KnownSuitePointer(index));
}

// What `call` returns for the acquired suite of that type; kSuiteNotFoundErr while it is not
// acquired.
template <class Suite, class Call>
ASErr CallHostSuite(Call call)
{
    const Suite* suite = HostSuite<Suite>();
    return suite != nullptr ? call(*suite) : kSuiteNotFoundErr;
}

// The acquired suite of that type; throws ai::Error(kSuiteNotFoundErr) while it is not acquired.
template <class Suite>
const Suite& RequireHostSuite()
{
    const Suite* suite = HostSuite<Suite>();
    if (suite == nullptr)
        ThrowSuiteNotFound();
    return *suite;
}
