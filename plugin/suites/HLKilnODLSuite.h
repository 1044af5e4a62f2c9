#pragma once

#include "plugin/suites/HLTypes.h"
#include "plugin/suites/SPTypes.h"
#include "plugin/suites/SuiteEntry.h"

// Answers of GetLoadType; any other value means the document has no usable job.
constexpr ASInt32 kHLLoadTypeUpToDate = 1;
constexpr ASInt32 kHLLoadTypeChanged = 2;
constexpr ASInt32 kHLLoadTypeReleased = 3;

// Notifications the engine broadcasts through the host's notifier suite.
// "OY Sync": the engine pushed a new job; the data points to a bool, true when the viewer should
// keep its view, or is null.
constexpr const char* kHLSyncNotifier = "OY Sync";
// "KilnODL Load Type Query": the data points to an HLLoadTypeQuery.
constexpr const char* kHLLoadTypeQueryNotifier = "KilnODL Load Type Query";

// Asked before the engine offers a regeneration of a changed document's job: a viewer showing
// that job sets `shown` to 1; a job nobody shows is released instead.
struct HLLoadTypeQuery
{
    ASInt32 loadType;  // the answer the engine is about to give
    ASInt32 shown;     // 0 when broadcast
};

// "HL KilnODL Suite" 4: generation of preview jobs from the current document. Host UI thread.
struct HLKilnODLSuite
{
    static constexpr const char* kName = "HL KilnODL Suite";
    static constexpr ASInt32 kVersion = 4;

    // Synchronous; the result must always be given back through ReleaseResult.
    HLKilnResultHandle (*RunGeneration)();
    ASInt32 (*ResultSucceeded)(HLKilnResultHandle result);  // 0 when the generation failed
    ASErr (*ReleaseResult)(HLKilnResultHandle result);
    // Writes the failure text, NUL-terminated within `size` bytes.
    ASErr (*GetResultMessage)(HLKilnResultHandle result, char* buffer, ASInt32 size);
    ASInt32 (*GetLoadType)();
    SuiteReserved reserved5To8[4];
    ASErr (*ColorSettingsChanged)();
};
HL_SUITE_ENTRY(HLKilnODLSuite, RunGeneration, 0);
HL_SUITE_ENTRY(HLKilnODLSuite, ResultSucceeded, 1);
HL_SUITE_ENTRY(HLKilnODLSuite, ReleaseResult, 2);
HL_SUITE_ENTRY(HLKilnODLSuite, GetResultMessage, 3);
HL_SUITE_ENTRY(HLKilnODLSuite, GetLoadType, 4);
HL_SUITE_ENTRY(HLKilnODLSuite, ColorSettingsChanged, 9);
