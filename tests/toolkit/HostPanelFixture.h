#pragma once

// The simulated host with its suites installed into the toolkit, as the plug-in core installs the
// real host's, for the lifetime of the object.

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

class FakeHost : public hostsim::Host
{
public:
    FakeHost()
    {
        suites.plugin = reinterpret_cast<SPPluginRef>(&m_pluginToken); // only compared by the host
        suites.context = Acquire<AIContextSuite>();
        suites.panel = Acquire<AIPanelSuite>();
        suites.flyoutMenu = Acquire<AIPanelFlyoutMenuSuite>();
        suites.user = Acquire<AIUserSuite>();
        suites.interaction = Acquire<ASUserInteractionSuite>();
        suites.unicodeString = Acquire<AIUnicodeStringSuite>();
        Install();
    }
    ~FakeHost() { qRVADM::RVADM_Host::Install({}); }

    // Installs `suites` again after a test took some away.
    void Install() { qRVADM::RVADM_Host::Install(suites); }

    qRVADM::RVADM_Host::Suites suites;

private:
    template <typename Suite>
    const Suite* Acquire()
    {
        const void* procs = nullptr;
        EXPECT_EQ(Suites().Acquire(Suite::kName, Suite::kVersion, &procs), kNoErr) << Suite::kName;
        return static_cast<const Suite*>(procs);
    }

    int m_pluginToken = 0;
};

class HostPanelFixture : public testing::Test
{
protected:
    const AIPanelSuite& Panels() const { return *host.suites.panel; }

    FakeHost host;
};

} // namespace toolkittest
