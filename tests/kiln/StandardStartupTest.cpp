#include "sim/host/StandardStartup.h"

#include "plugin/suites/HLKilnSuite.h"
#include "plugin/suites/SPBasicSuite.h"
#include "sim/host/Host.h"

#include <gtest/gtest.h>

#include <cstdlib>

namespace {

std::string PluginFolder()
{
    const char* folder = std::getenv("HUELINE_PLUGIN_DIR");
    return folder ? folder : ".";
}

// IsEngineReady as the viewer would see it; -1 when the engine suite is missing.
int EngineReadiness(hostsim::Host& host)
{
    const void* procs = nullptr;
    if (host.BasicSuite()->AcquireSuite(HLKilnSuite::kName, HLKilnSuite::kVersion, &procs) != kNoErr)
        return -1;
    return static_cast<const HLKilnSuite*>(procs)->IsEngineReady();
}

struct Attendance
{
    const char* name;
    hostsim::EngineAttendance engine;
    bool loaded;
    int readiness;
};

class StandardStartupTest : public ::testing::TestWithParam<Attendance>
{
};

TEST_P(StandardStartupTest, StartsWithTheEngineAsAsked)
{
    hostsim::Host host;
    EXPECT_TRUE(hostsim::StartStandardPlugins(host, PluginFolder(), GetParam().engine).empty());
    SPPlugin* engine = host.FindPlugin(hostsim::kEnginePluginFile);
    EXPECT_EQ(engine != nullptr, GetParam().loaded);
    EXPECT_EQ(EngineReadiness(host), GetParam().readiness);
}

INSTANTIATE_TEST_SUITE_P(Engine, StandardStartupTest,
                         ::testing::Values(Attendance{"Ready", hostsim::EngineAttendance::Ready, true, 1},
                                           Attendance{"NotReady", hostsim::EngineAttendance::NotReady, true, 0},
                                           Attendance{"Absent", hostsim::EngineAttendance::Absent, false, -1}),
                         [](const auto& info) { return std::string(info.param.name); });

TEST(StandardStartup, AnEngineThatCannotBeToldIsReported)
{
    hostsim::Host host;
    host.Suites().SetMissing("HL Kiln Control Suite", true);
    const auto problems = hostsim::StartStandardPlugins(host, PluginFolder(), hostsim::EngineAttendance::NotReady);
    ASSERT_EQ(problems.size(), 1u);
    EXPECT_NE(problems.front().find("control suite"), std::string::npos);
}

}  // namespace
