#pragma once

#include "plugin/suites/FourCC.h"
#include "plugin/suites/SPTypes.h"
#include "plugin/suites/SuiteEntry.h"

// The simulated engine's own control suite: tests and the host application set the engine's
// state and read what it was asked through it. Simulation only; the viewer never acquires it.

// The host folder kind ("AI Folders Suite") under which the engine keeps its preference file.
constexpr ASInt32 kKilnPreferencesFolderType = 40;
// The preference file inside that folder.
constexpr const char* kKilnPreferencesFileName = "KilnPreferences.txt";

// "HL Kiln Control Suite" 2. Host UI thread.
struct KilnControlSuite
{
    static constexpr const char* kName = "HL Kiln Control Suite";
    static constexpr ASInt32 kVersion = 2;

    // IsEngineReady answers `ready`.
    ASErr (*SetEngineReady)(ASInt32 ready);
    // 0 connected, 1 warning, anything else not connected. Any change broadcasts "HL Conn Stat".
    ASErr (*SetConnectionStatus)(ASInt32 status, const char* title, const char* message);
    // Replaces the colour book by the books of the file; a refused file leaves the book as it was.
    ASErr (*LoadColorBook)(const char* path);
    // Generates a job from the current document as RunGeneration does and broadcasts "OY Sync"
    // with a pointer to `keepView`; kKilnGenerationError, broadcasting nothing, when the
    // document cannot be made a job.
    ASErr (*PushJob)(AIBoolean keepView);
    // Result handles given by RunGeneration and not yet released.
    ASInt32 (*CountOpenResults)();

    // The record of the suite calls, one line each: the entry name and its arguments as text. It
    // keeps the latest 5,000 calls since it was last cleared.
    ASInt32 (*CountCalls)();
    // Writes line `index` (0 the oldest kept), NUL-terminated within `size`; returns its full
    // length without the NUL, or -1 when there is no such line.
    ASInt32 (*GetCall)(ASInt32 index, char* buffer, ASInt32 size);
    ASErr (*ClearCalls)();
    // Calls older than the kept ones, let go since the record was last cleared.
    ASInt32 (*CountForgottenCalls)();

    // Moves the preference store to `folder`, reading the file found there.
    ASErr (*SetPreferencesFolder)(const char* folder);
    // Stores a value as another component sharing the store would; written to the file at once.
    ASErr (*SetPreference)(const char* section, const char* key, ASInt32 value);
    ASErr (*RemovePreference)(const char* section, const char* key);

    // Message centre: registered clients and activities begun but not ended.
    ASInt32 (*CountClients)();
    ASInt32 (*CountOpenActivities)();
};
HL_SUITE_SIZE(KilnControlSuite, 14);

// Results of the simulated engine besides 0.
constexpr ASErr kKilnBadParameterError = FourCC("PARM");   // a null or out-of-range argument
constexpr ASErr kKilnNotStartedError = FourCC("KSt?");     // called before start-up or after shut-down
constexpr ASErr kKilnUnknownHandleError = FourCC("Hnd?");  // not a handle the engine gave out
constexpr ASErr kKilnAbsentKeyError = FourCC("Key?");      // the preference does not exist
constexpr ASErr kKilnFileError = FourCC("File");           // a file could not be read or written
constexpr ASErr kKilnMalformedError = FourCC("Form");      // a file or name breaks its format
constexpr ASErr kKilnReadOnlyError = FourCC("PrRO");       // the preference file is not rewritten
constexpr ASErr kKilnNoJobError = FourCC("Job?");          // there is no job to answer from
constexpr ASErr kKilnGenerationError = FourCC("Gen!");     // the document could not be made a job
constexpr ASErr kKilnOutOfMemoryError = FourCC("Mem!");    // a rendering does not fit into memory
