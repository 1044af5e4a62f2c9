#include "support/Utf16Text.h"

#include <gtest/gtest.h>

namespace {

// On Windows the settings tests take names of every plane through the conversions. An overlong
// "/" is a classic way to sneak a separator through.
TEST(Utf16Text, RefusesMalformedUtf8)
{
    for (const char* text : {"\x80", "a\xC3", "\xE2\x82", "\xC0\xAF", "\xE0\x80\xAF", "\xED\xA0\x80",
                             "\xF4\x90\x80\x80", "\xFF", "\xC3\x28"}) {
        std::u16string utf16 = u"stale";
        EXPECT_FALSE(Utf16Text::FromUtf8(text, utf16)) << testing::PrintToString(text);
        EXPECT_TRUE(utf16.empty());
        EXPECT_FALSE(Utf16Text::IsValidUtf8(text));
    }
    EXPECT_EQ(Utf16Text::ToUtf8(u"a\xD800" u"b" u"\xDC00" u"x\xD834"), "a\xEF\xBF\xBD" "b\xEF\xBF\xBD" "x\xEF\xBF\xBD")
        << "lone surrogates become replacement characters";
}

} // namespace
