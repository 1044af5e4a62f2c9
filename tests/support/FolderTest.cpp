#include "support/Folder.h"

#include "support/FileName.h"
#include "tests/support/TemporaryFolder.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>

namespace {

TEST(FolderTest, ResolveMakesAbsolutePathsEndingInASeparator)
{
    Folder folder;
    ASSERT_TRUE(Folder::Resolve("relative", folder));
    EXPECT_TRUE(std::filesystem::u8path(folder.Path()).is_absolute());
    EXPECT_TRUE(FileName::EndsWithSeparator(folder.Path()));
    EXPECT_EQ(std::filesystem::u8path(folder.Path()).parent_path().filename(), "relative");

    TemporaryFolder temporary;
    ASSERT_TRUE(Folder::Resolve(temporary.Utf8(), folder));
    EXPECT_EQ(folder.FilePath("x.press"), FileName::Join(temporary.Utf8(), "x.press"));
}

TEST(FolderTest, ResolveRefusesAnEmptyPathAndKeepsTheFolder)
{
    Folder folder;
    ASSERT_TRUE(Folder::Resolve("kept", folder));
    const std::string before = folder.Path();
    EXPECT_FALSE(Folder::Resolve("", folder));
    EXPECT_EQ(folder.Path(), before);
}

TEST(FolderTest, CreateWithParentsMakesEveryMissingLevel)
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
}

TEST(FolderTest, CreateWithParentsFailsWhenAFileBlocksThePath)
{
    TemporaryFolder temporary;
    temporary.Write("Hueline", "a file, not a folder");
    Folder folder;
    ASSERT_TRUE(Folder::Resolve(FileName::Join(FileName::Join(temporary.Utf8(), "Hueline"),
                                               "dot_gain_curves"),
                                folder));
    EXPECT_FALSE(folder.CreateWithParents());
    EXPECT_EQ(temporary.Read("Hueline"), "a file, not a folder");
}

TEST(FolderTest, ListsRegularFilesOnly)
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
}

TEST(FolderTest, ListingAMissingFolderFails)
{
    TemporaryFolder temporary;
    Folder folder;
    ASSERT_TRUE(Folder::Resolve(FileName::Join(temporary.Utf8(), "missing"), folder));
    std::vector<std::string> names {"stale"};
    EXPECT_FALSE(folder.ListRegularFiles(names));
    EXPECT_TRUE(names.empty());
}

} // namespace
