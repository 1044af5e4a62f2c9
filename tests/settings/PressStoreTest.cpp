#include "settings/PressStore.h"

#include "settings/PressError.h"
#include "settings/PressFileWriter.h"
#include "support/platform/SharedFolders.h"
#include "tests/settings/PressTestText.h"
#include "tests/support/LineEnds.h"
#include "tests/support/TemporaryFolder.h"
#include "tests/support/TestEnvironment.h"

#include <gtest/gtest.h>

#include <atomic>
#include <filesystem>
#include <thread>

#ifndef _WIN32
#include <csignal>
#include <sys/resource.h>
#endif

namespace {

namespace fs = std::filesystem;

// The settings folder is a sub-folder of a temporary root, so that a test can check that
// nothing escaped into the parent.
class PressStoreTest : public testing::Test
{
protected:
    void SetUp() override
    {
        fs::create_directory(m_root.Path() / "settings");
        ASSERT_TRUE(PressStore::SetFolder(SettingsPath()));
    }

    std::string SettingsPath() const { return (m_root.Path() / "settings").u8string(); }
    std::string SettingsFile(const std::string& name) const { return "settings/" + name; }
    std::vector<std::string> SettingsEntries() const
    {
        std::vector<std::string> names;
        for (const auto& entry : fs::directory_iterator(m_root.Path() / "settings"))
            names.push_back(entry.path().filename().u8string());
        std::sort(names.begin(), names.end());
        return names;
    }

    TemporaryFolder m_root;
};

std::string NameAt(int index)
{
    char buffer[512] = "stale";
    PressStore::NameAt(index, buffer, sizeof buffer);
    return buffer;
}

TEST_F(PressStoreTest, ListsOnlySettingsInFoldedOrder)
{
    for (const char* name : {"c.PRESS", "B.press", ".hidden.press", ".press", "a.press"})
        m_root.Write(SettingsFile(name), "");
    fs::create_directory(m_root.Path() / "settings" / "d.press");
    EXPECT_EQ(PressStore::Count(), 2);
    EXPECT_EQ(NameAt(0), "a");
    EXPECT_EQ(NameAt(1), "B");
    EXPECT_EQ(PressStore::Names(), (std::vector<std::string> {"a", "B"}));
    EXPECT_THROW(NameAt(2), PressError);
    EXPECT_THROW(NameAt(-1), PressError);
}

TEST_F(PressStoreTest, NameAtRefusesABufferTooSmallForTheName)
{
    m_root.Write(SettingsFile("abcd.press"), "");
    char buffer[5] = "";
    PressStore::NameAt(0, buffer, 5);
    EXPECT_STREQ(buffer, "abcd");
    EXPECT_THROW(PressStore::NameAt(0, buffer, 4), PressError);
    EXPECT_THROW(PressStore::NameAt(0, nullptr, 512), PressError);
}

TEST_F(PressStoreTest, SetFolderRefusesEmptyAndOverlongPathsKeepingTheFolder)
{
    m_root.Write(SettingsFile("kept.press"), "");
    EXPECT_FALSE(PressStore::SetFolder(""));
    EXPECT_FALSE(PressStore::SetFolder(std::string(512, 'p')));
    EXPECT_EQ(PressStore::Names(), std::vector<std::string> {"kept"});

    ASSERT_TRUE(PressStore::SetFolder((m_root.Path() / "missing").u8string()));
    EXPECT_EQ(PressStore::Count(), 0) << "an unreadable folder lists nothing";
}

TEST_F(PressStoreTest, InitFolderCreatesTheSettingsFolderInTheOverriddenSharedFolder)
{
    const EnvironmentGuard shared(platform::kSharedDocumentsVariable,
                                  (m_root.Path() / "shared").u8string());
    ASSERT_TRUE(PressStore::InitFolder());
    const fs::path settings = m_root.Path() / "shared" / "Hueline" / "dot_gain_curves";
    EXPECT_TRUE(fs::is_directory(settings));
    PressSettings record("x");
    PressStore::Save(record, "Coated", false);
    EXPECT_TRUE(fs::exists(settings / "Coated.press"));
    EXPECT_TRUE(PressStore::InitFolder()) << "an existing folder is reused";
    EXPECT_EQ(PressStore::Names(), std::vector<std::string> {"Coated"});
}

TEST_F(PressStoreTest, ANewDefaultRecordIsSavedByteForByteAndLoadsBackEqual)
{
    PressSettings record(PressStore::DefaultPressName());
    PressStore::Save(record, "Default", false);
    EXPECT_EQ(m_root.Read(SettingsFile("Default.press")), WithPlatformLineEnds(kDefaultRecordText));
    const auto loaded = PressStore::Load("Default");
    ASSERT_TRUE(loaded);
    EXPECT_EQ(loaded->Name, "Default");
    EXPECT_EQ(PressFileWriter::Format(*loaded), kDefaultRecordText);
    EXPECT_EQ(SettingsEntries(), std::vector<std::string> {"Default.press"})
        << "no temporary file is left behind";
}

// Files from Windows (CR LF) and from other systems (LF) both load; saving writes this
// platform's line ends, so a file saved where it was made comes back byte for byte.
TEST_F(PressStoreTest, CrLfAndLfFilesLoadAndSaveWithThePlatformLineEnds)
{
    std::string text = kDefaultRecordText;
    text.replace(text.find("TACLimit: 270.000000"), 20, "TACLimit: 310.500000");
    text.replace(text.find("50 Dot Gain: 0.000000"), 21, "50 Dot Gain: 17.250000");
    m_root.Write(SettingsFile("Windows.press"), WithCrLf(text));
    m_root.Write(SettingsFile("Posix.press"), text);

    for (const char* name : {"Windows", "Posix"}) {
        const auto loaded = PressStore::Load(name);
        ASSERT_TRUE(loaded) << name;
        EXPECT_EQ(loaded->TACLimit, 310.5) << name;
        EXPECT_EQ(loaded->DotGain50, 17.25) << name;
        PressStore::Save(*loaded, std::string(name) + " saved", false);
        EXPECT_EQ(m_root.Read(SettingsFile(std::string(name) + " saved.press")),
                  WithPlatformLineEnds(text))
            << name;
    }
}

// Windows keeps file names in UTF-16: every name must survive the conversion both ways.
TEST_F(PressStoreTest, NonAsciiNamesAreWrittenListedLoadedAndRemoved)
{
    const std::vector<std::string> names = {
        "emoji \xf0\x9f\x8e\xa8",                                  // a pair of UTF-16 surrogates
        "Zeitungsdruck Gr\xc3\xb6\xc3\x9f" "e",
        "\xd0\x9a\xd0\xb8\xd1\x97\xd0\xb2",                         // Київ
        "\xe6\x97\xa5\xe6\x9c\xac\xe3\x81\xae\xe6\x96\xb0\xe8\x81\x9e", // 日本の新聞
    };
    for (const auto& name : names) {
        PressSettings record("x");
        record.FirstDot = static_cast<int>(name.size());
        PressStore::Save(record, name, false);
        EXPECT_EQ(record.Name, name);
    }
    EXPECT_EQ(PressStore::Names(), names);
    std::vector<std::string> files;
    for (const auto& name : names)
        files.push_back(name + ".press");
    std::sort(files.begin(), files.end());
    EXPECT_EQ(SettingsEntries(), files);

    for (const auto& name : names) {
        const auto loaded = PressStore::Load(name);
        ASSERT_TRUE(loaded) << name;
        EXPECT_EQ(loaded->Name, name);
        EXPECT_EQ(loaded->FirstDot, static_cast<int>(name.size()));
        PressStore::Remove(name);
    }
    EXPECT_TRUE(SettingsEntries().empty());
}

TEST_F(PressStoreTest, LoadGivesNothingForMissingOrBrokenFiles)
{
    EXPECT_FALSE(PressStore::Load("missing"));
    m_root.Write(SettingsFile("broken.press"), "Version: 0\n");
    EXPECT_FALSE(PressStore::Load("broken"));
    m_root.Write(SettingsFile("empty.press"), "");
    EXPECT_FALSE(PressStore::Load("empty"));
}

TEST_F(PressStoreTest, SaveSetsTheNameOnlyOnSuccess)
{
    PressSettings record("Original");
    PressStore::Save(record, "Copy", false);
    EXPECT_EQ(record.Name, "Copy");
    record.Name = "Original";
    EXPECT_THROW(PressStore::Save(record, "Copy", false), PressError);
    EXPECT_EQ(record.Name, "Original");
}

TEST_F(PressStoreTest, CreatingOverAnExistingNameFailsAndOverwritingReplaces)
{
    m_root.Write(SettingsFile("Taken.press"), "old bytes");
    PressSettings record("New");
    record.TACLimit = 300.0;
    EXPECT_THROW(PressStore::Save(record, "Taken", false), PressError);
    EXPECT_EQ(m_root.Read(SettingsFile("Taken.press")), "old bytes");

    PressStore::Save(record, "Taken", true);
    const auto loaded = PressStore::Load("Taken");
    ASSERT_TRUE(loaded);
    EXPECT_EQ(loaded->TACLimit, 300.0);
    EXPECT_EQ(SettingsEntries(), std::vector<std::string> {"Taken.press"});
}

TEST_F(PressStoreTest, SaveFailsWhenTheFolderCannotBeWritten)
{
    ASSERT_TRUE(PressStore::SetFolder((m_root.Path() / "missing").u8string()));
    PressSettings record("Kept");
    EXPECT_THROW(PressStore::Save(record, "New", true), PressError);
    EXPECT_EQ(record.Name, "Kept");
    EXPECT_FALSE(fs::exists(m_root.Path() / "missing"));
}

TEST_F(PressStoreTest, RemoveDeletesAnyButTheDefaultSetting)
{
    m_root.Write(SettingsFile("Default.press"), kDefaultRecordText);
    m_root.Write(SettingsFile("Old.press"), kDefaultRecordText);
    PressStore::Remove("Old");
    EXPECT_THROW(PressStore::Remove("Default"), PressError);
    EXPECT_NO_THROW(PressStore::Remove("never existed"));
    EXPECT_EQ(SettingsEntries(), std::vector<std::string> {"Default.press"});
}

TEST_F(PressStoreTest, UntitledNamesSkipTakenOnesUpToNine)
{
    const char* first = PressStore::UniqueUntitledName();
    EXPECT_STREQ(first, "Untitled");
    m_root.Write(SettingsFile("Untitled.press"), "");
    m_root.Write(SettingsFile("Untitled 1.press"), "");
    const char* next = PressStore::UniqueUntitledName();
    EXPECT_STREQ(next, "Untitled 2");
    EXPECT_EQ(first, next) << "one shared buffer";

    for (int k = 2; k <= 9; ++k)
        m_root.Write(SettingsFile("Untitled " + std::to_string(k) + ".press"), "");
    EXPECT_STREQ(PressStore::UniqueUntitledName(), "Untitled 9") << "the ninth is not checked";
    PressSettings record("x");
    EXPECT_THROW(PressStore::Save(record, PressStore::UniqueUntitledName(), false), PressError);
}

// Names another workstation may have written: each is listed, and what is listed can be
// loaded, saved back, copied and removed.
TEST_F(PressStoreTest, SettingsDroppedIntoTheFolderLoadSaveCopyAndRemove)
{
    std::vector<std::string> names = {"blank ", "dot.", "x..y", "#1 (new)"};
#ifndef _WIN32
    names.insert(names.end(), {"CON", "a:b", "what?", "back\\slash", "bad\xC0\xAF" "utf8"});
#endif
    for (const auto& name : names)
        m_root.Write(SettingsFile(name + ".press"), kDefaultRecordText);
    std::vector<std::string> listed = PressStore::Names();
    std::sort(listed.begin(), listed.end());
    std::sort(names.begin(), names.end());
    ASSERT_EQ(listed, names);

    for (const auto& name : names) {
        const auto loaded = PressStore::Load(name);
        ASSERT_TRUE(loaded) << testing::PrintToString(name);
        EXPECT_EQ(loaded->Name, name);
        loaded->TACLimit = 300.0;
        PressStore::Save(*loaded, name, true);
        PressStore::Save(*loaded, name + " copy", false);
        EXPECT_EQ(PressStore::Load(name + " copy")->TACLimit, 300.0);
        PressStore::Remove(name);
        PressStore::Remove(name + " copy");
    }
    EXPECT_TRUE(SettingsEntries().empty());
}

TEST_F(PressStoreTest, NamesReachingOutsideTheFolderOrNeverListedAreRefused)
{
    m_root.Write("victim.press", "outside");
    m_root.Write(SettingsFile("inside.press"), "inside");
    std::vector<std::string> hostile = {
        "", ".", "..", ".hidden", "../victim", "/tmp/victim", "sub/inside", "a\nb", "tab\t",
        std::string("nul\0x", 5), std::string(256, 'n'),
    };
#ifdef _WIN32
    hostile.insert(hostile.end(), {"..\\victim", "sub\\inside", "CON", "nul", "a:b", "C:x"});
#endif
    for (const auto& name : hostile) {
        PressSettings record("Before");
        EXPECT_THROW(PressStore::Save(record, name, true), PressError) << testing::PrintToString(name);
        EXPECT_EQ(record.Name, "Before");
        EXPECT_FALSE(PressStore::Load(name)) << testing::PrintToString(name);
        EXPECT_THROW(PressStore::Remove(name), PressError) << testing::PrintToString(name);
    }
    EXPECT_EQ(m_root.Read("victim.press"), "outside");
    EXPECT_EQ(SettingsEntries(), std::vector<std::string> {"inside.press"});
    EXPECT_EQ(m_root.Entries(), (std::vector<std::string> {"settings", "victim.press"}));
}

TEST_F(PressStoreTest, FullPathsOverFiveHundredElevenBytesAreRefused)
{
    const std::string folderName(200, 'f');
    fs::create_directories(m_root.Path() / folderName / folderName);
    const std::string deep = (m_root.Path() / folderName / folderName).u8string();
    ASSERT_TRUE(PressStore::SetFolder(deep));
    const size_t room = 511 - deep.size() - 1 - std::string(".press").size();
    ASSERT_LT(room, 255u);
    PressSettings record("x");
    PressStore::Save(record, std::string(room, 'n'), false);
    EXPECT_TRUE(PressStore::Load(std::string(room, 'n')));
    EXPECT_THROW(PressStore::Save(record, std::string(room + 1, 'n'), false), PressError);
    EXPECT_FALSE(PressStore::Load(std::string(room + 1, 'n')));
    EXPECT_EQ(PressStore::Count(), 1);
}

TEST_F(PressStoreTest, ANameThePlatformRefusesFailsWithoutAFile)
{
    // 255 bytes fit a record, but name + ".press" is too long for a file name.
    PressSettings record("Kept");
    EXPECT_THROW(PressStore::Save(record, std::string(255, 'n'), false), PressError);
    EXPECT_EQ(record.Name, "Kept");
    EXPECT_TRUE(SettingsEntries().empty());
}

TEST_F(PressStoreTest, OfTwoConcurrentCreatorsExactlyOneSucceeds)
{
    constexpr int kRounds = 20;
    for (int round = 0; round < kRounds; ++round) {
        const std::string name = "Race " + std::to_string(round);
        std::atomic<int> ready {0};
        std::atomic<int> successes {0};
        auto create = [&](double tacLimit) {
            PressSettings record("x");
            record.TACLimit = tacLimit;
            ++ready;
            while (ready.load() < 2) {
            }
            try {
                PressStore::Save(record, name, false);
                ++successes;
            } catch (const PressError&) {
            }
        };
        std::thread first(create, 100.0);
        std::thread second(create, 200.0);
        first.join();
        second.join();
        EXPECT_EQ(successes.load(), 1) << name;
        const auto loaded = PressStore::Load(name);
        ASSERT_TRUE(loaded) << name;
        EXPECT_EQ(loaded->Version, 3);
    }
    EXPECT_EQ(SettingsEntries().size(), static_cast<size_t>(kRounds)) << "no temporary left";
}

#ifndef _WIN32
// Makes every write past `bytes` of a file fail, as a full disk would.
class FileSizeLimit
{
public:
    explicit FileSizeLimit(rlim_t bytes)
    {
        m_oldHandler = std::signal(SIGXFSZ, SIG_IGN);
        getrlimit(RLIMIT_FSIZE, &m_old);
        rlimit limited = m_old;
        limited.rlim_cur = bytes;
        setrlimit(RLIMIT_FSIZE, &limited);
    }
    ~FileSizeLimit()
    {
        setrlimit(RLIMIT_FSIZE, &m_old);
        std::signal(SIGXFSZ, m_oldHandler);
    }
    FileSizeLimit(const FileSizeLimit&) = delete;
    FileSizeLimit& operator=(const FileSizeLimit&) = delete;

private:
    rlimit m_old {};
    void (*m_oldHandler)(int) = nullptr;
};

TEST_F(PressStoreTest, RegressionAFailingWriteLeavesTheOldFileIntact)
{
    PressSettings old("Old");
    PressStore::Save(old, "Press", false);
    const std::string before = m_root.Read(SettingsFile("Press.press"));
    PressSettings changed("Changed");
    changed.TACLimit = 320.0;
    {
        const FileSizeLimit limit(100);
        EXPECT_THROW(PressStore::Save(changed, "Press", true), PressError);
    }
    EXPECT_EQ(changed.Name, "Changed");
    EXPECT_EQ(m_root.Read(SettingsFile("Press.press")), before);
    EXPECT_EQ(SettingsEntries(), std::vector<std::string> {"Press.press"});
}
#endif

} // namespace
