#pragma once

// A simulated host whose suites are installed into the toolkit, as the plug-in core does.

#include "plugin/suites/AIContextSuite.h"
#include "plugin/suites/AIPanelFlyoutMenuSuite.h"
#include "plugin/suites/AIPanelSuite.h"
#include "plugin/suites/AIUnicodeStringSuite.h"
#include "plugin/suites/AIUserSuite.h"
#include "plugin/suites/ASUserInteractionSuite.h"
#include "sim/host/Host.h"
#include "toolkit/RVADM_Host.h"

#include <gtest/gtest.h>

namespace toolkittest {

class HostPanelFixture : public testing::Test
{
protected:
    void SetUp() override
    {
        m_suites.plugin = reinterpret_cast<SPPluginRef>(&m_pluginToken); // only compared by the host
        m_suites.context = Acquire<AIContextSuite>();
        m_suites.panel = Acquire<AIPanelSuite>();
        m_suites.flyoutMenu = Acquire<AIPanelFlyoutMenuSuite>();
        m_suites.user = Acquire<AIUserSuite>();
        m_suites.interaction = Acquire<ASUserInteractionSuite>();
        m_suites.unicodeString = Acquire<AIUnicodeStringSuite>();
        qRVADM::RVADM_Host::Install(m_suites);
    }

    void TearDown() override { qRVADM::RVADM_Host::Install({}); }

    template <typename Suite>
    const Suite* Acquire()
    {
        const void* procs = nullptr;
        EXPECT_EQ(host.Suites().Acquire(Suite::kName, Suite::kVersion, &procs), kNoErr) << Suite::kName;
        return static_cast<const Suite*>(procs);
    }

    const AIPanelSuite& Panels() const { return *m_suites.panel; }

    hostsim::Host host;
    int m_pluginToken = 0;
    qRVADM::RVADM_Host::Suites m_suites;
};

} // namespace toolkittest
