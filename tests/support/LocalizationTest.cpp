#include "support/BinaryResourceFile.h"
#include "support/Localization.h"
#include "support/ResourceDatabase.h"
#include "support/platform/CodePage.h"

#include "tests/support/TemporaryFolder.h"
#include "TestEnvironment.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <cstring>
#include <memory>
#include <string>

namespace {

const std::string kLongKey(3000, 'k');
const std::string kLongValue = [] {
    std::string value;
    for (int i = 0; i < 10000; ++i)
        value += "\xc3\xa4"; // ä, two bytes
    return value;
}();

// One folder on the search path for the whole program: the localisation state is process-wide.
class LocalizationTest : public ::testing::Test {
protected:
    static void SetUpTestSuite()
    {
        s_folder = std::make_unique<TemporaryFolder>();
        s_folder->Write("rv.asc", "Defaults.Fallback : \"from defaults\"\n");
        s_folder->Write("m1.asc", "Generate : Generate\nUpdate : Update\n\"Copy \\.\\.\\.\" : \"Copy ...\"\n"
                                  "Panel.Title : \"Panel title\"\nPanel.Label : \"panel label\"\n"
                                  "*.Label : \"any label\"\nLong : \"" + kLongValue + "\"\n" + kLongKey + " : \"long key\"\n");
        s_folder->Write("german.lproj/m1.asc", "Generate : Erzeugen\n\"Copy \\.\\.\\.\" : \"Kopieren ...\"\n"
                                               "\"Count %d of %s\" : \"%d von %s\"\n");
        s_folder->Write("c/m1.asc", "Generate : \"C generate\"\n");
        s_folder->Write("m2.asc", "Update : \"Update from m2\"\n");
        for (const char* picture : {"german.lproj/pic.png", "pic.png", "generic.png"})
            s_folder->Write(picture, "");
        ResourceDatabasePtr binary(ResourceDatabase::Create());
        ResourceDatabase::Insert(binary.get(), "Binary", "from binary");
        BinaryResourceFile::WriteFile(binary.get(), s_folder->File("bin").c_str());
        InitLanguage(s_folder->Utf8().c_str());
        for (const char* module : {"m1", "m2", "bin"})
            LoadLocalizationModule(module);
    }
    static void TearDownTestSuite() { s_folder.reset(); }

    void SetUp() override { UseLanguage("German.lproj"); }

    static void UseLanguage(const char* language)
    {
        SetTestEnvironment("RVLANG", language);
        ReloadLocalization();
    }

    static std::unique_ptr<TemporaryFolder> s_folder;
};

std::unique_ptr<TemporaryFolder> LocalizationTest::s_folder;

TEST_F(LocalizationTest, KeysAndFilesAreFoundWhereverTheyAreBound)
{
    const struct { const char* context; std::string key; const char* text; } rows[] = {
        {"", "Generate", "Erzeugen"},          // the language file replaces the generic one
        {"", "Update", "Update from m2"},      // later modules win
        {"", "Binary", "from binary"},         // a binary module
        {"Any dialog", "Label", "any label"},  // a wildcard binding
        {"Panel", "Label", "panel label"},     // the exact key wins over it
        {"Panel", "Title", "Panel title"},     // the context prefixes the key
        {"", "Copy ...", "Kopieren ..."},      // a key with dots is one component
        {"", "Fallback", "from defaults"},     // the Defaults branch
        {"", kLongKey, "long key"},            // long keys are looked up whole
        {"", kLongKey + "x", nullptr},         // and not cut to a known one
        {"", "Title", nullptr},
        {nullptr, "Title", nullptr},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.key.substr(0, 40));
        const char* result = Localize(row.context, row.key.c_str(), false);
        if (row.text != nullptr)
            EXPECT_STREQ(result, row.text);
        else
            EXPECT_EQ(result, row.key.c_str());
    }
    EXPECT_TRUE(HasLocalizedKey("Copy ..."));
    EXPECT_TRUE(HasLocalizedKey("Fallback"));
    EXPECT_FALSE(HasLocalizedKey("Title"));
    EXPECT_EQ(LocalizeKey(nullptr), nullptr);
    const char* empty = "";
    EXPECT_EQ(LocalizeKey(empty), empty);
    const char* utf8 = LocalizeKey("Generate");
    EXPECT_STREQ(LocalizeKeyAnsi("Copy ..."), "Kopieren ...");
    EXPECT_STREQ(utf8, "Erzeugen") << "the ANSI form has a buffer of its own";
    EXPECT_EQ(LocaleFunctions().Formatter(), &FormatLocalized) << "put back by every module load";
    EXPECT_EQ(LocaleFunctions().CachedLookup()("", utf8), utf8) << "no provider, so no cached copy";
    for (const auto& [name, path] : {std::pair{"pic.png", "\\german.lproj\\pic.png"}, {"generic.png", "\\generic.png"}}) {
        const std::unique_ptr<char, decltype(&std::free)> found(FindLocalizedFile(name), &std::free);
        EXPECT_EQ(found ? std::string(found.get()) : "", s_folder->Utf8() + path) << "the language folder first";
    }
    EXPECT_EQ(FindLocalizedFile("absent.png"), nullptr);
}

// A load never follows what another plug-in of the process left in "LOCALE_PATH".
TEST_F(LocalizationTest, TheSavedSearchPathIsSetAgainBeforeALoad)
{
    SetTestEnvironment("LOCALE_PATH", s_folder->File("missing").c_str());
    ReloadLocalization();
    EXPECT_STREQ(LocalizeKey("Generate"), "Erzeugen");
    EXPECT_EQ(std::string(std::getenv("LOCALE_PATH")), s_folder->Utf8());
}

// Without "RVLANG" the folder is c; a changed "RVLANG" takes effect at the next reload.
TEST_F(LocalizationTest, LanguageFolderFollowsRvlangAtReloads)
{
    UseLanguage(nullptr);
    EXPECT_STREQ(LocalizeKey("Generate"), "C generate");
    UseLanguage("English.lproj"); // no english.lproj folder: c still applies
    EXPECT_STREQ(LocalizeKey("Generate"), "C generate");
    UseLanguage("German.lproj");
    SetTestEnvironment("RVLANG", "C");
    LoadLocalizationModule("m2");
    EXPECT_STREQ(LocalizeKey("Generate"), "Erzeugen");
    ReloadLocalization();
    EXPECT_STREQ(LocalizeKey("Generate"), "C generate");
}

// ä takes two bytes where the system code page is UTF-8 (one, or "?", elsewhere), so there the
// ANSI cut at 1023 bytes falls before the last whole character.
TEST_F(LocalizationTest, LongTextsAreCutAtACharacterBoundary)
{
    EXPECT_EQ(std::string(LocalizeKey("Long")), kLongValue.substr(0, 16382));
    EXPECT_EQ(std::strlen(LocalizeKeyAnsi("Long")), platform::SystemAnsiCodePage() == 65001 ? 1022u : 1023u);
    EXPECT_STREQ(FormatLocalized("Count %d of %s", 3, "x"), "3 von x");
    EXPECT_EQ(std::strlen(FormatLocalized("%s", std::string(600, 'b').c_str())), 511u);
    EXPECT_STREQ(FormatLocalized("plain"), "plain");
}

// The log is read back at the start of a run, so each key is written once, also across runs.
TEST_F(LocalizationTest, MissingKeysAreLoggedOnceAlsoAcrossRuns)
{
    TemporaryFolder logFolder;
    const std::string earlier = "\n\"From an earlier run\" : \"From an earlier run\"";
    logFolder.Write("missing.asc", earlier);
    const EnvironmentGuard log("LOCALE_MISSING", logFolder.File("missing.asc"));
    ReloadLocalization();
    for (const char* key : {"From an earlier run", "Unknown", "Unknown", "Dots..."})
        LocalizeKey(key);
    Localize("Ctx", "Key", false);
    EXPECT_FALSE(HasLocalizedKey("Not logged by a question"));
    EXPECT_EQ(logFolder.Read("missing.asc"),
              earlier + "\n\"Unknown\" : \"Unknown\"\n\"Dots\\.\\.\\.\" : \"Dots\\.\\.\\.\"\n\"Ctx.Key\" : \"Key\"");
}

} // namespace
