#include "support/SearchPath.h"

#include "tests/support/TemporaryFolder.h"

#include <gtest/gtest.h>

namespace {

class SearchPathTest : public ::testing::Test {
protected:
    std::string Dir(const char* name) const { return (folder.Path() / name).string(); }

    TemporaryFolder folder;
};

TEST_F(SearchPathTest, DirectoriesAreTriedInOrderWithBackslashJoins)
{
    folder.Write("one/m.asc", "");
    folder.Write("two/m.asc", "");
    folder.Write("two/n.asc", "");
    const SearchPath path(Dir("missing") + ";;" + Dir("one") + "\\;" + Dir("two"));
    EXPECT_EQ(path.FindPlain("m.asc"), Dir("one") + "\\m.asc");
    EXPECT_EQ(path.FindPlain("n.asc"), Dir("two") + "\\n.asc");
    EXPECT_FALSE(path.FindPlain("o.asc"));
}

TEST_F(SearchPathTest, NameItselfComesFirst)
{
    const std::string direct = folder.Write("direct.asc", "");
    folder.Write("one/direct.asc", "");
    EXPECT_EQ(SearchPath(Dir("one")).FindPlain(direct), direct);
}

TEST_F(SearchPathTest, LanguageFolderIsSearchedInLowerCaseThenTheFolderC)
{
    folder.Write("one/german.lproj/m.asc", "");
    folder.Write("one/c/m.asc", "");
    folder.Write("one/c/only_c.asc", "");
    folder.Write("one/generic.asc", "");
    const SearchPath path(Dir("one"));
    EXPECT_EQ(path.FindInLanguage("m.asc", "German.lproj"), Dir("one") + "\\german.lproj\\m.asc");
    EXPECT_EQ(path.FindInLanguage("only_c.asc", "German.lproj"), Dir("one") + "\\c\\only_c.asc");
    EXPECT_EQ(path.FindInLanguage("m.asc", "C"), Dir("one") + "\\c\\m.asc");
    EXPECT_FALSE(path.FindInLanguage("generic.asc", "German.lproj"));
    EXPECT_EQ(path.FindLocalized("generic.asc", "German.lproj"), Dir("one") + "\\generic.asc");
    EXPECT_EQ(path.FindLocalized("m.asc", "German.lproj"), Dir("one") + "\\german.lproj\\m.asc");
}

TEST_F(SearchPathTest, EmptyPathAndEmptyLanguageFindNothingElsewhere)
{
    const SearchPath path("");
    EXPECT_FALSE(path.FindPlain("surely-not-here.asc"));
    EXPECT_FALSE(path.FindInLanguage("surely-not-here.asc", ""));
}

} // namespace
