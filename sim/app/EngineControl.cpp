#include "sim/app/EngineControl.h"

#include "plugin/suites/HLKilnODLSuite.h"
#include "plugin/suites/HLKilnSuite.h"
#include "plugin/suites/SPBasicSuite.h"
#include "sim/host/Host.h"
#include "sim/kiln/KilnControlSuite.h"

#include <algorithm>
#include <cctype>
#include <iterator>
#include <string>

namespace hostapp {
namespace {

bool HasSuite(hostsim::Host& host, const char* name, ASInt32 version)
{
    const void* procs = nullptr;
    if (host.BasicSuite()->AcquireSuite(name, version, &procs) != kNoErr)
        return false;
    host.BasicSuite()->ReleaseSuite(name, version);
    return true;
}

}  // namespace

EngineControl::EngineControl(hostsim::Host& host)
    : m_host(host)
{
    const void* procs = nullptr;
    if (host.BasicSuite()->AcquireSuite(KilnControlSuite::kName, KilnControlSuite::kVersion, &procs) == kNoErr)
        m_suite = static_cast<const KilnControlSuite*>(procs);
    // The viewer needs both kernel suites; without either it calls the engine missing or corrupt.
    m_damaged = m_suite && !(HasSuite(host, HLKilnSuite::kName, HLKilnSuite::kVersion) &&
                             HasSuite(host, HLKilnODLSuite::kName, HLKilnODLSuite::kVersion));
}

EngineControl::~EngineControl()
{
    if (m_suite)
        m_host.BasicSuite()->ReleaseSuite(KilnControlSuite::kName, KilnControlSuite::kVersion);
}

std::string EngineControl::Status() const
{
    if (!m_suite)
        return "absent";
    if (m_damaged)
        return "damaged, kernel suites missing";
    std::string connection = kConnectionStates[m_connection].title;
    std::transform(connection.begin(), connection.end(), connection.begin(),
                   [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
    return std::string(m_ready ? "ready" : "not ready") + ", " + connection;
}

bool EngineControl::SetReady(bool ready)
{
    if (!m_suite || m_suite->SetEngineReady(ready ? 1 : 0) != kNoErr)
        return false;
    m_ready = ready;
    return true;
}

bool EngineControl::SetConnection(std::size_t state, const std::string& message)
{
    if (!m_suite || state >= std::size(kConnectionStates))
        return false;
    const ConnectionState& chosen = kConnectionStates[state];
    const std::string text = message.empty() ? chosen.message : message;
    if (m_suite->SetConnectionStatus(chosen.status, chosen.title, text.c_str()) != kNoErr)
        return false;
    m_connection = state;
    return true;
}

std::vector<std::string> EngineControl::Calls() const
{
    std::vector<std::string> calls;
    if (!m_suite)
        return calls;
    if (const ASInt32 forgotten = m_suite->CountForgottenCalls())
        calls.push_back("(" + std::to_string(forgotten) + " earlier calls not kept)");
    const ASInt32 count = m_suite->CountCalls();
    for (ASInt32 i = 0; i < count; ++i) {
        const ASInt32 length = m_suite->GetCall(i, nullptr, 0);
        if (length < 0)
            break;
        std::string line(static_cast<std::size_t>(length) + 1, '\0');
        m_suite->GetCall(i, line.data(), length + 1);
        line.resize(static_cast<std::size_t>(length));
        calls.push_back(std::move(line));
    }
    return calls;
}

bool EngineControl::ClearCalls()
{
    return m_suite && m_suite->ClearCalls() == kNoErr;
}

}  // namespace hostapp
