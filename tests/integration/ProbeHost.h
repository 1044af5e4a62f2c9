#pragma once

// A simulated host with CoreProbe.aip loaded from the build's test plug-in folder.

#include "sim/host/Host.h"
#include "sim/testplugin/CoreProbeSuite.h"

#include <gtest/gtest.h>

#include <stdexcept>
#include <string>
#include <vector>

class ProbeHostTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        std::string error;
        m_plugin = m_host.LoadPlugin(CORE_PROBE_PLUGIN, error);
        ASSERT_NE(m_plugin, nullptr) << error;
    }

    // A started plug-in is shut down as the host would, so that it leaves nothing behind.
    void TearDown() override
    {
        if (m_plugin != nullptr && m_plugin->started)
            m_host.Shutdown();
    }

    // "SP Interface"/"Startup" only; Startup() runs the host's whole sequence.
    SPErr SendStartup() { return m_host.SendStartup(*m_plugin); }

    SPErr SendStartupWithHeader(const SPMessageData& header)
    {
        SPMessageData message = header;
        return m_host.Send(*m_plugin, kSPInterfaceCaller, kSPInterfaceStartupSelector, &message);
    }

    // The probe suite the running plug-in added to the host.
    const CoreProbeSuite& Probe()
    {
        const void* procs = nullptr;
        EXPECT_EQ(m_host.Suites().Acquire(CoreProbeSuite::kName, CoreProbeSuite::kVersion, &procs), kNoErr);
        if (procs == nullptr)
            throw std::runtime_error("the probe suite is not registered");
        return *static_cast<const CoreProbeSuite*>(procs);
    }

    // The log since the last call.
    std::string TakeLog()
    {
        const CoreProbeSuite& probe = Probe();
        std::string log = probe.Log();
        probe.ClearLog();
        return log;
    }

    // Host registrations of this plug-in named `name`.
    std::vector<const hostsim::Notifier*> NotifiersNamed(const std::string& name)
    {
        std::vector<const hostsim::Notifier*> found;
        for (const AINotifierHandle handle : m_host.Notifiers().All())
            if (const hostsim::Notifier* notifier = m_host.Notifiers().Find(handle); notifier->name == name)
                found.push_back(notifier);
        return found;
    }

    hostsim::Host m_host;
    SPPlugin* m_plugin = nullptr;
};
