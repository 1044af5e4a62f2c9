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
        {"", {}},
        {"   \t ", {}},
        {"# a comment", {}},
        {"zoom 200", {"zoom", "200"}},
        {"  zoom\t200  \r", {"zoom", "200"}},
        {"menu \"Window/Hueline/Viewer/Generate\"", {"menu", "Window/Hueline/Viewer/Generate"}},
        {"type \"\" \"say \\\"hi\\\" \\\\ now\"", {"type", "", "say \"hi\" \\ now"}},
        {"click \"# not a comment\" # a comment", {"click", "# not a comment"}},
        {"echo a#b", {"echo", "a#b"}},
        {"echo \"x\"# after", {"echo", "x"}},
    };
    for (const Case& c : cases) {
        std::string error;
        const auto words = SplitScriptLine(c.line, error);
        ASSERT_TRUE(words.has_value()) << c.line << ": " << error;
        EXPECT_EQ(*words, c.words) << c.line;
    }
}

TEST(ScriptLine, RefusesBrokenQuoting)
{
    struct Case
    {
        const char* line;
        const char* error;
    };
    const Case cases[] = {
        {"open \"label.json", "unterminated quote"},
        {"open \"label.json\\\"", "unterminated quote"},
        {"open \"a\\n\"", "unknown escape in a quoted word (only \\\" and \\\\)"},
        {"open \"a\\", "unknown escape in a quoted word (only \\\" and \\\\)"},
        {"open \"a\"b", "a quoted word must be followed by a blank"},
        {"open a\"b\"", "a quote inside a word"},
    };
    for (const Case& c : cases) {
        std::string error;
        EXPECT_FALSE(SplitScriptLine(c.line, error).has_value()) << c.line;
        EXPECT_EQ(error, c.error) << c.line;
    }
}

}  // namespace
