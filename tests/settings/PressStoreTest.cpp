#include "settings/PressStore.h"

#include "settings/PressError.h"
#include "settings/PressFileWriter.h"
#include "settings/PressListing.h"
#include "support/platform/InputFile.h"
#include "support/platform/SharedFolders.h"
#include "tests/settings/PressTestText.h"
#include "tests/support/LineEnds.h"
#include "tests/support/TemporaryFolder.h"
#include "tests/support/TestEnvironment.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <atomic>
#include <functional>
#include <tuple>
#include <thread>

#ifndef _WIN32
#include "tests/support/ScratchFileSystem.h"

#include <chrono>
#include <csignal>
#include <fcntl.h>
#include <future>
#include <sys/resource.h>
#include <sys/stat.h>
#include <unistd.h>
#endif

namespace {

namespace fs = std::filesystem;
using Names = std::vector<std::string>;

// The settings folder is a sub-folder, so that a test can check that nothing escaped into the parent.
class PressStoreTest : public testing::Test
{
protected:
    void SetUp() override
    {
        fs::create_directory(m_root.Path() / "settings");
        ASSERT_TRUE(PressStore::SetFolder((m_root.Path() / "settings").u8string()));
    }

    void Write(const std::string& name, const std::string& text) const { m_root.Write("settings/" + name, text); }
    std::string Read(const std::string& name) const { return m_root.Read("settings/" + name); }
    Names Entries() const
    {
        Names names;
        for (const auto& entry : fs::directory_iterator(m_root.Path() / "settings"))
            names.push_back(entry.path().filename().u8string());
        std::sort(names.begin(), names.end());
        return names;
    }

    TemporaryFolder m_root;
};

std::string NameAt(int index, size_t size = 512)
{
    char buffer[512] = "stale";
    PressStore::NameAt(index, buffer, size);
    return buffer;
}

TEST_F(PressStoreTest, ListsOnlySettingsFilesSortedWithAsciiLettersFolded)
{
    for (const char* name : {"c.PRESS", "B.press", ".hidden.press", ".press", "a.press", "a b.press", "notes",
                             "\xC3\xA9.press", "_x.press", "a.press.bak"})
        Write(name, "");
    fs::create_directory(m_root.Path() / "settings" / "d.press");
    EXPECT_EQ(PressStore::Names(), (Names {"_x", "a b", "a", "B", "\xC3\xA9"}));
    EXPECT_EQ(PressStore::Count(), 5);
    EXPECT_EQ(NameAt(3), "B");
    EXPECT_EQ(NameAt(2, 2), "a");
    EXPECT_THROW(NameAt(3, 1), PressError);
    EXPECT_THROW(NameAt(5), PressError);
    EXPECT_THROW(NameAt(-1), PressError);
    EXPECT_THROW(PressStore::NameAt(0, nullptr, 512), PressError);
}

TEST_F(PressStoreTest, FoldersAreRefusedWhenEmptyOrTooLongAndMadeInTheSharedFolder)
{
    Write("kept.press", "");
    EXPECT_FALSE(PressStore::SetFolder(""));
    EXPECT_FALSE(PressStore::SetFolder(std::string(512, 'p')));
    EXPECT_EQ(PressStore::Names(), Names {"kept"});
    ASSERT_TRUE(PressStore::SetFolder((m_root.Path() / "missing").u8string()));
    EXPECT_EQ(PressStore::Count(), 0);
    PressSettings record("Kept");
    EXPECT_THROW(PressStore::Save(record, "New", true), PressError);
    EXPECT_EQ(record.Name, "Kept");
    EXPECT_FALSE(fs::exists(m_root.Path() / "missing"));

    const EnvironmentGuard shared(platform::kSharedDocumentsVariable, (m_root.Path() / "shared").u8string());
    for (int run = 0; run < 2; ++run)
        ASSERT_TRUE(PressStore::InitFolder()) << "run " << run;
    PressStore::Save(record, "Coated", false);
    EXPECT_TRUE(fs::exists(m_root.Path() / "shared" / "Hueline" / "dot_gain_curves" / "Coated.press"));
}

// Files from Windows (CR LF) and other systems (LF) load; saving writes this platform's line ends.
TEST_F(PressStoreTest, RecordsAreSavedWithThePlatformLineEndsAndLoadBackEqual)
{
    PressSettings record(PressStore::DefaultPressName());
    PressStore::Save(record, "Default", false);
    EXPECT_EQ(Read("Default.press"), WithPlatformLineEnds(kDefaultRecordText));
    Write("Windows.press", WithCrLf(kChangedRecordText));
    Write("Posix.press", kChangedRecordText);
    for (const std::string name : {"Windows", "Posix"}) {
        const auto loaded = PressStore::Load(name);
        ASSERT_TRUE(loaded) << name;
        EXPECT_EQ(loaded->Name, name);
        PressStore::Save(*loaded, name + " saved", false);
        EXPECT_EQ(Read(name + " saved.press"), WithPlatformLineEnds(kChangedRecordText)) << name;
    }
    EXPECT_EQ(Entries().size(), 5u) << "no temporary file is left behind";
    Write("broken.press", "Version: 0\n");
    Write("empty.press", "");
    for (const char* bad : {"missing", "broken", "empty"})
        EXPECT_FALSE(PressStore::Load(bad)) << bad;
}

TEST_F(PressStoreTest, SavingOverAnExistingNameNeedsOverwriteAndChangesTheNameOnlyOnSuccess)
{
    Write("Taken.press", "old bytes");
    PressSettings record("New");
    record.TACLimit = 300.0;
    EXPECT_THROW(PressStore::Save(record, "Taken", false), PressError);
    EXPECT_EQ(record.Name, "New");
    EXPECT_EQ(Read("Taken.press"), "old bytes");
    PressStore::Save(record, "Taken", true);
    EXPECT_EQ(record.Name, "Taken");
    EXPECT_EQ(PressStore::Load("Taken")->TACLimit, 300.0);
    // 255 bytes fit a record, but not a file name once ".press" is added.
    EXPECT_THROW(PressStore::Save(record, std::string(255, 'n'), false), PressError);
    EXPECT_EQ(record.Name, "Taken");
    EXPECT_EQ(Entries(), Names {"Taken.press"});
}

TEST_F(PressStoreTest, RemoveDeletesAnyButTheDefaultSetting)
{
    Write("Default.press", kDefaultRecordText);
    Write("Old.press", kDefaultRecordText);
    PressStore::Remove("Old");
    EXPECT_THROW(PressStore::Remove("Default"), PressError);
    EXPECT_NO_THROW(PressStore::Remove("never existed"));
    EXPECT_EQ(Entries(), Names {"Default.press"});
}

TEST_F(PressStoreTest, UntitledNamesSkipTakenOnesUpToNine)
{
    EXPECT_STREQ(PressStore::UniqueUntitledName(), "Untitled");
    Write("Untitled.press", "");
    Write("Untitled 1.press", "");
    EXPECT_STREQ(PressStore::UniqueUntitledName(), "Untitled 2");
    for (int k = 2; k <= 9; ++k)
        Write("Untitled " + std::to_string(k) + ".press", "");
    EXPECT_STREQ(PressStore::UniqueUntitledName(), "Untitled 9") << "the ninth is not checked";
}

// Names typed here or written by another workstation: each is listed, loads, saves, copies and goes.
TEST_F(PressStoreTest, UnusualNamesWorkThroughEveryOperation)
{
    Names typed = {"emoji \xf0\x9f\x8e\xa8", "Gr\xc3\xb6\xc3\x9f" "e", "\xe6\x97\xa5\xe6\x9c\xac"};
    Names dropped = {"blank ", "dot.", "x..y", "#1 (new)"};
#ifndef _WIN32
    dropped.insert(dropped.end(), {"CON", "a:b", "what?", "back\\slash", "bad\xC0\xAF" "utf8"});
#endif
    for (const auto& name : dropped)
        Write(name + ".press", kChangedRecordText);
    for (const auto& name : typed) {
        PressSettings record("x");
        PressStore::Save(record, name, false);
    }
    Names all = typed;
    all.insert(all.end(), dropped.begin(), dropped.end());
    Names listed = PressStore::Names();
    std::sort(listed.begin(), listed.end());
    std::sort(all.begin(), all.end());
    ASSERT_EQ(listed, all);
    for (const auto& name : all) {
        const auto loaded = PressStore::Load(name);
        ASSERT_TRUE(loaded) << testing::PrintToString(name);
        loaded->FirstDot = 99;
        PressStore::Save(*loaded, name, true);
        PressStore::Save(*loaded, name + " copy", false);
        EXPECT_EQ(PressStore::Load(name + " copy")->FirstDot, 99);
        PressStore::Remove(name);
        PressStore::Remove(name + " copy");
    }
    EXPECT_TRUE(Entries().empty());
}

TEST_F(PressStoreTest, NamesReachingOutsideTheFolderOrNeverListedAreRefused)
{
    m_root.Write("victim.press", "outside");
    Write("inside.press", "inside");
    Names hostile = {"", ".", "..", ".hidden", "../victim", "/tmp/victim", "sub/inside", "a\nb", "tab\t",
                     std::string("nul\0x", 5), std::string(256, 'n')};
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
    EXPECT_EQ(m_root.Entries(), (Names {"settings", "victim.press"}));
    EXPECT_EQ(Entries(), Names {"inside.press"});
}

TEST_F(PressStoreTest, FullPathsOverFiveHundredElevenBytesAreRefused)
{
    const fs::path deep = m_root.Path() / std::string(200, 'f') / std::string(200, 'f');
    fs::create_directories(deep);
    ASSERT_TRUE(PressStore::SetFolder(deep.u8string()));
    const size_t room = 511 - deep.u8string().size() - 1 - std::string(".press").size();
    PressSettings record("x");
    PressStore::Save(record, std::string(room, 'n'), false);
    EXPECT_TRUE(PressStore::Load(std::string(room, 'n')));
    EXPECT_THROW(PressStore::Save(record, std::string(room + 1, 'n'), false), PressError);
    EXPECT_FALSE(PressStore::Load(std::string(room + 1, 'n')));
}

// Blanks poured into a FIFO for ever would keep a reader that skips any run of blanks between
// lines, so no file is read past its first MiB.
TEST_F(PressStoreTest, NothingPastTheFirstMebibyteOfAFileIsRead)
{
    const std::string blanks(platform::InputFile::kReadLimit, ' ');
    const size_t firstLine = kDefaultRecordText.find('\n') + 1;
    Write("Padded.press", kDefaultRecordText.substr(0, firstLine) + blanks + kDefaultRecordText.substr(firstLine));
    Write("Trailing.press", kDefaultRecordText + blanks);
    EXPECT_FALSE(PressStore::Load("Padded"));
    EXPECT_EQ(PressStore::LoadableNames(), Names {"Trailing"});
}

TEST_F(PressStoreTest, OfTwoConcurrentCreatorsExactlyOneSucceeds)
{
    for (int round = 0; round < 20; ++round) {
        const std::string name = "Race " + std::to_string(round);
        std::atomic<int> ready {0};
        std::atomic<int> successes {0};
        auto create = [&] {
            PressSettings record("x");
            for (++ready; ready.load() < 2;) {
            }
            try {
                PressStore::Save(record, name, false);
                ++successes;
            } catch (const PressError&) {
            }
        };
        std::thread first(create);
        std::thread second(create);
        first.join();
        second.join();
        EXPECT_EQ(successes.load(), 1) << name;
        EXPECT_EQ(Read(name + ".press"), WithPlatformLineEnds(kDefaultRecordText)) << name;
    }
    EXPECT_EQ(Entries().size(), 20u) << "no temporary left";
}

#ifndef _WIN32
TEST_F(PressStoreTest, RegressionAFailingWriteLeavesTheOldFileIntact)
{
    PressSettings old("Old");
    PressStore::Save(old, "Press", false);
    PressSettings changed("Changed");
    rlimit saved {};
    getrlimit(RLIMIT_FSIZE, &saved);
    rlimit limited = saved;
    limited.rlim_cur = 100;  // writes past 100 bytes fail, as on a full disk
    const auto handler = std::signal(SIGXFSZ, SIG_IGN);
    setrlimit(RLIMIT_FSIZE, &limited);
    EXPECT_THROW(PressStore::Save(changed, "Press", true), PressError);
    setrlimit(RLIMIT_FSIZE, &saved);
    std::signal(SIGXFSZ, handler);
    EXPECT_EQ(changed.Name, "Changed");
    EXPECT_EQ(Read("Press.press"), WithPlatformLineEnds(kDefaultRecordText));
    EXPECT_EQ(Entries(), Names {"Press.press"});
}
#endif

#ifndef _WIN32
// What another user can put into the shared folder under a settings name: a FIFO (opening one
// for reading waits for a writer), a link to a device, a link to a file elsewhere, and a file
// swapped for a FIFO between the listing and the load.
TEST_F(PressStoreTest, OnlyRegularFilesAreReadNothingWaitsAndSavingReplacesALinkItself)
{
    const fs::path folder = m_root.Path() / "settings";
    Write("Swapped.press", kDefaultRecordText);
    for (const char* fifo : {"Fifo.press", "Untitled.press"})
        ASSERT_EQ(mkfifo((folder / fifo).c_str(), 0666), 0);
    fs::create_symlink("/dev/zero", folder / "Zero.press");
    m_root.Write("elsewhere.txt", kDefaultRecordText);
    fs::create_symlink(m_root.Path() / "elsewhere.txt", folder / "Linked.press");
    EXPECT_EQ(PressStore::Names(), (Names {"Linked", "Swapped"}));
    fs::remove(folder / "Swapped.press");
    ASSERT_EQ(mkfifo((folder / "Swapped.press").c_str(), 0666), 0);

    auto reads = std::async(std::launch::async, [] {
        return std::make_tuple(PressStore::Load("Fifo") == nullptr, PressStore::Load("Zero") == nullptr,
                               PressStore::Load("Swapped") == nullptr, std::string(PressStore::UniqueUntitledName()));
    });
    if (reads.wait_for(std::chrono::seconds(20)) == std::future_status::timeout) {
        ADD_FAILURE() << "a read waited for a writer";
        for (const char* fifo : {"Fifo.press", "Untitled.press", "Swapped.press"})
            close(open((folder / fifo).c_str(), O_RDWR));  // a writer lets the reader go
    }
    EXPECT_EQ(reads.get(), std::make_tuple(true, true, true, std::string("Untitled 1")));
    EXPECT_TRUE(PressStore::Load("Linked"));
    EXPECT_EQ(PressStore::LoadableNames(), Names {"Linked"});

    PressSettings record("Changed");
    record.TACLimit = 300;
    EXPECT_THROW(PressStore::Save(record, "Fifo", false), PressError);
    EXPECT_TRUE(fs::is_fifo(folder / "Fifo.press"));
    PressStore::Save(record, "Linked", true);
    EXPECT_FALSE(fs::is_symlink(folder / "Linked.press"));
    EXPECT_EQ(PressStore::Load("Linked")->TACLimit, 300.0);
    EXPECT_EQ(m_root.Read("elsewhere.txt"), kDefaultRecordText);
    PressStore::Remove("Zero");
    EXPECT_FALSE(fs::is_symlink(folder / "Zero.press"));
    EXPECT_TRUE(fs::exists("/dev/zero"));
}

// The folder on a small file system of its own, which fills up and turns read-only; every
// failure says which, changes nothing, and the store works again once there is room or it is
// writable again.
TEST_F(PressStoreTest, AFullOrReadOnlyFolderSaysSoKeepsWhatWasSavedAndRecovers)
{
    ScratchFileSystem disk((m_root.Path() / "settings").u8string(), 64 * 1024);
    HL_SKIP_UNLESS_MOUNTED(disk);
    const auto problemOf = [](const std::function<void()>& operation) {
        try {
            operation();
        } catch (const PressError& error) {
            return error.Problem();
        }
        return PressProblem::Refused;  // not expected: every operation below fails
    };
    PressSettings record("Kept");
    Names saved;
    const auto saveNext = [&] {
        const std::string name = "Press " + std::to_string(saved.size());
        PressStore::Save(record, name, false);
        saved.push_back(name);
    };
    EXPECT_EQ(problemOf([&] { for (;;) saveNext(); }), PressProblem::FolderFull);
    ASSERT_GE(saved.size(), 3u);
    PressSettings changed("Changed");
    changed.TACLimit = 300;
    EXPECT_EQ(problemOf([&] { PressStore::Save(changed, "Press 0", true); }), PressProblem::FolderFull);
    std::sort(saved.begin(), saved.end(), &PressListing::ListsBefore);
    EXPECT_EQ(PressStore::Names(), saved) << "no temporary file is left";
    EXPECT_EQ(Read("Press 0.press"), WithPlatformLineEnds(kDefaultRecordText));
    PressStore::Remove("Press 1");
    PressStore::Save(changed, "Press 0", true);

    ASSERT_TRUE(disk.SetReadOnly(true));
    EXPECT_EQ(problemOf([&] { PressStore::Save(changed, "Press 1", false); }), PressProblem::FolderReadOnly);
    EXPECT_EQ(problemOf([&] { PressStore::Remove("Press 2"); }), PressProblem::FolderReadOnly);
    EXPECT_EQ(PressStore::Load("Press 0")->TACLimit, 300.0);
    EXPECT_EQ(PressStore::Count(), static_cast<int>(saved.size()) - 1);
    ASSERT_TRUE(disk.SetReadOnly(false));
    PressStore::Save(changed, "Press 1", false);
    EXPECT_EQ(PressStore::Count(), static_cast<int>(saved.size()));
}
#endif

// A folder taken away (a share gone, a synchronisation that removed it) and brought back.
TEST_F(PressStoreTest, AVanishedFolderSaysSoAndEverythingIsBackWithIt)
{
    PressSettings record("Kept");
    PressStore::Save(record, "Kept", false);
    const fs::path folder = m_root.Path() / "settings";
    fs::rename(folder, m_root.Path() / "away");
    EXPECT_FALSE(PressStore::FolderExists());
    EXPECT_EQ(PressStore::Count(), 0);
    EXPECT_FALSE(PressStore::Load("Kept"));
    for (const auto& operation : std::vector<std::function<void()>> {
             [&] { PressStore::Save(record, "New", false); }, [] { PressStore::Remove("Kept"); }}) {
        try {
            operation();
            ADD_FAILURE() << "an operation on a vanished folder did not fail";
        } catch (const PressError& error) {
            EXPECT_EQ(error.Problem(), PressProblem::FolderMissing);
        }
    }
    EXPECT_FALSE(fs::exists(folder)) << "nothing makes the folder again behind the user's back";
    fs::rename(m_root.Path() / "away", folder);
    EXPECT_TRUE(PressStore::FolderExists());
    EXPECT_EQ(PressStore::Names(), Names {"Kept"});
    PressStore::Save(record, "New", false);
    EXPECT_EQ(PressStore::Count(), 2);
}

} // namespace
