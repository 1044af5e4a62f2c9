#include "support/SearchPath.h"

#include "tests/support/TemporaryFolder.h"

#include <gtest/gtest.h>

namespace {

// The localisation tests find language and generic files; these are the joins and orders.
// Empty entries are skipped, a trailing backslash is not doubled, the name itself comes first,
// a language folder is searched in lower case and then the folder c.
TEST(SearchPath, FindsTheFirstExistingCandidate)
{
    TemporaryFolder folder;
    for (const char* file : {"one/m.asc", "two/m.asc", "two/n.asc", "two/c/n.asc", "one/direct.asc"})
        folder.Write(file, "");
    const std::string direct = folder.Write("direct.asc", "");
    const std::string one = folder.File("one");
    const std::string two = folder.File("two");
    const SearchPath path(folder.File("missing") + ";;" + one + "\\;" + two);
    EXPECT_EQ(path.FindPlain("m.asc"), one + "\\m.asc");
    EXPECT_EQ(path.FindPlain("n.asc"), two + "\\n.asc");
    EXPECT_EQ(path.FindPlain(direct), direct);
    EXPECT_FALSE(path.FindPlain("o.asc"));
    EXPECT_EQ(path.FindInLanguage("n.asc", "German.lproj"), two + "\\c\\n.asc");
    EXPECT_FALSE(path.FindInLanguage("m.asc", "German.lproj"));
}

} // namespace
