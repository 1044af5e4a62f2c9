// The engine's call record: the latest lines in a ring whose memory follows what it holds.

#include "sim/kiln/CallRecord.h"

#include "tests/support/HeapInUse.h"

#include <gtest/gtest.h>

#include <string>

namespace {

TEST(CallRecordTest, LongLinesPassingThroughLeaveNoMemoryBehind)
{
    if (!HeapInUse())
        GTEST_SKIP() << "this C runtime does not count its heap";
    kiln::CallRecord record;
    const auto fill = [&record](const std::string& line) {
        for (std::size_t i = 0; i < kiln::CallRecord::kKept; ++i)
            record.Add(line);
    };
    const std::string shortLine(40, 's');
    fill(shortLine);
    const std::size_t settled = *HeapInUse();
    fill(std::string(400, 'l'));
    fill(shortLine);
    // Had every slot kept the room of the long line it once held: two megabytes more.
    EXPECT_LT(*HeapInUse(), settled + 64 * 1024);
    EXPECT_EQ(record.Size(), kiln::CallRecord::kKept);
    EXPECT_EQ(record.At(0), shortLine);
    EXPECT_EQ(record.Forgotten(), 2 * kiln::CallRecord::kKept);
}

}  // namespace
