#pragma once

#include "sim/host/StandardStartup.h"

#include <optional>
#include <string>
#include <vector>

namespace hostapp {

// What `hueline-host` was asked to do.
struct CommandLine
{
    std::vector<std::string> documents;  // opened in this order; the last one is current
    std::string plugins;                 // the plug-in folder
    hostsim::EngineAttendance engine = hostsim::EngineAttendance::Ready;
    std::string script;                  // a host script to run, then quit; empty for none
    std::string screenshotFolder = ".";  // where a script's screenshots go
    std::string preferences;             // the host's and the engine's preferences; empty: none kept
    bool describe = false;               // print the host summary and quit (after the script)
    bool stay = false;                   // after the script, keep the window open for a person
};

// Parses the arguments after the program name. Returns nothing with `error` for an unknown
// option, an option without its value, a bad engine state or a missing --plugins.
std::optional<CommandLine> ParseCommandLine(const std::vector<std::string>& arguments, std::string& error);

// The usage text, one option a line.
const char* CommandLineUsage();

}  // namespace hostapp
