#include "support/Localization.h"
#include "support/ResourceDatabase.h"
#include "support/ResourceFileParser.h"

#include "tests/support/TemporaryFolder.h"
#include "TestEnvironment.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <set>
#include <string>
#include <vector>

namespace {

namespace fs = std::filesystem;

const fs::path kLocaleDir = HL_LOCALE_SOURCE_DIR;
constexpr const char* kModules[] = {"rv", "genAI", "ospry", "hueline"};
constexpr const char* kLanguageFolders[] = {"german.lproj", "french.lproj"};

// The system's key list: one key a line, "\n" standing for a line feed, "#" lines are comments.
std::vector<std::string> KeyList()
{
    std::vector<std::string> keys;
    std::ifstream in(kLocaleDir / "keys.txt");
    std::string line;
    while (std::getline(in, line)) {
        if (line.empty() || line[0] == '#')
            continue;
        std::string key;
        for (size_t i = 0; i < line.size(); ++i) {
            if (line[i] == '\\' && i + 1 < line.size()) {
                key += line[i + 1] == 'n' ? '\n' : line[i + 1];
                ++i;
            } else {
                key += line[i];
            }
        }
        keys.push_back(key);
    }
    return keys;
}

std::set<std::string> KeysOf(const fs::path& file)
{
    ResourceDatabasePtr db(ResourceDatabase::Create());
    EXPECT_TRUE(ParseResourceFile(db.get(), file.string().c_str())) << file;
    std::set<std::string> keys;
    ResourceDatabase::Visit(db.get(), [&](const ResourceDatabase::Path& path, const ResourceDatabase::Value&) {
        std::string key;
        for (const auto& component : path)
            key += component.text + '\x1f';
        keys.insert(key);
        return true;
    });
    return keys;
}

TEST(ShippedLocale, EveryFileParsesWithoutASyntaxError)
{
    int files = 0;
    for (const auto& entry : fs::recursive_directory_iterator(kLocaleDir)) {
        if (entry.path().extension() != ".asc")
            continue;
        ++files;
        ResourceDatabasePtr db(ResourceDatabase::Create());
        ::testing::internal::CaptureStderr();
        EXPECT_TRUE(ParseResourceFile(db.get(), entry.path().string().c_str())) << entry.path();
        EXPECT_EQ(::testing::internal::GetCapturedStderr(), "") << entry.path();
    }
    EXPECT_EQ(files, 12);
}

TEST(ShippedLocale, EveryLanguageTranslatesExactlyTheKeysOfTheGenericFiles)
{
    for (const char* module : kModules) {
        const std::string file = std::string(module) + ".asc";
        const auto generic = KeysOf(kLocaleDir / file);
        EXPECT_FALSE(generic.empty()) << module;
        for (const char* folder : kLanguageFolders)
            EXPECT_EQ(KeysOf(kLocaleDir / folder / file), generic) << folder << " " << module;
    }
}

struct Translation {
    const char* language;
    const char* key;
    const char* text;
};

// Every key of the list has a text in each language; one sample lookup per language shows it is the right one.
const Translation kTranslations[] = {
    {"German.lproj", "66.67%", "66,67 %"},
    {"French.lproj", "Dot Gain Settings...", "Paramètres d'engraissement..."},
    {"English.lproj", "Generate", "Generate"},
};

class ShippedLanguage : public ::testing::TestWithParam<Translation> {
protected:
    void SetUp() override
    {
        SetTestEnvironment("LOCALE_PATH", kLocaleDir.string().c_str());
        SetTestEnvironment("RVLANG", GetParam().language);
        SetTestEnvironment("LOCALE_MISSING", missingFile.c_str());
        for (const char* module : kModules)
            LoadLocalizationModule(module);
        ReloadLocalization();
    }

    void TearDown() override { SetTestEnvironment("LOCALE_MISSING", nullptr); }

    TemporaryFolder folder;
    const std::string missingFile = (folder.Path() / "missing.asc").string();
};

TEST_P(ShippedLanguage, EveryKeyOfTheKeyListIsTranslated)
{
    EXPECT_STREQ(LocalizeKey(GetParam().key), GetParam().text);
    const auto keys = KeyList();
    ASSERT_GT(keys.size(), 80u);
    for (const std::string& key : keys) {
        EXPECT_TRUE(HasLocalizedKey(key.c_str())) << key;
        LocalizeKey(key.c_str());
    }
    EXPECT_EQ(folder.Read("missing.asc"), "");
}

INSTANTIATE_TEST_SUITE_P(Languages, ShippedLanguage, ::testing::ValuesIn(kTranslations),
                         [](const auto& info) {
                             const std::string language = info.param.language;
                             return language.substr(0, language.find('.'));
                         });

TEST(ShippedLocale, MultiLineTextsAndFormatsTranslate)
{
    SetTestEnvironment("LOCALE_PATH", kLocaleDir.string().c_str());
    SetTestEnvironment("RVLANG", "German.lproj");
    LoadLocalizationModule("hueline");
    LoadLocalizationModule("ospry");
    ReloadLocalization();
    const char* warning = LocalizeKey(
        "Some colors in this document are not part of Hueline.\nThese colors may not be accurately "
        "displayed.\nYou can open the Hueline Color Manager to see a complete list of colors and\n"
        "remap them appropriately to colors which are part of Hueline.");
    EXPECT_EQ(std::string(warning).rfind("Einige Farben", 0), 0u) << warning;
    EXPECT_STREQ(FormatLocalized("The Dot Gain Settings '%s' could not be retrieved.", "Offset"),
                 "Die Tonwertzuwachs-Einstellungen 'Offset' konnten nicht abgerufen werden.");
}

} // namespace
