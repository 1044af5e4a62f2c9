#include "support/platform/FileSystem.h"
#include "support/platform/SharedFolders.h"

#include "tests/support/TemporaryFolder.h"
#include "tests/support/TestEnvironment.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <string>

namespace {

namespace fs = std::filesystem;

constexpr const char* kNonAsciiFolder = "\xc3\x84rger \xe6\x97\xa5\xe6\x9c\xac"; // Ärger 日本

std::string SharedFolder()
{
    std::string path = "stale";
    EXPECT_TRUE(platform::SharedDocumentsFolder(path));
    return path;
}

TEST(SharedFoldersTest, TheOverrideIsTakenAsItsUtf8TextAndAnEmptyOneMeansThePlatformFolder)
{
    TemporaryFolder root;
    const std::string override = (root.Path() / fs::u8path(kNonAsciiFolder)).u8string();
    const EnvironmentGuard guard(platform::kSharedDocumentsVariable, override);
    EXPECT_EQ(SharedFolder(), override);
    std::string platformFolder;
    {
        const EnvironmentGuard unset(platform::kSharedDocumentsVariable, "");
        platformFolder = SharedFolder();
    }
    EXPECT_FALSE(platformFolder.empty());
    EXPECT_NE(override, platformFolder);
}

#ifdef _WIN32
// The Public Documents known folder of the running system (under Wine, of the test prefix).
TEST(SharedFoldersTest, WithoutOverrideTheCommonDocumentsFolderIsGiven)
{
    const EnvironmentGuard unset(platform::kSharedDocumentsVariable, "");
    const std::string folder = SharedFolder();
    EXPECT_TRUE(fs::u8path(folder).is_absolute()) << folder;
    EXPECT_TRUE(platform::IsFolder(folder)) << folder;
    EXPECT_EQ(fs::u8path(folder).filename(), "Documents") << folder;
    if (const char* publicFolder = std::getenv("PUBLIC")) {
        EXPECT_EQ(fs::u8path(folder), fs::u8path(publicFolder) / "Documents");
    }
}
#elif !defined(__APPLE__)
TEST(SharedFoldersTest, WithoutOverrideTheUsersDataHomeIsGiven)
{
    const EnvironmentGuard unset(platform::kSharedDocumentsVariable, "");
    const EnvironmentGuard home("HOME", "/home/tester");
    {
        const EnvironmentGuard dataHome("XDG_DATA_HOME", "/data/home");
        EXPECT_EQ(SharedFolder(), "/data/home");
    }
    for (const char* ignored : {"", "relative/data"}) {
        const EnvironmentGuard dataHome("XDG_DATA_HOME", ignored);
        EXPECT_EQ(SharedFolder(), "/home/tester/.local/share") << ignored;
    }
}
#endif

} // namespace
