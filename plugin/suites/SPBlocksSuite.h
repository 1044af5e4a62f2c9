#pragma once

#include "plugin/suites/SPTypes.h"
#include "plugin/suites/SuiteEntry.h"

// "SP Blocks Suite" 2: host memory blocks. Host UI thread.
struct SPBlocksSuite
{
    static constexpr const char* kName = "SP Blocks Suite";
    static constexpr ASInt32 kVersion = 2;

    SPErr (*AllocateBlock)(std::size_t size, const char* debug, void** block);
    SPErr (*FreeBlock)(void* block);
};
HL_SUITE_ENTRY(SPBlocksSuite, AllocateBlock, 0);
HL_SUITE_ENTRY(SPBlocksSuite, FreeBlock, 1);
