#include "sim/common/HandleTable.h"

#include <gtest/gtest.h>

#include <string>

namespace {

struct ThingOpaque;
using ThingHandle = ThingOpaque*;
using Things = sim::HandleTable<ThingHandle, std::string>;

TEST(HandleTable, ARemovedHandleStaysUnknownWhileNewRecordsComeAndGo)
{
    Things things;
    const ThingHandle first = things.Emplace("first");
    EXPECT_TRUE(things.Remove(first));
    for (int i = 0; i < 100; ++i)
        things.Remove(things.Emplace("reusing the memory"));
    const ThingHandle second = things.Emplace("second");
    EXPECT_NE(second, first);
    EXPECT_EQ(things.Find(first), nullptr);
    EXPECT_FALSE(things.Remove(first));
    EXPECT_EQ(*things.Find(second), "second");
    EXPECT_EQ(things.Find(nullptr), nullptr);
}

TEST(HandleTable, AHandleOfAFormerTableIsUnknownToTheNextOne)
{
    ThingHandle old = nullptr;
    {
        Things former;
        old = former.Emplace("former");
    }
    Things next;
    next.Emplace("next");
    EXPECT_EQ(next.Find(old), nullptr);
}

TEST(HandleTable, HandlesListTheLiveRecordsOldestFirst)
{
    Things things;
    const ThingHandle a = things.Emplace("a");
    const ThingHandle b = things.Emplace("b");
    const ThingHandle c = things.Emplace("c");
    things.Remove(b);
    EXPECT_EQ(things.Handles(), (std::vector<ThingHandle>{a, c}));
    things.Clear();
    EXPECT_EQ(things.Size(), 0u);
    EXPECT_EQ(things.Find(a), nullptr);
}

}  // namespace
