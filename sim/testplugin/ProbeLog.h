#pragma once

#include <string>

// The probe's event log: process-wide, so it survives the plug-in object.
void ProbeLog(const std::string& entry);
// Entries separated by ", "; valid until the next ProbeLog or ClearProbeLog.
const char* ProbeLogText();
void ClearProbeLog();
