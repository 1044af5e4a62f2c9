#include "support/LocaleProvider.h"
#include "support/SearchPath.h"
#include "support/platform/DynamicLibrary.h"

#include "tests/support/TemporaryFolder.h"
#include "TestEnvironment.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>

namespace {

namespace fs = std::filesystem;

// Distinct bodies, so that no optimiser folds them into one address.
const char* BuiltInFormat(const char*, ...) { return "built-in format"; }
const char* OtherFormat(const char*, ...) { return "other format"; }
const char* BuiltInLookup(const char*, const char*) { return "built-in lookup"; }
const char* OtherLookup(const char*, const char*) { return "other lookup"; }

int s_initialiseResult = 1;
int Initialise() { return s_initialiseResult; }

class LocaleProviderTest : public ::testing::Test {
protected:
    void SetUp() override { SetTestEnvironment("RV_LOCALE_SO", nullptr); }

    LocaleProvider provider{&BuiltInFormat, &BuiltInLookup};
    const std::string library = std::string("Provider.lproj") + platform::SharedLibrarySuffix();
};

// Non-null entries of a valid table replace the built-in ones, unless its initialisation fails.
TEST_F(LocaleProviderTest, OnlyAValidInitialisedTableReplacesTheBuiltInEntries)
{
    LocaleProviderNode node{{'R', 'V', '_', 'L', 'O', 'C', 'A', 'L', 'E', '\0', 2}, &Initialise, {}};
    node.entries[1] = reinterpret_cast<LocaleFunctionTable::Entry>(&OtherLookup);
    LocaleProviderNode wrongTag = node;
    wrongTag.tag[0] = 'X';
    LocaleProviderNode noCount = node;
    noCount.tag[10] = 0;
    for (const LocaleProviderNode* invalid : {&wrongTag, &noCount, static_cast<LocaleProviderNode*>(nullptr)})
        EXPECT_FALSE(provider.Install(invalid));
    for (const int result : {0, 1}) {
        s_initialiseResult = result;
        EXPECT_EQ(provider.Functions().CachedLookup(), &BuiltInLookup);
        ASSERT_TRUE(provider.Install(&node));
        EXPECT_EQ(provider.Functions().CachedLookup(), result ? &OtherLookup : &BuiltInLookup);
    }
    provider.SetFormatter(&OtherFormat);
    EXPECT_EQ(provider.Functions().Formatter(), &OtherFormat);
    EXPECT_EQ(provider.Functions().CachedLookup(), &OtherLookup);
}

// The copy in a folder with a non-ASCII name shows that the path reaches the system as UTF-16
// (LoadLibraryW on Windows). It lives in the build tree: a loaded library stays loaded, and
// Windows cannot delete it.
TEST_F(LocaleProviderTest, LibraryNamedAfterTheLanguageIsLoadedFromTheSearchPath)
{
    const fs::path built = fs::u8path(HL_TEST_PROVIDER_DIR);
    const fs::path nonAscii = built.parent_path() / fs::u8path("Pr\xc3\xb6vider \xe6\x97\xa5");
    fs::create_directories(nonAscii);
    fs::remove(nonAscii / library); // libstdc++ for Windows cannot overwrite in copy_file
    fs::copy_file(built / library, nonAscii / library);
    for (const fs::path& folder : {built, nonAscii}) {
        ASSERT_TRUE(provider.Search("Provider.lproj", SearchPath(folder.u8string()))) << folder;
        EXPECT_EQ(std::string(std::getenv("RV_LOCALE_SO")), folder.u8string() + "\\" + library);
        EXPECT_STREQ(provider.Functions().CachedLookup()("", "key"), "from provider");
        EXPECT_EQ(provider.Functions().Formatter(), &BuiltInFormat);
    }
}

TEST_F(LocaleProviderTest, AMissingOrBrokenLibraryLeavesTheBuiltInsAndABrokenOneIsReported)
{
    EXPECT_FALSE(provider.Search("Nowhere.lproj", SearchPath(HL_TEST_PROVIDER_DIR)));
    TemporaryFolder folder;
    const std::string name = std::string("Broken.lproj") + platform::SharedLibrarySuffix();
    folder.Write(name, "not a library");
    ::testing::internal::CaptureStderr();
    EXPECT_FALSE(provider.Search("Broken.lproj", SearchPath(folder.Utf8())));
    const std::string err = ::testing::internal::GetCapturedStderr();
#ifdef _WIN32
    const std::string failure = "LoadLibrary did not succeed : 193\n";  // ERROR_BAD_EXE_FORMAT
#else
    const std::string failure = "LoadLibrary did not succeed : ";
#endif
    EXPECT_NE(err.find(failure), std::string::npos) << err;
    EXPECT_NE(err.find("Could not load shared object " + folder.Utf8() + "\\" + name + "\n"), std::string::npos) << err;
    EXPECT_EQ(provider.Functions().CachedLookup(), &BuiltInLookup);
}

} // namespace
