#pragma once

struct BSCDIAGSuite;
struct CorvaneMessageCenterSuite;
struct HLInkBookSuite;
struct HLInkSuite;
struct HLKilnHLSuite;
struct HLKilnODLSuite;
struct HLKilnSuite;
struct HLPreferencesSuite;
struct KilnControlSuite;

namespace kiln {

// The function tables the engine adds to the host at start-up. They are static and outlive the
// engine: entries called outside start-up and shut-down answer as EngineCall.h says.
const HLKilnSuite& KilnSuiteTable();
const HLKilnODLSuite& KilnODLSuiteTable();
const BSCDIAGSuite& DiagnosticsSuiteTable();
const HLInkSuite& InkSuiteTable();
const HLInkBookSuite& InkBookSuiteTable();
const HLKilnHLSuite& ConnectionSuiteTable();
const HLPreferencesSuite& PreferencesSuiteTable();
const CorvaneMessageCenterSuite& MessageCenterSuiteTable();
const KilnControlSuite& ControlSuiteTable();

}  // namespace kiln
