#include "settings/PressListing.h"

#include "tests/support/TemporaryFolder.h"

#include <gtest/gtest.h>

#include <algorithm>

namespace {

TEST(PressListingTest, KeepsOnlyVisibleDotPressFiles)
{
    const std::pair<const char*, bool> cases[] = {
        {"a.press", true},       {"Untitled 1.press", true}, {"x.press.press", true},
        {".press", false},       {".hidden.press", false},   {"c.PRESS", false},
        {"a.press.bak", false},  {"apress", false},          {"press", false},
        {"", false},
    };
    for (const auto& [name, kept] : cases)
        EXPECT_EQ(PressListing::IsSettingsFileName(name), kept) << name;
}

TEST(PressListingTest, SortsByFileNameWithAsciiLettersFoldedToLowerCase)
{
    // Sorted by the whole file name: "a b.press" comes before "a.press" because ' ' < '.'.
    const std::vector<std::string> sorted = {
        "_x.press", "a b.press", "A.press", "a.press", "B.press", "b2.press", "c.press",
        "Z.press", "\xC3\xA9.press",
    };
    for (size_t i = 0; i + 1 < sorted.size(); ++i) {
        EXPECT_TRUE(PressListing::ListsBefore(sorted[i], sorted[i + 1])) << sorted[i];
        EXPECT_FALSE(PressListing::ListsBefore(sorted[i + 1], sorted[i])) << sorted[i];
    }
    EXPECT_FALSE(PressListing::ListsBefore("a.press", "a.press"));
}

TEST(PressListingTest, ListsTheFolderInOneEnumeration)
{
    TemporaryFolder temporary;
    for (const char* name : {"c.PRESS", "B.press", ".hidden.press", ".press", "a.press", "notes"})
        temporary.Write(name, "");
    std::filesystem::create_directory(temporary.Path() / "d.press");
    Folder folder;
    ASSERT_TRUE(Folder::Resolve(temporary.Utf8(), folder));
    EXPECT_EQ(PressListing::Names(folder), (std::vector<std::string> {"a", "B"}));
}

TEST(PressListingTest, AnUnreadableOrUnsetFolderListsNothing)
{
    EXPECT_TRUE(PressListing::Names(Folder()).empty());
    TemporaryFolder temporary;
    Folder missing;
    ASSERT_TRUE(Folder::Resolve((temporary.Path() / "missing").u8string(), missing));
    EXPECT_TRUE(PressListing::Names(missing).empty());
}

} // namespace
