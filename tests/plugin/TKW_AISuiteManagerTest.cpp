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

    static const void* Pointer(const char* name) { return KnownSuitePointer(FindKnownSuite(name)); }
    int Acquired(const char* name) { return m_host.Suites().AcquireCount(name); }
    int Released(const char* name) { return m_host.Suites().ReleaseCount(name); }

    hostsim::Host m_host;
    TKW_AISuiteManager& m_manager = TKW_AISuiteManager::Instance();
};

TEST_F(SuiteManagerTest, OnlyTheOutermostAcquireAndReleaseReachTheHost)
{
    EXPECT_EQ(m_manager.AddSuite("AI Undo Suite"), kNoErr);
    EXPECT_EQ(Acquired("AI Undo Suite"), 0);

    EXPECT_EQ(m_manager.AcquireAll(), kNoErr);
    EXPECT_EQ(m_manager.AcquireAll(), kNoErr);
    EXPECT_EQ(Acquired("AI Undo Suite"), 1);
    EXPECT_NE(Pointer("AI Undo Suite"), nullptr);

    EXPECT_EQ(m_manager.ReleaseAll(), kNoErr);
    EXPECT_EQ(Released("AI Undo Suite"), 0);
    EXPECT_NE(Pointer("AI Undo Suite"), nullptr);
    EXPECT_EQ(m_manager.ReleaseAll(), kNoErr);
    EXPECT_EQ(Released("AI Undo Suite"), 1);
    EXPECT_EQ(Pointer("AI Undo Suite"), nullptr);
    EXPECT_EQ(m_manager.GetNestingCount(), 0);
}

TEST_F(SuiteManagerTest, AddSuiteWhileHeldAcquiresANewKnownSuiteOnceAndAnswersTheHostsError)
{
    m_manager.AcquireAll();
    EXPECT_EQ(m_manager.AddSuite("AI URL Suite"), kNoErr);
    EXPECT_EQ(m_manager.AddSuite("AI URL Suite"), kNoErr);
    EXPECT_EQ(Acquired("AI URL Suite"), 1);
    EXPECT_NE(Pointer("AI URL Suite"), nullptr);
    m_host.Suites().SetAcquireError("AI Tag Suite", FourCC("Tag!"));
    EXPECT_EQ(m_manager.AddSuite("AI Tag Suite"), FourCC("Tag!"));
    EXPECT_EQ(Pointer("AI Tag Suite"), nullptr);
    EXPECT_EQ(m_manager.AddSuite("AI Real Math Suite", 5), 1);
    EXPECT_EQ(m_manager.AddSuite("ai real math suite"), 1);
    EXPECT_EQ(m_manager.AddSuite(nullptr), 1);
    EXPECT_EQ(Acquired("AI Real Math Suite"), 0);
}

TEST_F(SuiteManagerTest, AcquireAllStopsAtTheFirstFailureAndStillCounts)
{
    // "AI Group Suite" comes before "AI Artboard Suite" in the table.
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

TEST_F(SuiteManagerTest, OutermostReleaseClearsEveryPointerButReleasesOnlyWantedOnes)
{
    const void*& unwanted = KnownSuitePointer(FindKnownSuite("ATE Story Suite"));
    m_manager.AcquireAll();
    unwanted = &unwanted;
    m_manager.ReleaseAll();
    EXPECT_EQ(unwanted, nullptr);
    EXPECT_EQ(Released("ATE Story Suite"), 0);
}

}  // namespace
