#pragma once

// KilnKernel.aip loaded into a fresh simulated host with the echo plug-in, reached through the
// host's basic suite as the viewer reaches it.

#include "plugin/suites/AIMenuSuite.h"
#include "plugin/suites/HLInkSuite.h"
#include "plugin/suites/SPBasicSuite.h"
#include "sim/host/Host.h"
#include "sim/host/StandardStartup.h"
#include "sim/kiln/KilnControlSuite.h"
#include "tests/support/TemporaryFolder.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <memory>
#include <string>
#include <vector>

using Lines = std::vector<std::string>;

inline std::string EnginePath()
{
    const char* folder = std::getenv("HUELINE_PLUGIN_DIR");
    return std::string(folder ? folder : ".") + "/" + hostsim::kEnginePluginFile;
}

class KilnPluginFixture : public ::testing::Test
{
protected:
    KilnPluginFixture() { Start(); }

    // A fresh host with the engine (and the echo plug-in, which logs the notifications it
    // receives into its menu item) started, the engine's preferences in the test's folder.
    void Start()
    {
        host = std::make_unique<hostsim::Host>();
        host->SetFolder(kKilnPreferencesFolderType, preferences.Path().string());
        std::string error;
        engine = host->LoadPlugin(EnginePath(), error);
        ASSERT_NE(engine, nullptr) << error;
        echo = host->LoadPlugin(ECHO_PLUGIN, error);
        ASSERT_NE(echo, nullptr) << error;
        host->Startup();
        control = Acquire<KilnControlSuite>();
        ASSERT_NE(control, nullptr);
    }

    void Restart()
    {
        host->Shutdown();
        host.reset();
        Start();
    }

    template <typename Suite>
    const Suite* Acquire() const
    {
        const void* procs = nullptr;
        return host->BasicSuite()->AcquireSuite(Suite::kName, Suite::kVersion, &procs) == kNoErr
                   ? static_cast<const Suite*>(procs)
                   : nullptr;
    }

    std::vector<std::string> Calls() const
    {
        std::vector<std::string> calls;
        for (ASInt32 i = 0; i < control->CountCalls(); ++i) {
            std::string call(static_cast<std::size_t>(control->GetCall(i, nullptr, 0)) + 1, '\0');
            control->GetCall(i, call.data(), static_cast<ASInt32>(call.size()));
            call.pop_back();
            calls.push_back(call);
        }
        return calls;
    }

    // Registers the echo plug-in for a notification type; it logs each delivery.
    void Observe(const char* type) { host->Notifiers().Add(echo, "probe", type); }
    int Deliveries(const std::string& type) const
    {
        const std::string log = host->Menus().FindItem(host->Menus().ItemsOf(kToolPalettesMenuGroup).front())->text;
        int count = 0;
        for (std::size_t at = log.find(type); at != std::string::npos; at = log.find(type, at + 1))
            ++count;
        return count;
    }

    std::vector<std::string> IterateInks() const
    {
        const auto* inks = Acquire<HLInkSuite>();
        std::vector<std::string> names;
        inks->ResetInkIteration(0);
        HLInkRef ink = nullptr;
        while (inks->NextInk(0, &ink)) {
            char name[256];
            inks->GetInkName(ink, name, sizeof name);
            names.push_back(name);
        }
        return names;
    }

    TemporaryFolder preferences;
    std::unique_ptr<hostsim::Host> host;
    SPPlugin* engine = nullptr;
    SPPlugin* echo = nullptr;
    const KilnControlSuite* control = nullptr;
};
