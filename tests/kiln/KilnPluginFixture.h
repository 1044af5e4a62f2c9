#pragma once

// KilnKernel.aip started in a fresh simulated host and reached through the host's basic suite,
// as the viewer reaches it. The engine's broadcasts are recorded in `heard`.

#include "plugin/suites/HLKilnODLSuite.h"
#include "plugin/suites/SPBasicSuite.h"
#include "sim/host/StandardStartup.h"
#include "sim/kiln/KilnControlSuite.h"
#include "tests/sim/Listener.h"
#include "tests/support/TemporaryFolder.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <memory>
#include <string>
#include <vector>

using Lines = std::vector<std::string>;

constexpr const char* kConnectionNotifier = "HL Conn Stat";

class KilnPluginFixture : public ::testing::Test
{
protected:
    KilnPluginFixture() { Start(); }

    // The engine's preferences live in the test's folder.
    void Start()
    {
        listener.reset();
        host.reset();  // one host at a time
        host = std::make_unique<hostsim::Host>();
        host->SetFolder(kKilnPreferencesFolderType, preferences.Path().string());
        const char* folder = std::getenv("HUELINE_PLUGIN_DIR");
        std::string error;
        engine = host->LoadPlugin(std::string(folder ? folder : ".") + "/" + hostsim::kEnginePluginFile, error);
        ASSERT_NE(engine, nullptr) << error;
        host->Startup();
        control = Acquire<KilnControlSuite>();
        ASSERT_NE(control, nullptr);
        const std::vector<const char*> types = {kConnectionNotifier, kHLSyncNotifier, kHLLoadTypeQueryNotifier};
        listener = std::make_unique<Listener>(*host, types, [this](const char* type, void* data) { Hear(type, data); });
    }

    void Restart()
    {
        host->Shutdown();
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

    Lines Calls() const { return hostsim::EngineCalls(*host); }

    // A viewer that shows the job answers the load type query.
    void Hear(const std::string& type, void* data)
    {
        std::string entry = type;
        if (type == kHLLoadTypeQueryNotifier) {
            auto* query = static_cast<HLLoadTypeQuery*>(data);
            entry += " " + std::to_string(query->loadType);
            query->shown = showsJob;
        } else if (type == kHLSyncNotifier) {
            entry += " " + std::to_string(*static_cast<const AIBoolean*>(data));
        }
        heard.push_back(entry);
    }

    TemporaryFolder preferences;
    std::unique_ptr<hostsim::Host> host;
    std::unique_ptr<Listener> listener;
    SPPlugin* engine = nullptr;
    const KilnControlSuite* control = nullptr;
    bool showsJob = false;
    Lines heard;
};
