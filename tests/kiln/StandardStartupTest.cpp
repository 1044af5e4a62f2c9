#include "sim/host/StandardStartup.h"

#include "plugin/suites/HLKilnSuite.h"
#include "plugin/suites/SPBasicSuite.h"
#include "sim/host/Host.h"

#include <gtest/gtest.h>

#include <cstdlib>

namespace {

struct Attendance
{
    const char* name;
    hostsim::EngineAttendance engine;
    bool loaded;
    int readiness;  // IsEngineReady as the viewer sees it; -1 when the suite is not found
};

class StandardStartupTest : public ::testing::TestWithParam<Attendance>
{
};

TEST_P(StandardStartupTest, StartsWithTheEngineAsAsked)
{
    hostsim::Host host;
    const char* folder = std::getenv("HUELINE_PLUGIN_DIR");
    EXPECT_EQ(hostsim::StartStandardPlugins(host, folder ? folder : ".", GetParam().engine), std::vector<std::string>{});
    EXPECT_EQ(host.FindPlugin(hostsim::kEnginePluginFile) != nullptr, GetParam().loaded);
    const void* procs = nullptr;
    const bool found = host.BasicSuite()->AcquireSuite(HLKilnSuite::kName, HLKilnSuite::kVersion, &procs) == kNoErr;
    EXPECT_EQ(found ? static_cast<const HLKilnSuite*>(procs)->IsEngineReady() : -1, GetParam().readiness);
}

INSTANTIATE_TEST_SUITE_P(Engine, StandardStartupTest,
                         ::testing::Values(Attendance{"Ready", hostsim::EngineAttendance::Ready, true, 1},
                                           Attendance{"NotReady", hostsim::EngineAttendance::NotReady, true, 0},
                                           Attendance{"Absent", hostsim::EngineAttendance::Absent, false, -1}),
                         [](const auto& info) { return std::string(info.param.name); });

}  // namespace
