#include "support/BinaryResourceFile.h"
#include "support/Localization.h"
#include "support/ResourceDatabase.h"

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

// Runs first in the program, so that its lookup is the first one of the process.
TEST(LocalizationStartTest, TheSavedSearchPathIsSetAgainBeforeTheFirstLookup)
{
    TemporaryFolder saved;
    TemporaryFolder other;
    saved.Write("rv.asc", "Key : \"from the saved folder\"\n");
    other.Write("rv.asc", "Key : \"from the wrong folder\"\n");
    InitLanguage(saved.Utf8().c_str());
    SetTestEnvironment("LOCALE_PATH", other.Utf8().c_str());
    EXPECT_STREQ(LocalizeKey("Key"), "from the saved folder");
    EXPECT_EQ(std::string(std::getenv("LOCALE_PATH")), saved.Utf8());
}

// The translations of every test: one folder on the search path for the whole program, because
// the localisation state is process-wide.
class LocalizationTest : public ::testing::Test {
protected:
    static void SetUpTestSuite()
    {
        s_folder = std::make_unique<TemporaryFolder>();
        s_folder->Write("rv.asc", "Defaults.Fallback : \"from defaults\"\n");
        s_folder->Write("m1.asc", "Generate : Generate\nUpdate : Update\n"
                                  "\"Copy \\.\\.\\.\" : \"Copy ...\"\n"
                                  "Panel.Title : \"Panel title\"\n"
                                  "Panel.Label : \"panel label\"\n"
                                  "*.Label : \"any label\"\n"
                                  "Long : \"" + kLongValue + "\"\n"
                                  + kLongKey + " : \"long key\"\n");
        s_folder->Write("german.lproj/m1.asc", "Generate : Erzeugen\n"
                                               "\"Copy \\.\\.\\.\" : \"Kopieren ...\"\n"
                                               "\"Count %d of %s\" : \"%d von %s\"\n");
        s_folder->Write("c/m1.asc", "Generate : \"C generate\"\n");
        s_folder->Write("m2.asc", "Update : \"Update from m2\"\n");
        s_folder->Write("german.lproj/pic.png", "");
        s_folder->Write("pic.png", "");
        s_folder->Write("generic.png", "");
        ResourceDatabasePtr binary(ResourceDatabase::Create());
        ResourceDatabase::Insert(binary.get(), "Binary", "from binary");
        BinaryResourceFile::WriteFile(binary.get(), (s_folder->Path() / "bin").string().c_str());

        InitLanguage(s_folder->Path().string().c_str());
        LoadLocalizationModule("m1");
        LoadLocalizationModule("m2");
        LoadLocalizationModule("bin");
        LoadLocalizationModule("M1"); // already registered: ignored
    }

    static void TearDownTestSuite() { s_folder.reset(); }

    void UseLanguage(const char* language)
    {
        if (language != nullptr)
            SetTestEnvironment("RVLANG", language);
        else
            SetTestEnvironment("RVLANG", nullptr);
        ReloadLocalization();
    }

    void SetUp() override
    {
        SetTestEnvironment("LOCALE_MISSING", nullptr);
        UseLanguage("German.lproj");
    }

    static std::string Path(const char* relative) { return (s_folder->Path() / relative).string(); }

    static std::unique_ptr<TemporaryFolder> s_folder;
};

std::unique_ptr<TemporaryFolder> LocalizationTest::s_folder;

TEST_F(LocalizationTest, WithoutRvlangTheLanguageFolderIsC)
{
    UseLanguage(nullptr);
    EXPECT_STREQ(LocalizeKey("Generate"), "C generate");
    UseLanguage("English.lproj"); // no english.lproj folder: c still applies
    EXPECT_STREQ(LocalizeKey("Generate"), "C generate");
}

TEST_F(LocalizationTest, ChangedRvlangTakesEffectAtTheNextReload)
{
    SetTestEnvironment("RVLANG", "C");
    EXPECT_STREQ(LocalizeKey("Generate"), "Erzeugen");
    LoadLocalizationModule("m2");
    EXPECT_STREQ(LocalizeKey("Generate"), "Erzeugen");
    ReloadLocalization();
    EXPECT_STREQ(LocalizeKey("Generate"), "C generate");
}

TEST_F(LocalizationTest, TheSavedSearchPathIsSetAgainBeforeAReload)
{
    TemporaryFolder other;
    other.Write("german.lproj/m1.asc", "Generate : \"from the wrong folder\"\n");
    SetTestEnvironment("LOCALE_PATH", other.Utf8().c_str());
    ReloadLocalization();
    EXPECT_STREQ(LocalizeKey("Generate"), "Erzeugen");
    EXPECT_EQ(std::string(std::getenv("LOCALE_PATH")), s_folder->Path().string());
}

TEST_F(LocalizationTest, KeysFindTheirTextsWhereverTheyAreBound)
{
    struct Row
    {
        const char* context;
        std::string key;
        const char* text;
    };
    const Row rows[] = {
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
    for (const Row& row : rows) {
        SCOPED_TRACE(row.key.substr(0, 40));
        const char* result = Localize(row.context, row.key.c_str(), false);
        if (row.text != nullptr)
            EXPECT_STREQ(result, row.text);
        else
            EXPECT_EQ(result, row.key.c_str());
    }
    EXPECT_TRUE(HasLocalizedKey("Copy ..."));
    EXPECT_TRUE(HasLocalizedKey("Fallback"));
}

TEST_F(LocalizationTest, UnknownNullAndEmptyKeysComeBackUnchanged)
{
    const char* key = "Nothing like this";
    EXPECT_EQ(LocalizeKey(key), key);
    EXPECT_EQ(LocalizeKey(nullptr), nullptr);
    const char* empty = "";
    EXPECT_EQ(LocalizeKey(empty), empty);
    EXPECT_FALSE(HasLocalizedKey(key));
    EXPECT_FALSE(HasLocalizedKey(nullptr));
}

TEST_F(LocalizationTest, AnsiFormUsesItsOwnBuffer)
{
    const char* utf8 = LocalizeKey("Generate");
    const char* ansi = LocalizeKeyAnsi("Copy ...");
    EXPECT_STREQ(utf8, "Erzeugen");
    EXPECT_STREQ(ansi, "Kopieren ...");
}

TEST_F(LocalizationTest, LongTranslationsAreCutAtACharacterBoundary)
{
    const char* result = LocalizeKey("Long");
    EXPECT_EQ(std::strlen(result), 16382u);
    EXPECT_EQ(std::string(result), kLongValue.substr(0, 16382));
    // The ANSI form is cut to 1023 bytes: ä takes one byte in code page 1252 and two where the
    // system code page is UTF-8, so there the cut falls before the last whole character.
    const char* ansi = LocalizeKeyAnsi("Long");
#ifdef _WIN32
    EXPECT_EQ(std::strlen(ansi), 1023u);
#else
    EXPECT_EQ(std::strlen(ansi), 1022u);
#endif
}

TEST_F(LocalizationTest, FormatTranslatesThenFormatsIntoTheMessageBuffer)
{
    EXPECT_STREQ(FormatLocalized("Count %d of %s", 3, "x"), "3 von x");
    const std::string big(600, 'b');
    EXPECT_EQ(std::strlen(FormatLocalized("%s", big.c_str())), 511u);
    EXPECT_STREQ(FormatLocalized("plain"), "plain");
}

TEST_F(LocalizationTest, FindLocalizedFilePrefersTheLanguageFolder)
{
    const auto find = [](const char* name) {
        std::unique_ptr<char, decltype(&std::free)> path(FindLocalizedFile(name), &std::free);
        return path ? std::string(path.get()) : std::string();
    };
    const std::string base = s_folder->Path().string();
    EXPECT_EQ(find("pic.png"), base + "\\german.lproj\\pic.png");
    EXPECT_EQ(find("generic.png"), base + "\\generic.png");
    EXPECT_EQ(find("absent.png"), "");
}

TEST_F(LocalizationTest, MissingKeysAreLoggedOnceAlsoAcrossRuns)
{
    TemporaryFolder logFolder;
    const std::string log = (logFolder.Path() / "missing.asc").string();
    SetTestEnvironment("LOCALE_MISSING", log.c_str());
    ReloadLocalization();
    LocalizeKey("Unknown one");
    LocalizeKey("Unknown one");
    LocalizeKey("Dots...");
    Localize("Ctx", "Key", false);
    EXPECT_FALSE(HasLocalizedKey("Not logged by a question"));
    const std::string expected = "\n\"Unknown one\" : \"Unknown one\""
                                 "\n\"Dots\\.\\.\\.\" : \"Dots\\.\\.\\.\""
                                 "\n\"Ctx.Key\" : \"Key\"";
    EXPECT_EQ(logFolder.Read("missing.asc"), expected);

    ReloadLocalization(); // a new run reads the file back
    LocalizeKey("Dots...");
    LocalizeKey("Unknown one");
    EXPECT_EQ(logFolder.Read("missing.asc"), expected);
    LocalizeKey("Unknown two");
    EXPECT_EQ(logFolder.Read("missing.asc"), expected + "\n\"Unknown two\" : \"Unknown two\"");
    SetTestEnvironment("LOCALE_MISSING", nullptr);
}

#ifndef _WIN32
// POSIX runtimes take the user's locale from the environment.
TEST_F(LocalizationTest, InitLanguageChoosesFromTheUserLocale)
{
    const char* saved = std::getenv("LC_ALL");
    const std::string savedValue = saved != nullptr ? saved : "";
    const std::string path = s_folder->Path().string();
    struct Case {
        const char* locale;
        const char* folder;
    };
    for (const Case& c : {Case{"fr_FR.UTF-8", "French.lproj"}, Case{"de_CH", "German.lproj"},
                          Case{"et_EE", "English.lproj"}}) {
        SetTestEnvironment("LC_ALL", c.locale);
        InitLanguage(path.c_str());
        EXPECT_STREQ(std::getenv("RVLANG"), c.folder) << c.locale;
        EXPECT_EQ(std::string(std::getenv("LOCALE_PATH")), path);
    }
    if (saved != nullptr)
        SetTestEnvironment("LC_ALL", savedValue.c_str());
    else
        SetTestEnvironment("LC_ALL", nullptr);
}
#endif

TEST_F(LocalizationTest, ModuleLoadPutsTheBuiltInFormatterBack)
{
    EXPECT_EQ(LocaleFunctions().Formatter(), &FormatLocalized);
    EXPECT_EQ(LocaleFunctions().CachedLookup(), &LocalizeCached);
    const char* key = "Generate";
    EXPECT_EQ(LocalizeCached("", key), key); // no provider, so no cached copy
}

} // namespace
