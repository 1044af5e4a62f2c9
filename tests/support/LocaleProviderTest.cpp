#include "support/LocaleProvider.h"
#include "support/SearchPath.h"
#include "support/platform/DynamicLibrary.h"

#include "tests/support/TemporaryFolder.h"
#include "TestEnvironment.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <cstring>
#include <filesystem>

namespace {

const char* BuiltInFormat(const char*, ...)
{
    return "built-in format";
}

const char* BuiltInLookup(const char*, const char*)
{
    return "built-in lookup";
}

const char* OtherFormat(const char*, ...)
{
    return "other format";
}

const char* OtherLookup(const char*, const char*)
{
    return "other lookup";
}

int s_initialiseResult = 1;
int Initialise()
{
    return s_initialiseResult;
}

LocaleProviderNode MakeNode()
{
    LocaleProviderNode node{};
    std::memcpy(node.tag, "RV_LOCALE", 10);
    node.tag[10] = 2;
    node.initialise = &Initialise;
    node.entries[1] = reinterpret_cast<LocaleFunctionTable::Entry>(&OtherLookup);
    return node;
}

class LocaleProviderTest : public ::testing::Test {
protected:
    LocaleProvider provider{&BuiltInFormat, &BuiltInLookup};
};

// A failed initialisation restores the built-in table.
TEST_F(LocaleProviderTest, NonNullEntriesOfAnInitialisedTableReplaceTheBuiltInOnes)
{
    const LocaleProviderNode node = MakeNode();
    for (const int result : {0, 1}) {
        s_initialiseResult = result;
        ASSERT_TRUE(provider.Install(&node));
        EXPECT_EQ(provider.Functions().Formatter(), &BuiltInFormat);
        EXPECT_EQ(provider.Functions().CachedLookup(), result ? &OtherLookup : &BuiltInLookup);
    }
    provider.SetFormatter(&OtherFormat);
    EXPECT_EQ(provider.Functions().Formatter(), &OtherFormat);
    EXPECT_EQ(provider.Functions().CachedLookup(), &OtherLookup);
}

TEST_F(LocaleProviderTest, TablesWithoutTheTagOrCountAreIgnored)
{
    LocaleProviderNode wrongTag = MakeNode();
    wrongTag.tag[0] = 'X';
    LocaleProviderNode noCount = MakeNode();
    noCount.tag[10] = 0;
    EXPECT_FALSE(provider.Install(&wrongTag));
    EXPECT_FALSE(provider.Install(&noCount));
    EXPECT_FALSE(provider.Install(nullptr));
    EXPECT_EQ(provider.Functions().CachedLookup(), &BuiltInLookup);
}

TEST_F(LocaleProviderTest, LibraryNamedAfterTheLanguageIsLoadedFromTheSearchPath)
{
    SetTestEnvironment("RV_LOCALE_SO", nullptr);
    ASSERT_TRUE(provider.Search("Provider.lproj", SearchPath(HL_TEST_PROVIDER_DIR)));
    const std::string expected = std::string(HL_TEST_PROVIDER_DIR) + "\\Provider.lproj"
        + platform::SharedLibrarySuffix();
    EXPECT_EQ(std::string(std::getenv("RV_LOCALE_SO")), expected);
    EXPECT_STREQ(provider.Functions().CachedLookup()("", "key"), "from provider");
    EXPECT_EQ(provider.Functions().Formatter(), &BuiltInFormat);
}

// The library's path goes to the system as UTF-16 (LoadLibraryW on Windows). The copy lives
// in the build tree: a loaded library stays loaded, and Windows cannot delete it.
TEST_F(LocaleProviderTest, LibraryInAFolderWithANonAsciiNameIsLoaded)
{
    namespace fs = std::filesystem;
    SetTestEnvironment("RV_LOCALE_SO", nullptr);
    const std::string file = std::string("Provider.lproj") + platform::SharedLibrarySuffix();
    const fs::path built = fs::u8path(HL_TEST_PROVIDER_DIR);
    const fs::path nonAscii = built.parent_path() / fs::u8path("Pr\xc3\xb6vider \xe6\x97\xa5");
    fs::create_directories(nonAscii);
    fs::remove(nonAscii / file); // libstdc++ for Windows cannot overwrite in copy_file
    fs::copy_file(built / file, nonAscii / file);
    ASSERT_TRUE(provider.Search("Provider.lproj", SearchPath(nonAscii.u8string())));
    EXPECT_EQ(std::string(std::getenv("RV_LOCALE_SO")), nonAscii.u8string() + "\\" + file);
    EXPECT_STREQ(provider.Functions().CachedLookup()("", "key"), "from provider");
}

TEST_F(LocaleProviderTest, AMissingOrBrokenLibraryLeavesTheBuiltInsAndABrokenOneIsReported)
{
    EXPECT_FALSE(provider.Search("Nowhere.lproj", SearchPath(HL_TEST_PROVIDER_DIR)));
    TemporaryFolder folder;
    const std::string file = std::string("Broken.lproj") + platform::SharedLibrarySuffix();
    folder.Write(file, "not a shared object");
    ::testing::internal::CaptureStderr();
    EXPECT_FALSE(provider.Search("Broken.lproj", SearchPath(folder.Path().string())));
    const std::string err = ::testing::internal::GetCapturedStderr();
#ifdef _WIN32
    EXPECT_NE(err.find("LoadLibrary did not succeed : 193\n"), std::string::npos)
        << "ERROR_BAD_EXE_FORMAT: " << err;
#else
    EXPECT_NE(err.find("LoadLibrary did not succeed : "), std::string::npos) << err;
#endif
    EXPECT_NE(err.find("Could not load shared object " + folder.Path().string()
                       + "\\" + file + "\n"),
              std::string::npos)
        << err;
    EXPECT_EQ(provider.Functions().CachedLookup(), &BuiltInLookup);
}

} // namespace
