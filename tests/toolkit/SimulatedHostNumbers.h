#pragma once

#include "plugin/suites/AIUnicodeStringSuite.h"
#include "plugin/suites/AIUserSuite.h"
#include "sim/host/Host.h"
#include "toolkit/DimensionUserSuite.h"

#include <stdexcept>
#include <string>

// The simulated host's number formatting and expression evaluation, reached through its suites
// exactly as the plug-in reaches them. One exists at a time (it holds the one host).
class SimulatedHostNumbers
{
public:
    SimulatedHostNumbers() : m_numbers(&Acquire<AIUserSuite>(), &Acquire<AIUnicodeStringSuite>()) {}

    const qRVADM::DimensionNumbers& Numbers() const { return m_numbers; }

    // Throws std::runtime_error when the host does not give the suite.
    template <typename Suite>
    const Suite& Acquire()
    {
        const void* suite = nullptr;
        if (m_host.Suites().Acquire(Suite::kName, Suite::kVersion, &suite) != kNoErr || !suite)
            throw std::runtime_error(std::string("the simulated host has no ") + Suite::kName);
        return *static_cast<const Suite*>(suite);
    }

private:
    hostsim::Host m_host;
    qRVADM::DimensionUserSuite m_numbers;
};
