#include "sim/app/ScriptLine.h"

#include <gtest/gtest.h>

namespace {

using hostapp::SplitScriptLine;
using Words = std::vector<std::string>;

TEST(ScriptLine, SplitsWordsQuotesAndComments)
{
    struct Case
    {
        const char* line;
        Words words;
    };
    const Case cases[] = {
        {"   \t # a comment", {}},
        {"  zoom\t200  \r", {"zoom", "200"}},
        {"type \"\" \"say \\\"hi\\\" \\\\ now\"", {"type", "", "say \"hi\" \\ now"}},
        {"click \"# not a comment\" # a comment", {"click", "# not a comment"}},
        {"echo a#b", {"echo", "a#b"}},
    };
    for (const Case& c : cases) {
        std::string error;
        const auto words = SplitScriptLine(c.line, error);
        ASSERT_TRUE(words.has_value()) << c.line << ": " << error;
        EXPECT_EQ(*words, c.words) << c.line;
    }
    std::string error;
    for (const char* line : {"open \"label.json", "open \"label.json\\\"", "open \"a\\n\"", "open \"a\"b", "open a\"b\""})
        EXPECT_FALSE(SplitScriptLine(line, error).has_value()) << line;
}

}  // namespace
