#include "support/SearchPath.h"

#include "tests/support/TemporaryFolder.h"

#include <gtest/gtest.h>

namespace {

// Directories are tried in order, empty entries skipped, joined with one backslash; the name
// itself comes first; a language folder is searched in lower case, then the folder c.
TEST(SearchPath, FindsTheFirstExistingCandidate)
{
    TemporaryFolder folder;
    const auto dir = [&folder](const std::string& name) { return folder.File(name); };
    for (const char* file : {"one/m.asc", "two/m.asc", "two/n.asc", "one/german.lproj/m.asc", "one/c/m.asc",
                             "one/c/only_c.asc", "two/generic.asc", "one/direct.asc"})
        folder.Write(file, "");
    const std::string direct = folder.Write("direct.asc", "");
    const SearchPath path(dir("missing") + ";;" + dir("one") + "\\;" + dir("two"));
    EXPECT_EQ(path.FindPlain("m.asc"), dir("one") + "\\m.asc");
    EXPECT_EQ(path.FindPlain("n.asc"), dir("two") + "\\n.asc");
    EXPECT_EQ(path.FindPlain(direct), direct);
    EXPECT_FALSE(path.FindPlain("o.asc"));
    EXPECT_EQ(path.FindInLanguage("m.asc", "German.lproj"), dir("one") + "\\german.lproj\\m.asc");
    EXPECT_EQ(path.FindInLanguage("only_c.asc", "German.lproj"), dir("one") + "\\c\\only_c.asc");
    EXPECT_EQ(path.FindInLanguage("m.asc", "C"), dir("one") + "\\c\\m.asc");
    EXPECT_FALSE(path.FindInLanguage("generic.asc", "German.lproj"));
    EXPECT_EQ(path.FindLocalized("generic.asc", "German.lproj"), dir("two") + "\\generic.asc");
    EXPECT_FALSE(SearchPath("").FindInLanguage("surely-not-here.asc", ""));
}

} // namespace
