#include "plugin/HostSuites.h"
#include "plugin/KnownSuiteTable.h"
#include "plugin/TKW_AISuiteManager.h"
#include "plugin/suites/FourCC.h"
#include "sim/host/Host.h"

#include <gtest/gtest.h>

namespace {

// The manager is process-wide: each test starts it at nesting 0 with the host's basic suite and
// uses suites no other test of this file wants.
class SuiteManagerTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        m_manager.ResetNestingCount();
        m_manager.SetBasicSuite(m_host.BasicSuite());
    }
    void TearDown() override
    {
        while (m_manager.GetNestingCount() > 0)
            m_manager.ReleaseAll();
    }

    static const void*& Pointer(const char* name) { return KnownSuitePointer(FindKnownSuite(name)); }
    int Acquired(const char* name) { return m_host.Suites().AcquireCount(name); }
    int Released(const char* name) { return m_host.Suites().ReleaseCount(name); }

    hostsim::Host m_host;
    TKW_AISuiteManager& m_manager = TKW_AISuiteManager::Instance();
};

// The outermost release also clears pointers nobody wanted, but releases only wanted suites.
TEST_F(SuiteManagerTest, OnlyTheOutermostAcquireAndReleaseReachTheHost)
{
    EXPECT_EQ(m_manager.AddSuite("AI Undo Suite"), kNoErr);
    EXPECT_EQ(Acquired("AI Undo Suite"), 0);
    EXPECT_EQ(m_manager.AcquireAll(), kNoErr);
    EXPECT_EQ(m_manager.AcquireAll(), kNoErr);
    EXPECT_EQ(Acquired("AI Undo Suite"), 1);
    Pointer("ATE Story Suite") = &m_manager;

    EXPECT_EQ(m_manager.ReleaseAll(), kNoErr);
    EXPECT_EQ(Released("AI Undo Suite"), 0);
    EXPECT_NE(Pointer("AI Undo Suite"), nullptr);
    EXPECT_EQ(m_manager.ReleaseAll(), kNoErr);
    EXPECT_EQ(Released("AI Undo Suite"), 1);
    EXPECT_EQ(Pointer("AI Undo Suite"), nullptr);
    EXPECT_EQ(Pointer("ATE Story Suite"), nullptr);
    EXPECT_EQ(Released("ATE Story Suite"), 0);
    EXPECT_EQ(m_manager.GetNestingCount(), 0);
}

// Only exact names and versions of the table are wanted; the integration tests cover suites
// registered while suites are held.
TEST_F(SuiteManagerTest, AcquireAllStopsAtTheFirstFailureAndStillCounts)
{
    for (const char* unknown : {"ai group suite", "AI Group Suite ", "AI Group"})
        EXPECT_EQ(m_manager.AddSuite(unknown), 1) << unknown;
    EXPECT_EQ(m_manager.AddSuite(nullptr), 1);
    EXPECT_EQ(m_manager.AddSuite("AI Artboard Suite", 5), 1);
    ASSERT_LT(FindKnownSuite("AI Group Suite"), FindKnownSuite("AI Artboard Suite"));
    m_manager.AddSuite("AI Group Suite");
    m_manager.AddSuite("AI Artboard Suite");
    m_host.Suites().SetAcquireError("AI Group Suite", FourCC("Grp!"));
    EXPECT_EQ(m_manager.AcquireAll(), FourCC("Grp!"));
    EXPECT_EQ(m_manager.GetNestingCount(), 1);
    EXPECT_EQ(Acquired("AI Artboard Suite"), 0);
    EXPECT_EQ(m_manager.ReleaseAll(), kNoErr);
    EXPECT_EQ(Released("AI Group Suite"), 0);
}

}  // namespace
