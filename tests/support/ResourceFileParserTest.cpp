#include "support/ResourceDatabase.h"
#include "support/ResourceError.h"
#include "support/ResourceFileParser.h"

#include "tests/support/TemporaryFolder.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

struct ParseCase {
    const char* name;
    const char* text;
    const char* key;   // looked up after parsing
    const char* value; // expected value of key, null when it must be absent
    const char* error; // expected standard-error line, null when parsing succeeds
};

const ParseCase kCases[] = {
    {"Colon", "a : b", "a", "b", nullptr},
    {"EqualsSign", "a=b", "a", "b", nullptr},
    {"CommentsOfEveryKind", "# x : y\n; z : w\n/* q\n : r */ a : b", "a", "b", nullptr},
    {"QuotedKeyAndValueKeepBlanksAndSeparators", "\"a b\" : \"c : = d\"", "a b", "c : = d", nullptr},
    {"QuotesInsideAToken", "a\"b c\"d : v", "ab cd", "v", nullptr},
    {"PlusJoinsAcrossACommentAndLines", "k : \"a\"+ /* c */\n \"b\"", "k", "ab", nullptr},
    {"PlusJoinsAcrossALineComment", "k : \"a\"+ # c\n\"b\"+\"c\"", "k", "abc", nullptr},
    {"BlankBeforePlusEndsTheValue", "k : \"a\" +\"b\"", "k", "a",
     "No ':' separator detected in file t.asc at line 1.\n"},
    {"PlusBeforeSomethingElseIsAnError", "k : \"a\"+b", "k", nullptr,
     "Syntax error detected in file t.asc at line 1.\n"},
    {"NamedEscapes", "k : \"\\n\\r\\t\"", "k", "\n\r\t", nullptr},
    {"OctalEscapeGivesTheByte", "k : \\101", "k", "A", nullptr},
    {"OctalEscapeIsTakenModulo256", "k : x\\501y", "k", "xAy", nullptr},
    {"OctalEscapeCanProduceAnyByteAndANulEndsTheValue", "k : \\377\\0x", "k", "\xff", nullptr},
    {"OtherEscapesStandForThemselves", "k : \"\\q\\\"\\\\\"", "k", "q\"\\", nullptr},
    {"KeysKeepTheirBackslashes", "\"Copy \\.\\.\\.\" : v", "Copy \\.\\.\\.", "v", nullptr},
    {"HashInsideATokenStartsAComment", "k : abc#rest : x\nj : d", "k", "abc", nullptr},
    {"SemicolonInsideATokenStartsAComment", "k : abc;rest\n", "k", "abc", nullptr},
    {"LaterEntryReplacesEarlier", "a : 1\na : 2", "a", "2", nullptr},
    {"CarriageReturnsAreBlanks", "a : 1\r\nb : 2\r\n", "b", "2", nullptr},
    {"EmptyQuotedValue", "a : \"\"", "a", "", nullptr},
    {"UnterminatedBlockCommentEndsTheText", "a : b /* open", "a", "b", nullptr},
    {"MissingSeparator", "x : y\n\n  a b : c", "x", "y",
     "No ':' separator detected in file t.asc at line 3.\n"},
    {"KeyAtEndOfFile", "x : y a", "x", "y", "No ':' separator detected in file t.asc at line 1.\n"},
    {"ValueMissingAtEndOfFile", "x : y\na :\n", "x", "y",
     "Premature END-OF-FILE detected in file t.asc at line 3.\n"},
    {"UnterminatedQuoteKeepsEarlierEntries", "x : y\na : \"abc\ndef", "x", "y",
     "Premature END-OF-FILE detected in file t.asc at line 3.\n"},
    {"UnterminatedQuoteInAKey", "\"abc", "abc", nullptr,
     "Premature END-OF-FILE detected in file t.asc at line 1.\n"},
    {"EmptyKey", ": b", "b", nullptr, "Syntax error detected in file t.asc at line 1.\n"},
    {"EmptyValue", "a : : b", "a", nullptr, "Syntax error detected in file t.asc at line 1.\n"},
};

class ResourceFileParserTable : public ::testing::TestWithParam<ParseCase> {};

TEST_P(ResourceFileParserTable, ParsesAsTheFormatSays)
{
    const ParseCase& c = GetParam();
    ResourceDatabasePtr db(ResourceDatabase::Create());
    const std::string text = c.text;
    ::testing::internal::CaptureStderr();
    const bool complete = ResourceFileParser::ParseText(db.get(), text.data(), text.size(), "t.asc");
    const std::string err = ::testing::internal::GetCapturedStderr();

    EXPECT_EQ(complete, c.error == nullptr);
    EXPECT_EQ(err, c.error != nullptr ? c.error : "");
    EXPECT_EQ(LastResourceError(), c.error != nullptr ? ResourceError::FileAccess : ResourceError::None);
    const auto value = ResourceDatabase::Lookup(db.get(), c.key);
    if (c.value == nullptr)
        EXPECT_FALSE(value) << *value;
    else
        EXPECT_EQ(value, std::string(c.value));
}

INSTANTIATE_TEST_SUITE_P(Rules, ResourceFileParserTable, ::testing::ValuesIn(kCases),
                         [](const auto& info) { return std::string(info.param.name); });

TEST(ResourceFileParser, TokensLongerThanManyBufferStepsStayWhole)
{
    const std::string longValue(5 * 1024 + 7, 'v');
    const std::string text = "k : " + longValue;
    ResourceDatabasePtr db(ResourceDatabase::Create());
    ASSERT_TRUE(ResourceFileParser::ParseText(db.get(), text.data(), text.size(), "t.asc"));
    EXPECT_EQ(ResourceDatabase::Lookup(db.get(), "k"), longValue);
}

TEST(ResourceFileParser, TextWithoutTerminatorIsReadOnlyWithinItsSize)
{
    // Sizes cut the same text at every point; none may read past it.
    const std::string text = "k : \"a\"+ /* c */ \"b\" ; x\nj = \\101";
    for (size_t size = 0; size <= text.size(); ++size) {
        const std::string cut = text.substr(0, size);
        std::vector<char> copy(cut.begin(), cut.end()); // no terminator after the text
        ResourceDatabasePtr db(ResourceDatabase::Create());
        ::testing::internal::CaptureStderr();
        ResourceFileParser::ParseText(db.get(), copy.data(), copy.size(), "t.asc");
        ::testing::internal::GetCapturedStderr();
    }
    ResourceDatabasePtr db(ResourceDatabase::Create());
    ASSERT_TRUE(ResourceFileParser::ParseText(db.get(), text.data(), text.size(), "t.asc"));
    EXPECT_EQ(ResourceDatabase::Lookup(db.get(), "j"), "A");
}

TEST(ResourceFileParser, FileIsReadThroughBackslashPathsAndMissingFilesFail)
{
    TemporaryFolder folder;
    folder.Write("sub/m.asc", "a : b");
    ResourceDatabasePtr db(ResourceDatabase::Create());
    ASSERT_TRUE(ParseResourceFile(db.get(), (folder.Path().string() + "\\sub\\m.asc").c_str()));
    EXPECT_EQ(ResourceDatabase::Lookup(db.get(), "a"), "b");

    ::testing::internal::CaptureStderr();
    EXPECT_FALSE(ParseResourceFile(db.get(), (folder.Path() / "none.asc").string().c_str()));
    EXPECT_EQ(::testing::internal::GetCapturedStderr(), "");
    EXPECT_EQ(LastResourceError(), ResourceError::FileAccess);
}

TEST(ResourceFileParser, InvalidDatabaseIsRefusedBeforeReading)
{
    alignas(ResourceDatabase) char block[16] = "not a db";
    const std::string text = "a : b";
    EXPECT_FALSE(ResourceFileParser::ParseText(reinterpret_cast<ResourceDatabase*>(block),
                                               text.data(), text.size(), "t.asc"));
    EXPECT_EQ(LastResourceError(), ResourceError::InvalidDatabase);
}

} // namespace
