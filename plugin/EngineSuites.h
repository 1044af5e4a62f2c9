#pragma once

// Process-wide pointers to the Kiln engine's suites, which are not in the known suite table: the
// viewer plug-in acquires them directly through the host's basic suite at application start and
// holds them for its life. A pointer is null while its suite is not acquired; callers test it
// before use. Host UI thread only.

#include "plugin/suites/SPTypes.h"

struct BSCDIAGSuite;
struct HLInkSuite;
struct HLKilnODLSuite;
struct HLKilnSuite;

struct EngineSuites
{
    // Also cleared when the engine reports that it is not ready.
    const HLKilnSuite* kiln = nullptr;
    const HLKilnODLSuite* kilnODL = nullptr;
    const BSCDIAGSuite* diagnostics = nullptr;
    const HLInkSuite* ink = nullptr;
};

EngineSuites& EngineSuitePointers();

// Acquires the suite `name` of `version` into `pointer` when it is null, through the basic suite
// of the latest host message; `pointer` stays null when that fails. Returns the host's error
// (0 when the pointer was already set).
ASErr AcquireEngineSuite(const char* name, ASInt32 version, const void** pointer);

template <class Suite>
ASErr AcquireEngineSuite(const Suite*& pointer)
{
    const void* procs = pointer;
    const ASErr error = AcquireEngineSuite(Suite::kName, Suite::kVersion, &procs);
    pointer = static_cast<const Suite*>(procs);
    return error;
}
