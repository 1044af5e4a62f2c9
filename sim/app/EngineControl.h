#pragma once

#include "plugin/suites/SPTypes.h"

#include <string>
#include <vector>

struct KilnControlSuite;

namespace hostsim {
class Host;
}  // namespace hostsim

namespace hostapp {

// The engine's connection states as the host application offers them.
struct ConnectionState
{
    ASInt32 status;       // what GetConnectionStatus reports: 0 connected, 1 warning, 2 not connected
    const char* name;     // the script's word for it
    const char* title;    // the menu item and the engine's title
    const char* message;  // the engine's message
};

constexpr ConnectionState kConnectionStates[] = {
    {0, "connected", "Connected", "Hueline is connected to its colour service."},
    {1, "warning", "Connection Warning", "The colour service answers slowly."},
    {2, "disconnected", "Not Connected", "The colour service cannot be reached."},
};

// The host application's hold on the simulated engine, through the engine's control suite. The
// suite is acquired once the plug-ins have started and released when this object goes; without
// the engine (absent, or refused at start-up) every call answers false and nothing happens.
class EngineControl
{
public:
    explicit EngineControl(hostsim::Host& host);
    ~EngineControl();
    EngineControl(const EngineControl&) = delete;
    EngineControl& operator=(const EngineControl&) = delete;

    bool Available() const { return m_suite != nullptr; }
    // Loaded, but the host lacks its kernel suites: a damaged install the viewer cannot use.
    bool Damaged() const { return m_damaged; }
    // What the engine is, as the status bar says it: "absent", "damaged, kernel suites missing",
    // or readiness and connection ("ready, connected").
    std::string Status() const;

    bool SetReady(bool ready);
    bool Ready() const { return m_ready; }
    // `state` indexes kConnectionStates; a custom message replaces the state's own when not empty.
    bool SetConnection(std::size_t state, const std::string& message = {});
    std::size_t Connection() const { return m_connection; }

    // The engine's call record, one line per call, and its clearing. When the record let older
    // calls go, a first line says how many: "(N earlier calls not kept)".
    std::vector<std::string> Calls() const;
    bool ClearCalls();

private:
    hostsim::Host& m_host;
    const KilnControlSuite* m_suite = nullptr;
    bool m_damaged = false;
    bool m_ready = true;
    std::size_t m_connection = 0;
};

}  // namespace hostapp
