#include "support/Utf16Text.h"

#include <gtest/gtest.h>

namespace {

struct RoundTrip
{
    const char* utf8;
    std::u16string utf16;
};

const RoundTrip kRoundTrips[] = {
    {"", u""},
    {"Default", u"Default"},
    {"Dru\xC3\xA7k", u"Dru\u00E7k"},             // two-byte sequence
    {"\xE2\x82\xAC 5", u"\u20AC 5"},             // three-byte sequence
    {"\xF0\x9D\x84\x9E", u"\xD834\xDD1E"},       // four bytes: a surrogate pair
    {"\xEF\xBF\xBF\xF4\x8F\xBF\xBF", u"\xFFFF\xDBFF\xDFFF"}, // the largest values
};

TEST(Utf16TextTest, ConvertsBothWaysWithoutLoss)
{
    for (const auto& entry : kRoundTrips) {
        std::u16string utf16 = u"stale";
        EXPECT_TRUE(Utf16Text::FromUtf8(entry.utf8, utf16)) << entry.utf8;
        EXPECT_EQ(utf16, entry.utf16) << entry.utf8;
        EXPECT_EQ(Utf16Text::ToUtf8(entry.utf16), entry.utf8);
    }
}

TEST(Utf16TextTest, RefusesMalformedUtf8)
{
    const char* const malformed[] = {
        "\x80",             // continuation without a lead byte
        "a\xC3",            // truncated sequence
        "\xE2\x82",         // truncated three-byte sequence
        "\xC0\xAF",         // overlong '/', a classic way to sneak a separator through
        "\xE0\x80\xAF",     // overlong three-byte '/'
        "\xED\xA0\x80",     // encoded surrogate
        "\xF4\x90\x80\x80", // past U+10FFFF
        "\xFF",             // never a UTF-8 byte
        "\xC3\x28",         // lead byte followed by a non-continuation
    };
    for (const char* text : malformed) {
        std::u16string utf16 = u"stale";
        EXPECT_FALSE(Utf16Text::FromUtf8(text, utf16)) << testing::PrintToString(text);
        EXPECT_TRUE(utf16.empty());
        EXPECT_FALSE(Utf16Text::IsValidUtf8(text));
    }
}

TEST(Utf16TextTest, LoneSurrogatesBecomeReplacementCharacters)
{
    EXPECT_EQ(Utf16Text::ToUtf8(u"a\xD800" u"b"), "a\xEF\xBF\xBD" "b");
    EXPECT_EQ(Utf16Text::ToUtf8(u"\xDC00"), "\xEF\xBF\xBD");
    EXPECT_EQ(Utf16Text::ToUtf8(u"x\xD834"), "x\xEF\xBF\xBD");
}

} // namespace
