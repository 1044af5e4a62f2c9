#include "support/UniqueFile.h"
#include "support/platform/FileSystem.h"

#include "LineEnds.h"
#include "tests/support/TemporaryFolder.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <string>
#include <vector>

namespace {

namespace fs = std::filesystem;

constexpr const char* kFolderName = "D\xc3\xb6kumente \xe6\x97\xa5\xe6\x9c\xac"; // Dökumente 日本
constexpr const char* kFileName = "Gr\xc3\xb6\xc3\x9f" "e \xe2\x82\xac.press";   // Größe €.press
constexpr const char* kMovedName = "\xd0\x9a\xd0\xb8\xd1\x97\xd0\xb2.press";     // Київ.press

std::string Join(const std::string& folder, const std::string& name)
{
    return folder + platform::kPathSeparator + name;
}

bool WriteNew(const std::string& path, const std::string& text)
{
    UniqueFile file(platform::CreateNewFile(path));
    return file && std::fputs(text.c_str(), file.get()) >= 0 && platform::FlushToDisk(file.get());
}

std::string ReadText(const std::string& path, const char* mode)
{
    UniqueFile file(platform::OpenFile(path, mode));
    std::string text;
    if (!file)
        return "(cannot open)";
    for (int c = std::fgetc(file.get()); c != EOF; c = std::fgetc(file.get()))
        text += static_cast<char>(c);
    return text;
}

TEST(FileSystemTest, TextModeWritesThePlatformLineEndsAndReadsThemBack)
{
    TemporaryFolder root;
    const std::string path = Join(root.Utf8(), "lines.press");
    ASSERT_TRUE(WriteNew(path, "Version: 3\nIsFlexo: 0\n"));
    EXPECT_EQ(root.Read("lines.press"), WithPlatformLineEnds("Version: 3\nIsFlexo: 0\n"));
    EXPECT_EQ(ReadText(path, "rb"), WithPlatformLineEnds("Version: 3\nIsFlexo: 0\n"));
    EXPECT_EQ(ReadText(path, "r"), "Version: 3\nIsFlexo: 0\n");
}

// The names on disk are checked through std::filesystem, so names mangled by a narrow (ANSI)
// call would show.
TEST(FileSystemTest, NonAsciiNamesReachTheDiskUnchanged)
{
    TemporaryFolder root;
    const std::string folder = Join(root.Utf8(), kFolderName);
    ASSERT_TRUE(platform::CreateFolder(folder));
    EXPECT_TRUE(platform::CreateFolder(folder)) << "an existing folder is fine";
    EXPECT_TRUE(platform::IsFolder(folder));
    EXPECT_EQ(root.Entries(), std::vector<std::string> {kFolderName});

    const std::string file = Join(folder, kFileName);
    ASSERT_TRUE(WriteNew(file, "first\n"));
    EXPECT_FALSE(WriteNew(file, "second\n")) << "creating never overwrites";
    EXPECT_TRUE(platform::Exists(file));
    std::vector<std::string> names;
    ASSERT_TRUE(platform::ListRegularFiles(folder, names));
    EXPECT_EQ(names, std::vector<std::string> {kFileName});
    EXPECT_TRUE(fs::is_regular_file(root.Path() / fs::u8path(kFolderName) / fs::u8path(kFileName)));
    EXPECT_EQ(ReadText(file, "r"), "first\n");
}

TEST(FileSystemTest, MovesWithNonAsciiNamesReplaceOnlyWhenAsked)
{
    TemporaryFolder root;
    const std::string from = Join(root.Utf8(), kFileName);
    const std::string to = Join(root.Utf8(), kMovedName);
    ASSERT_TRUE(WriteNew(from, "new\n"));
    ASSERT_TRUE(WriteNew(to, "old\n"));

    EXPECT_EQ(platform::MoveInto(from, to, false), platform::MoveResult::TargetExists);
    EXPECT_EQ(ReadText(to, "r"), "old\n");
    EXPECT_EQ(ReadText(from, "r"), "new\n");

    EXPECT_EQ(platform::MoveInto(from, to, true), platform::MoveResult::Moved);
    EXPECT_EQ(ReadText(to, "r"), "new\n");
    EXPECT_EQ(root.Entries(), std::vector<std::string> {kMovedName});

    EXPECT_EQ(platform::MoveInto(from, to, true), platform::MoveResult::Failed) << "no source";
    EXPECT_TRUE(platform::RemoveFile(to));
    EXPECT_FALSE(platform::RemoveFile(to));
    EXPECT_TRUE(root.Entries().empty());
}

#ifdef _WIN32
// POSIX names are bytes; Windows names are UTF-16 and cannot hold malformed UTF-8.
TEST(FileSystemTest, MalformedUtf8NamesTouchNothing)
{
    TemporaryFolder root;
    const std::string bad = Join(root.Utf8(), "bad\xff.press");
    EXPECT_EQ(platform::CreateNewFile(bad), nullptr);
    EXPECT_FALSE(platform::CreateFolder(bad));
    EXPECT_TRUE(root.Entries().empty());
}
#endif

} // namespace
