#include "sim/host/Host.h"

#include "plugin/suites/AINotifierSuite.h"
#include "plugin/suites/AIRuntimeSuite.h"
#include "plugin/suites/AIUnicodeStringSuite.h"
#include "plugin/suites/FourCC.h"
#include "plugin/suites/SPBasicSuite.h"
#include "sim/host/HostSuites.h"

#include <gtest/gtest.h>

#include <string>

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

// Plug-ins' UTF-8 becomes a host string only when it is well formed: an overlong form could
// smuggle a "/" or a NUL past a check made on the bytes.
TEST(Host, UnicodeStringsTakeOnlyWellFormedUtf8)
{
    hostsim::Host host;
    const void* acquired = nullptr;
    ASSERT_EQ(host.BasicSuite()->AcquireSuite(AIUnicodeStringSuite::kName, AIUnicodeStringSuite::kVersion, &acquired),
              kNoErr);
    const auto& strings = *static_cast<const AIUnicodeStringSuite*>(acquired);

    struct Row
    {
        std::string utf8;
        bool accepted;
    };
    const Row rows[] = {
        {"Gr\xC3\xBC\xC3\x9F" "e \xE2\x82\xAC \xF0\x9F\x8E\xA8", true},
        {"", true},
        {"a\xC0\xAF", false},             // "/" in two bytes
        {"\xE0\x80\xAF", false},          // "/" in three bytes
        {"\xF0\x80\x80\x80", false},      // NUL in four bytes
        {"\xED\xA0\x80", false},          // a surrogate
        {"\xF4\x90\x80\x80", false},      // past U+10FFFF
        {"\xC3", false},                  // cut short
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(testing::PrintToString(row.utf8));
        AIUnicodeStringHandle string = nullptr;
        const AIErr error = strings.Initialize(&string, row.utf8.data(), row.utf8.size(), kAIUTF8CharacterEncoding);
        if (!row.accepted) {
            EXPECT_EQ(error, hostsim::BadParameterError());
            EXPECT_EQ(string, nullptr);
            continue;
        }
        ASSERT_EQ(error, kNoErr);
        std::string back(row.utf8.size() + 1, '?');
        std::size_t needed = 0;
        EXPECT_EQ(strings.GetAs(string, kAIUTF8CharacterEncoding, back.data(), back.size(), &needed), kNoErr);
        EXPECT_EQ(needed, row.utf8.size() + 1);
        EXPECT_EQ(back.c_str(), row.utf8);
        strings.Destroy(string);
    }
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
