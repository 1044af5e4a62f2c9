#include "support/ResourceDatabase.h"
#include "support/ResourceError.h"
#include "support/ResourceFileParser.h"

#include "tests/support/TemporaryFolder.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

// The key is looked up after parsing (a null value: absent); a null error: parsing succeeds.
struct ParseCase { const char* text; const char* key; const char* value; const char* error; int line; };

constexpr const char* kNoSeparator = "No ':' separator";
constexpr const char* kEndOfFile = "Premature END-OF-FILE";
constexpr const char* kSyntax = "Syntax error";

const ParseCase kCases[] = {
    {"a=b", "a", "b", nullptr, 0},
    {"# x : y\n; z : w\n/* q\n : r */ a : b", "a", "b", nullptr, 0},
    {"\"a b\" : \"c : = d\"", "a b", "c : = d", nullptr, 0},
    {"a\"b c\"d : v", "ab cd", "v", nullptr, 0},
    {"k : \"a\"+ /* c */\n \"b\"+\"c\"", "k", "abc", nullptr, 0},
    {"k : \"a\" +\"b\"", "k", "a", kNoSeparator, 1},  // a blank before "+" ends the value
    {"k : \"a\"+b", "k", nullptr, kSyntax, 1},
    {"k : \"\\n\\r\\t\"", "k", "\n\r\t", nullptr, 0},
    {"k : \\101", "k", "A", nullptr, 0},
    {"k : x\\501y", "k", "xAy", nullptr, 0},  // octal modulo 256
    {"k : \\377\\0x", "k", "\xff", nullptr, 0},
    {"k : \"\\q\\\"\\\\\"", "k", "q\"\\", nullptr, 0},
    {"\"Copy \\.\\.\\.\" : v", "Copy \\.\\.\\.", "v", nullptr, 0},  // keys keep their backslashes
    {"k : abc#rest : x\nj : d", "k", "abc", nullptr, 0},
    {"a : 1\na : 2", "a", "2", nullptr, 0},
    {"a : 1\r\nb : 2\r\n", "b", "2", nullptr, 0},
    {"a : b /* open", "a", "b", nullptr, 0},
    {"x : y\n\n  a b : c", "x", "y", kNoSeparator, 3},
    {"x : y\na : \"abc\ndef", "x", "y", kEndOfFile, 3},
    {": b", "b", nullptr, kSyntax, 1},
    {"a : : b", "a", nullptr, kSyntax, 1},
};

TEST(ResourceFileParser, ParsesAsTheFormatSays)
{
    for (const ParseCase& c : kCases) {
        SCOPED_TRACE(testing::PrintToString(std::string(c.text)));
        ResourceDatabasePtr db(ResourceDatabase::Create());
        const std::string text = c.text;
        std::vector<char> exact(text.begin(), text.end());  // no terminator after the text
        ::testing::internal::CaptureStderr();
        EXPECT_EQ(ResourceFileParser::ParseText(db.get(), exact.data(), exact.size(), "t.asc"), c.error == nullptr);
        EXPECT_EQ(::testing::internal::GetCapturedStderr(),
                  c.error ? std::string(c.error) + " detected in file t.asc at line " + std::to_string(c.line) + ".\n" : "");
        EXPECT_EQ(LastResourceError(), c.error != nullptr ? ResourceError::FileAccess : ResourceError::None);
        const auto value = ResourceDatabase::Lookup(db.get(), c.key);
        if (c.value == nullptr)
            EXPECT_FALSE(value) << *value;
        else
            EXPECT_EQ(value, std::string(c.value));
    }
}

// Token buffers grow in steps of 1024 bytes. Every cut of a text is read within its size, which
// the address sanitizer checks.
TEST(ResourceFileParser, LongTokensStayWholeAndCutTextsAreReadOnlyWithinTheirSize)
{
    const std::string text = "k : " + std::string(5 * 1024 + 7, 'v') + "\nj : \"a\"+ /* c */ \"b\" ; x\ni = \\101";
    ResourceDatabasePtr db(ResourceDatabase::Create());
    ASSERT_TRUE(ResourceFileParser::ParseText(db.get(), text.data(), text.size(), "t.asc"));
    EXPECT_EQ(ResourceDatabase::Lookup(db.get(), "k"), std::string(5 * 1024 + 7, 'v'));
    for (size_t size = text.size() - 40; size < text.size(); ++size) {
        std::vector<char> cut(text.begin(), text.begin() + static_cast<std::ptrdiff_t>(size));
        ::testing::internal::CaptureStderr();
        ResourceFileParser::ParseText(db.get(), cut.data(), cut.size(), "t.asc");
        ::testing::internal::GetCapturedStderr();
    }
}

TEST(ResourceFileParser, FilesAreReadThroughBackslashPathsAndAMissingOneFailsQuietly)
{
    TemporaryFolder folder;
    folder.Write("sub/m.asc", "a : b");
    ResourceDatabasePtr db(ResourceDatabase::Create());
    ASSERT_TRUE(ParseResourceFile(db.get(), (folder.Utf8() + "\\sub\\m.asc").c_str()));
    EXPECT_EQ(ResourceDatabase::Lookup(db.get(), "a"), "b");
    ::testing::internal::CaptureStderr();
    EXPECT_FALSE(ParseResourceFile(db.get(), folder.File("none.asc").c_str()));
    EXPECT_EQ(::testing::internal::GetCapturedStderr(), "");
    EXPECT_EQ(LastResourceError(), ResourceError::FileAccess);
}

} // namespace
