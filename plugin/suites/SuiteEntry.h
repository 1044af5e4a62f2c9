#pragma once

#include <cstddef>

// Pins a suite entry to its 0-based position in the suite's function table, so that a moved
// entry is a build error on both sides of the interface.
#define HL_SUITE_ENTRY(Suite, member, position)                                                  \
    static_assert(offsetof(Suite, member) == (position) * sizeof(void*),                         \
                  #Suite "::" #member " must be entry " #position)

// Pins the end of a suite's table: the host fills exactly this many entries.
#define HL_SUITE_SIZE(Suite, entries)                                                            \
    static_assert(sizeof(Suite) == (entries) * sizeof(void*), #Suite " must have " #entries " entries")

// Padding for table positions the plug-in never calls.
using SuiteReserved = void (*)();
