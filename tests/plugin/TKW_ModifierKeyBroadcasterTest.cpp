#include "plugin/HostSuites.h"
#include "plugin/TKW_ModifierKeyBroadcaster.h"
#include "plugin/suites/AINotifierSuite.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

struct Broadcast
{
    std::string type;
    ASUInt32 state;
};

std::vector<Broadcast> g_broadcasts;

AIErr RecordBroadcast(const char* type, void* data)
{
    g_broadcasts.push_back({type, *static_cast<const ASUInt32*>(data)});
    return kNoErr;
}

// Stands in for the host's notifier suite while a test runs.
class ModifierKeyBroadcasterTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        m_suite.BroadcastNotifier = RecordBroadcast;
        Pointer() = &m_suite;
        g_broadcasts.clear();
    }
    void TearDown() override { Pointer() = nullptr; }

    static const void*& Pointer() { return KnownSuitePointer(FindKnownSuite(AINotifierSuite::kName)); }

    AINotifierSuite m_suite{};
    TKW_ModifierKeyBroadcaster m_broadcaster;
};

TEST_F(ModifierKeyBroadcasterTest, EachInputBitMapsToItsState)
{
    struct Row
    {
        std::uint32_t bits;
        ASUInt32 state;
    };
    const Row rows[] = {
        {0, 0},           {1u << 0, 0x20},  {1u << 1, 0x80}, {1u << 2, 0x40},  {1u << 3, 0},
        {1u << 4, 0x200}, {1u << 5, 0},     {0x17, 0x2E0},   {0xFFFFFFFFu, 0x2E0},
    };
    for (const Row& row : rows)
        EXPECT_EQ(TKW_ModifierKeyBroadcaster::StateFor(row.bits), row.state) << std::hex << row.bits;
}

TEST_F(ModifierKeyBroadcasterTest, ChangesAreBroadcastWithTheNewStateOnceButUnmappedOnesNot)
{
    EXPECT_EQ(m_broadcaster.OnModifiersChanged(1u << 3), kNoErr);
    EXPECT_TRUE(g_broadcasts.empty());
    m_broadcaster.OnModifiersChanged(1u << 1);
    m_broadcaster.OnModifiersChanged((1u << 1) | (1u << 3));
    m_broadcaster.OnModifiersChanged(0);
    ASSERT_EQ(g_broadcasts.size(), 2u);
    EXPECT_EQ(g_broadcasts[0].type, "HL Modifier Key Stroke Notifier");
    EXPECT_EQ(g_broadcasts[0].state, 0x80u);
    EXPECT_EQ(g_broadcasts[1].state, 0u);
}

TEST_F(ModifierKeyBroadcasterTest, WithoutTheNotifierSuiteTheStateIsStillRemembered)
{
    Pointer() = nullptr;
    EXPECT_NE(m_broadcaster.OnModifiersChanged(1u << 0), kNoErr);
    EXPECT_EQ(m_broadcaster.LastState(), 0x20u);
}

}  // namespace
