#include "sim/common/HandleTable.h"

#include <gtest/gtest.h>

#include <string>

namespace {

struct ThingOpaque;
using ThingHandle = ThingOpaque*;
using Things = sim::HandleTable<ThingHandle, std::string>;

// Plug-ins keep handles of closed documents and of former hosts; none may answer for a newer record.
TEST(HandleTable, ADeadHandleStaysUnknownWhileNewRecordsReuseTheMemoryAndInTheNextTable)
{
    ThingHandle former = nullptr;
    {
        Things before;
        former = before.Emplace("former");
    }
    Things things;
    const ThingHandle first = things.Emplace("first");
    EXPECT_TRUE(things.Remove(first));
    for (int i = 0; i < 100; ++i)
        things.Remove(things.Emplace("reusing the memory"));
    const ThingHandle second = things.Emplace("second");
    EXPECT_EQ(things.Find(first), nullptr);
    EXPECT_FALSE(things.Remove(first));
    EXPECT_EQ(things.Find(former), nullptr);
    EXPECT_EQ(things.Find(nullptr), nullptr);
    ASSERT_NE(things.Find(second), nullptr);
    EXPECT_EQ(*things.Find(second), "second");
    EXPECT_EQ(things.Handles(), std::vector<ThingHandle>{second});
}

}  // namespace
