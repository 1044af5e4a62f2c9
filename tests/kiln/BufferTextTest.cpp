#include "sim/kiln/BufferText.h"

#include <gtest/gtest.h>

#include <cstring>

namespace {

TEST(BufferTextTest, FittingTextIsCopiedWithItsNulAndLongTextCutAtACharacterBoundary)
{
    char buffer[8];
    std::memset(buffer, 'x', sizeof buffer);
    ASSERT_TRUE(kiln::WriteText("Cyan", buffer, sizeof buffer));
    EXPECT_STREQ(buffer, "Cyan");
    EXPECT_EQ(buffer[5], 'x');
    ASSERT_TRUE(kiln::WriteText("abcdefgh", buffer, 6));
    EXPECT_STREQ(buffer, "abcde");
    // "ab" then U+00E9 (two bytes) then U+20AC (three bytes): five bytes fit, the euro sign does not.
    ASSERT_TRUE(kiln::WriteText("ab\xc3\xa9\xe2\x82\xac", buffer, 6));
    EXPECT_STREQ(buffer, "ab\xc3\xa9");
}

TEST(BufferTextTest, NoBufferOrNoRoomWritesNothing)
{
    char buffer[2] = {'x', 'x'};
    EXPECT_FALSE(kiln::WriteText("Cyan", nullptr, 10));
    EXPECT_FALSE(kiln::WriteText("Cyan", buffer, 0));
    EXPECT_FALSE(kiln::WriteText("Cyan", buffer, -1));
    EXPECT_EQ(buffer[0], 'x');
    ASSERT_TRUE(kiln::WriteText("Cyan", buffer, 1));
    EXPECT_STREQ(buffer, "");
}

}  // namespace
