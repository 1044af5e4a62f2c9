// The platform layer: environment, key state, shared documents folder and file calls. The
// settings tests use each of them; these are the cases they do not reach.

#include "support/UniqueFile.h"
#include "support/platform/Environment.h"
#include "support/platform/FileSystem.h"
#include "support/platform/Keyboard.h"
#include "support/platform/SharedFolders.h"

#include "tests/support/TemporaryFolder.h"
#include "tests/support/TestEnvironment.h"

#include <gtest/gtest.h>

#include <array>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

#ifdef _WIN32
#include <windows.h>
#endif

namespace {

namespace fs = std::filesystem;

// Non-ASCII UTF-8 and the separators of a search path come back byte for byte. On Windows the
// system environment holds the same text: _putenv_s alone hands UTF-8 bytes to it as ANSI text.
TEST(Environment, WrittenValuesAreSeenByLaterReadsAndByGetenv)
{
    constexpr const char* kName = "HL_ENVIRONMENT_TEST";
    const EnvironmentGuard guard(kName, "first");
    const std::string value = "C:\\Program Files\\H\xc3\xbc" "eline;.\\\xe6\x97\xa5\xe6\x9c\xac";
    ASSERT_TRUE(platform::WriteEnvironment(kName, value.c_str()));
    EXPECT_EQ(platform::ReadEnvironment(kName), value);
    EXPECT_STREQ(std::getenv(kName), value.c_str());
#ifdef _WIN32
    wchar_t wide[64] = {};
    ASSERT_EQ(::GetEnvironmentVariableW(L"HL_ENVIRONMENT_TEST", wide, 64), 29u);
    EXPECT_STREQ(wide, L"C:\\Program Files\\H\u00fceline;.\\\u65e5\u672c");
#endif
}

#ifdef _WIN32
// This thread's key state, as GetKeyState reads it: high bit held, low bit toggled.
void SetKeyState(int virtualKey, unsigned char state)
{
    BYTE keys[256] = {};
    keys[virtualKey] = state;
    ASSERT_TRUE(::SetKeyboardState(keys));
}
#else
// The same state in the form GetKeyState gives it, exported below as the host's.
std::array<short, 256> s_keyState{};

void SetKeyState(int virtualKey, unsigned char state)
{
    s_keyState.fill(0);
    s_keyState[static_cast<size_t>(virtualKey)] = static_cast<short>((state & 0x80 ? 0xFF80 : 0) | (state & 0x01));
}
#endif

TEST(Keyboard, OnlyAHeldControlKeyCounts)
{
    constexpr int kControl = 17;
    const struct { int virtualKey; unsigned char state; bool controlDown; } cases[] = {
        {kControl, 0x80, true}, {kControl, 0x81, true}, {kControl, 0x01, false}, {kControl, 0x00, false},
        {16, 0x80, false},  // Shift
    };
    for (const auto& c : cases) {
        SetKeyState(c.virtualKey, c.state);
        EXPECT_EQ(IsControlKeyDown(), c.controlDown) << c.virtualKey << " in state " << int{c.state};
    }
    SetKeyState(kControl, 0x00);
}

#ifdef _WIN32
// Without the override, the Public Documents known folder of the running system (under Wine,
// of the test prefix).
TEST(SharedFolders, WithoutOverrideTheCommonDocumentsFolderIsGiven)
{
    const EnvironmentGuard unset(platform::kSharedDocumentsVariable, "");
    std::string folder;
    ASSERT_TRUE(platform::SharedDocumentsFolder(folder));
    EXPECT_TRUE(fs::u8path(folder).is_absolute()) << folder;
    EXPECT_TRUE(platform::IsFolder(folder)) << folder;
    EXPECT_EQ(fs::u8path(folder).filename(), "Documents") << folder;
    if (const char* publicFolder = std::getenv("PUBLIC")) {
        EXPECT_EQ(fs::u8path(folder), fs::u8path(publicFolder) / "Documents");
    }
}
#elif !defined(__APPLE__)
// Without the override, the XDG data home when it is absolute, else ~/.local/share.
TEST(SharedFolders, WithoutOverrideTheUsersDataHomeIsGiven)
{
    const EnvironmentGuard unset(platform::kSharedDocumentsVariable, "");
    const EnvironmentGuard home("HOME", "/home/tester");
    for (const auto& [dataHome, expected] : {std::pair{"/data/home", "/data/home"}, {"data", "/home/tester/.local/share"}}) {
        const EnvironmentGuard guard("XDG_DATA_HOME", dataHome);
        std::string folder;
        EXPECT_TRUE(platform::SharedDocumentsFolder(folder));
        EXPECT_EQ(folder, expected) << dataHome;
    }
}
#endif

// Image files are binary: no line end may be translated, and libraries seek back over what they
// wrote and read it.
TEST(FileSystem, BinaryFilesKeepEveryByteAndReadBack)
{
    TemporaryFolder root;
    const std::string file = root.File("image.bin");
    const std::string bytes("\n\r\n\x1a\0end", 8);
    UniqueFile created(platform::CreateNewFile(file, platform::FileMode::Binary));
    ASSERT_TRUE(created);
    ASSERT_EQ(std::fwrite(bytes.data(), 1, bytes.size(), created.get()), bytes.size());
    ASSERT_EQ(std::fseek(created.get(), 1, SEEK_SET), 0);
    std::array<char, 7> back{};
    ASSERT_EQ(std::fread(back.data(), 1, back.size(), created.get()), back.size());
    EXPECT_EQ(std::string(back.data(), back.size()), bytes.substr(1));
    EXPECT_EQ(platform::CreateNewFile(file, platform::FileMode::Binary), nullptr);
    created.reset();
    EXPECT_EQ(root.Read("image.bin"), bytes);
}

// The names on disk are checked through std::filesystem, so names mangled by a narrow (ANSI)
// call would show.
TEST(FileSystem, NonAsciiNamesReachTheDiskUnchanged)
{
    const char* folderName = "D\xc3\xb6kumente \xe6\x97\xa5\xe6\x9c\xac"; // Dökumente 日本
    const char* fileName = "Gr\xc3\xb6\xc3\x9f" "e \xe2\x82\xac.press";   // Größe €.press
    const char* movedName = "\xd0\x9a\xd0\xb8\xd1\x97\xd0\xb2.press";     // Київ.press
    TemporaryFolder root;
    const std::string folder = root.File(folderName);
    ASSERT_TRUE(platform::CreateFolder(folder));
    const std::string file = folder + platform::kPathSeparator + fileName;
    UniqueFile created(platform::CreateNewFile(file));
    ASSERT_TRUE(created && std::fputs("text\n", created.get()) >= 0 && platform::FlushToDisk(created.get()));
    created.reset();
    EXPECT_TRUE(fs::is_regular_file(root.Path() / fs::u8path(folderName) / fs::u8path(fileName)));
    std::vector<std::string> names;
    ASSERT_TRUE(platform::ListRegularFiles(folder, names));
    EXPECT_EQ(names, std::vector<std::string>{fileName});
    EXPECT_EQ(platform::MoveInto(file, root.File(movedName), false), platform::MoveResult::Moved);
    EXPECT_EQ(root.Entries(), (std::vector<std::string>{folderName, movedName}));
    EXPECT_TRUE(platform::RemoveFile(root.File(movedName)));
    EXPECT_FALSE(platform::Exists(root.File(movedName)));
#ifdef _WIN32
    // POSIX names are bytes; Windows names are UTF-16 and cannot hold malformed UTF-8.
    const std::string bad = root.File("bad") + "\xff.press";
    EXPECT_EQ(platform::CreateNewFile(bad), nullptr);
    EXPECT_FALSE(platform::CreateFolder(bad));
    EXPECT_EQ(root.Entries(), std::vector<std::string>{folderName});
#endif
}

} // namespace

#ifndef _WIN32
// The host's key state, which the POSIX implementation finds among the program's exports.
extern "C" __attribute__((visibility("default"))) short HostSimGetKeyState(int virtualKey)
{
    return virtualKey >= 0 && virtualKey < 256 ? s_keyState[static_cast<size_t>(virtualKey)] : 0;
}
#endif
