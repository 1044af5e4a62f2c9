#include "support/Utf16Text.h"

#include <gtest/gtest.h>

namespace {

TEST(Utf16Text, ConvertsBothWaysWithoutLossAndLoneSurrogatesBecomeReplacementCharacters)
{
    const struct { const char* utf8; std::u16string utf16; } roundTrips[] = {
        {"", u""}, {"Dru\xC3\xA7k", u"Dru\u00E7k"}, {"\xE2\x82\xAC 5", u"\u20AC 5"},
        {"\xF0\x9D\x84\x9E", u"\xD834\xDD1E"}, {"\xEF\xBF\xBF\xF4\x8F\xBF\xBF", u"\xFFFF\xDBFF\xDFFF"},
    };
    for (const auto& entry : roundTrips) {
        std::u16string utf16 = u"stale";
        EXPECT_TRUE(Utf16Text::FromUtf8(entry.utf8, utf16)) << entry.utf8;
        EXPECT_EQ(utf16, entry.utf16) << entry.utf8;
        EXPECT_EQ(Utf16Text::ToUtf8(entry.utf16), entry.utf8);
    }
    EXPECT_EQ(Utf16Text::ToUtf8(u"a\xD800" u"b" u"\xDC00" u"x\xD834"), "a\xEF\xBF\xBD" "b\xEF\xBF\xBD" "x\xEF\xBF\xBD");
}

// An overlong "/" is a classic way to sneak a separator through.
TEST(Utf16Text, RefusesMalformedUtf8)
{
    for (const char* text : {"\x80", "a\xC3", "\xE2\x82", "\xC0\xAF", "\xE0\x80\xAF", "\xED\xA0\x80",
                             "\xF4\x90\x80\x80", "\xFF", "\xC3\x28"}) {
        std::u16string utf16 = u"stale";
        EXPECT_FALSE(Utf16Text::FromUtf8(text, utf16)) << testing::PrintToString(text);
        EXPECT_TRUE(utf16.empty());
        EXPECT_FALSE(Utf16Text::IsValidUtf8(text));
    }
}

} // namespace
