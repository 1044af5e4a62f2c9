#include "support/Folder.h"

#include "support/FileName.h"
#include "tests/support/TemporaryFolder.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>

namespace {

TEST(FolderTest, ResolveMakesAbsolutePathsEndingInASeparatorButRefusesAnEmptyPath)
{
    Folder folder;
    ASSERT_TRUE(Folder::Resolve("relative", folder));
    EXPECT_TRUE(std::filesystem::u8path(folder.Path()).is_absolute());
    EXPECT_TRUE(FileName::EndsWithSeparator(folder.Path()));
    EXPECT_EQ(std::filesystem::u8path(folder.Path()).parent_path().filename(), "relative");

    TemporaryFolder temporary;
    ASSERT_TRUE(Folder::Resolve(temporary.Utf8(), folder));
    EXPECT_EQ(folder.FilePath("x.press"), FileName::Join(temporary.Utf8(), "x.press"));
    EXPECT_FALSE(Folder::Resolve("", folder));
    EXPECT_EQ(folder.FilePath("x.press"), FileName::Join(temporary.Utf8(), "x.press"));
}

TEST(FolderTest, CreateWithParentsMakesEveryMissingLevelUnlessAFileBlocksThePath)
{
    TemporaryFolder temporary;
    Folder folder;
    ASSERT_TRUE(Folder::Resolve(FileName::Join(FileName::Join(temporary.Utf8(), "Hueline"),
                                               "dot_gain_curves"),
                                folder));
    EXPECT_FALSE(folder.Exists());
    EXPECT_TRUE(folder.CreateWithParents());
    EXPECT_TRUE(std::filesystem::is_directory(temporary.Path() / "Hueline" / "dot_gain_curves"));
    EXPECT_TRUE(folder.CreateWithParents()) << "an existing folder is no failure";

    TemporaryFolder blocked;
    blocked.Write("Hueline", "a file, not a folder");
    Folder below;
    ASSERT_TRUE(Folder::Resolve(FileName::Join(FileName::Join(blocked.Utf8(), "Hueline"), "dot_gain_curves"), below));
    EXPECT_FALSE(below.CreateWithParents());
    EXPECT_EQ(blocked.Read("Hueline"), "a file, not a folder");
}

TEST(FolderTest, ListsRegularFilesOnlyAndAMissingFolderFails)
{
    TemporaryFolder temporary;
    temporary.Write("a.press", "");
    temporary.Write(".hidden", "");
    temporary.Write("Dru\xC3\xA7k.press", "");
    std::filesystem::create_directory(temporary.Path() / "d.press");
    Folder folder;
    ASSERT_TRUE(Folder::Resolve(temporary.Utf8(), folder));
    std::vector<std::string> names {"stale"};
    ASSERT_TRUE(folder.ListRegularFiles(names));
    std::sort(names.begin(), names.end());
    EXPECT_EQ(names, (std::vector<std::string> {".hidden", "Dru\xC3\xA7k.press", "a.press"}));
    Folder missing;
    ASSERT_TRUE(Folder::Resolve(FileName::Join(temporary.Utf8(), "missing"), missing));
    EXPECT_FALSE(missing.ListRegularFiles(names));
    EXPECT_TRUE(names.empty());
}

} // namespace
