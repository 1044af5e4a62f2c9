#include "sim/app/CommandLine.h"

namespace hostapp {
namespace {

struct EngineWord
{
    const char* word;
    hostsim::EngineAttendance engine;
};

constexpr EngineWord kEngineWords[] = {
    {"ready", hostsim::EngineAttendance::Ready},
    {"not-ready", hostsim::EngineAttendance::NotReady},
    {"corrupt", hostsim::EngineAttendance::Corrupt},
    {"absent", hostsim::EngineAttendance::Absent},
};

bool SetEngine(const std::string& word, CommandLine& line)
{
    for (const EngineWord& entry : kEngineWords)
        if (word == entry.word) {
            line.engine = entry.engine;
            return true;
        }
    return false;
}

}  // namespace

const char* CommandLineUsage()
{
    return "usage: hueline-host --plugins FOLDER [options] [DOCUMENT ...]\n"
           "  --plugins FOLDER          the plug-in folder\n"
           "  --engine STATE            ready (default), not-ready, corrupt or absent\n"
           "  --script FILE             run a host script, then quit\n"
           "  --stay                    after the script, keep the window open for a person\n"
           "  --screenshot-dir FOLDER   where the script's screenshots go (default: .)\n"
           "  --preferences FOLDER      keep the host's and the engine's preferences there (default: none kept)\n"
           "  --describe                print plug-ins, menus, notifiers, timers, documents, dialogs and engine calls, then quit\n";
}

std::optional<CommandLine> ParseCommandLine(const std::vector<std::string>& arguments, std::string& error)
{
    CommandLine line;
    bool hasPlugins = false;
    for (std::size_t i = 0; i < arguments.size(); ++i) {
        const std::string& argument = arguments[i];
        if (argument == "--describe" || argument == "--stay") {
            (argument == "--describe" ? line.describe : line.stay) = true;
            continue;
        }
        if (argument.size() < 2 || argument.compare(0, 2, "--") != 0) {
            line.documents.push_back(argument);
            continue;
        }
        if (argument != "--plugins" && argument != "--engine" && argument != "--script" && argument != "--screenshot-dir" &&
            argument != "--preferences") {
            error = "unknown option " + argument;
            return std::nullopt;
        }
        if (i + 1 == arguments.size() || arguments[i + 1].empty()) {
            error = argument + " needs a value";
            return std::nullopt;
        }
        const std::string& value = arguments[++i];
        if (argument == "--plugins") {
            line.plugins = value;
            hasPlugins = true;
        } else if (argument == "--engine") {
            if (!SetEngine(value, line)) {
                error = "--engine takes ready, not-ready, corrupt or absent, not " + value;
                return std::nullopt;
            }
        } else if (argument == "--script") {
            line.script = value;
        } else if (argument == "--preferences") {
            line.preferences = value;
        } else {
            line.screenshotFolder = value;
        }
    }
    if (line.stay && (line.script.empty() || line.describe)) {
        error = "--stay needs --script and goes without --describe";
        return std::nullopt;
    }
    if (!hasPlugins) {
        error = "--plugins FOLDER is required";
        return std::nullopt;
    }
    return line;
}

}  // namespace hostapp
