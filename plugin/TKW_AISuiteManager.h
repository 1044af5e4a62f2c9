#pragma once

#include "plugin/KnownSuiteTable.h"
#include "plugin/suites/SPTypes.h"

#include <array>
#include <cstddef>

struct SPBasicSuite;

// Acquires the wanted entries of the known suite table into their process-wide pointers.
// Acquisition is counted: only the outermost AcquireAll acquires and only the matching outermost
// ReleaseAll releases, so re-entrant host messages never release a suite still in use.
// One instance per process (Instance); host UI thread only.
class TKW_AISuiteManager
{
public:
    static TKW_AISuiteManager& Instance();

    TKW_AISuiteManager(const TKW_AISuiteManager&) = delete;
    TKW_AISuiteManager& operator=(const TKW_AISuiteManager&) = delete;

    // Also refreshes the process-wide basic-suite pointer.
    void SetBasicSuite(const SPBasicSuite* basic);

    void ResetNestingCount() { m_nestingCount = 0; }
    ASInt32 GetNestingCount() const { return m_nestingCount; }

    // Marks the suite wanted; while suites are held a newly wanted suite is acquired at once.
    // Returns 1 when no entry matches, else 0 or the host's acquisition error.
    ASErr AddSuite(const char* name, ASInt32 version = kAnySuiteVersion);

    // Returns the first acquisition error (the walk stops there); the count rises regardless.
    ASErr AcquireAll();
    // Returns the result of the last release made.
    ASErr ReleaseAll();

private:
    TKW_AISuiteManager();

    ASErr Acquire(std::size_t index) const;

    ASInt32 m_nestingCount = 0;
    const SPBasicSuite* m_basicSuite = nullptr;
    std::array<bool, kKnownSuiteCount> m_wanted{};
};
