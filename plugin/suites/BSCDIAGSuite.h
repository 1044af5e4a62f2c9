#pragma once

#include "plugin/suites/SPTypes.h"

// "BSCDIAG Suite" 1: the engine's diagnostics. Acquired with the engine but never called, so
// none of its entries is declared. Host UI thread.
struct BSCDIAGSuite
{
    static constexpr const char* kName = "BSCDIAG Suite";
    static constexpr ASInt32 kVersion = 1;
};
