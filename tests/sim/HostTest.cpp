#include "sim/host/Host.h"

#include "plugin/suites/AINotifierSuite.h"
#include "plugin/suites/AIRuntimeSuite.h"
#include "plugin/suites/FourCC.h"
#include "plugin/suites/SPBasicSuite.h"

#include <gtest/gtest.h>

extern "C" short HostSimGetKeyState(int virtualKey);

namespace {

// The switches other tests turn to make the host fail; a switch without effect would let their
// failure paths pass untested.
TEST(Host, FailureSwitchesTakeEffectAndSuiteUseIsCounted)
{
    hostsim::Host host;
    const SPBasicSuite& basic = *host.BasicSuite();
    const char* name = AINotifierSuite::kName;
    const ASInt32 version = AINotifierSuite::kVersion;
    const void* suite = &host;
    host.Suites().SetMissing(name, true);
    EXPECT_EQ(basic.AcquireSuite(name, version, &suite), hostsim::SuiteNotFoundError());
    EXPECT_EQ(suite, nullptr);
    host.Suites().SetMissing(name, false);
    host.Suites().SetAcquireError(name, FourCC("FAIL"));
    EXPECT_EQ(basic.AcquireSuite(name, version, &suite), FourCC("FAIL"));
    EXPECT_EQ(host.Suites().AcquireCount(name), 0);
    host.Suites().SetAcquireError(name, kNoErr);
    ASSERT_EQ(basic.AcquireSuite(name, version, &suite), kNoErr);
    EXPECT_NE(suite, nullptr);
    EXPECT_EQ(host.Suites().HeldCount(name), 1);
    basic.ReleaseSuite(name, version);
    EXPECT_EQ(host.Suites().AcquireCount(name), 1);
    EXPECT_EQ(host.Suites().ReleaseCount(name), 1);
    EXPECT_EQ(host.Suites().HeldCount(name), 0);

    ASSERT_EQ(basic.AcquireSuite(AIRuntimeSuite::kName, AIRuntimeSuite::kVersion, &suite), kNoErr);
    host.SetMajorVersion(23);
    EXPECT_EQ(static_cast<const AIRuntimeSuite*>(suite)->GetAppMajorVersion(), 23);

    const auto plugin = reinterpret_cast<SPPluginRef>(&host);
    const SPAccessRef access = host.AccessFor(plugin);
    EXPECT_NE(access, nullptr);
    EXPECT_EQ(host.AccessFor(plugin), access);
    host.SetNoAccessReference(true);
    EXPECT_EQ(host.AccessFor(plugin), nullptr);

    constexpr int kControl = 17;
    EXPECT_EQ(HostSimGetKeyState(kControl), 0);
    host.SetControlKeyHeld(true);
    EXPECT_NE(HostSimGetKeyState(kControl) & 0x8000, 0);
    EXPECT_EQ(HostSimGetKeyState(kControl - 1), 0);

    EXPECT_FALSE(host.PopContext());
    host.PushContext();
    EXPECT_TRUE(host.PopContext());
    EXPECT_EQ(host.ContextDepth(), 0);
}

// A benchmark's timing copy is what plug-ins acquire once the suite is added; other suites, and
// tables added before the interposition, stay as they were added.
TEST(Host, InterposedTableIsAcquiredInsteadOfTheAddedOne)
{
    hostsim::Host host;
    const SPBasicSuite& basic = *host.BasicSuite();
    const int before = 0, added = 1, timed = 2, other = 3;
    const void* wrapped = nullptr;
    host.Suites().Add("Bench Suite", 1, &before);
    host.Suites().Interpose("Bench Suite", [&](const void* procs) {
        wrapped = procs;
        return static_cast<const void*>(&timed);
    });
    const void* suite = nullptr;
    ASSERT_EQ(basic.AcquireSuite("Bench Suite", 1, &suite), kNoErr);
    EXPECT_EQ(suite, &before);
    host.Suites().Add("Bench Suite", 1, &added);
    host.Suites().Add("Other Suite", 1, &other);
    ASSERT_EQ(basic.AcquireSuite("Bench Suite", 1, &suite), kNoErr);
    EXPECT_EQ(wrapped, &added);
    EXPECT_EQ(suite, &timed);
    ASSERT_EQ(basic.AcquireSuite("Other Suite", 1, &suite), kNoErr);
    EXPECT_EQ(suite, &other);
}

}  // namespace
