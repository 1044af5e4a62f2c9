#include "plugin/HostSuites.h"
#include "plugin/TKW_ModifierKeyBroadcaster.h"
#include "plugin/suites/AINotifierSuite.h"

#include <gtest/gtest.h>

#include <iterator>

namespace {

// Each input bit alone tells swapped bits apart; unmapped bits give 0.
TEST(ModifierKeyBroadcaster, EachInputBitMapsToItsState)
{
    const std::uint32_t bits[] = {0, 1u << 0, 1u << 1, 1u << 2, 1u << 3, 1u << 4, 1u << 5, 0xFFFFFFFFu};
    const ASUInt32 states[] = {0, 0x20, 0x80, 0x40, 0, 0x200, 0, 0x2E0};
    for (std::size_t i = 0; i < std::size(bits); ++i)
        EXPECT_EQ(TKW_ModifierKeyBroadcaster::StateFor(bits[i]), states[i]) << std::hex << bits[i];
}

// The modifier-key notification itself is checked through the host by the integration tests.
TEST(ModifierKeyBroadcaster, StateIsRememberedEvenWithoutTheNotifierSuite)
{
    KnownSuitePointer(FindKnownSuite(AINotifierSuite::kName)) = nullptr;
    TKW_ModifierKeyBroadcaster broadcaster;
    EXPECT_NE(broadcaster.OnModifiersChanged(1u << 0), kNoErr);
    EXPECT_EQ(broadcaster.LastState(), 0x20u);
}

}  // namespace
