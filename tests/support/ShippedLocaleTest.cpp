#include "support/Localization.h"

#include "tests/support/TemporaryFolder.h"
#include "TestEnvironment.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

namespace {

const std::filesystem::path kLocaleDir = HL_LOCALE_SOURCE_DIR;

// The system's key list: one key a line, "\n" standing for a line feed, "#" lines are comments.
std::vector<std::string> KeyList()
{
    std::vector<std::string> keys;
    std::ifstream in(kLocaleDir / "keys.txt");
    for (std::string line; std::getline(in, line);) {
        for (size_t at = line.find("\\n"); at != std::string::npos; at = line.find("\\n", at))
            line.replace(at, 2, "\n");
        if (!line.empty() && line[0] != '#')
            keys.push_back(line);
    }
    return keys;
}

struct Translation {
    const char* language;
    const char* key;
    const char* text;
};

// The shipped files of each language parse without a word on standard error, every key of the
// list is bound directly (no lookup is logged as missing), and a sample shows the language.
class ShippedLanguage : public ::testing::TestWithParam<Translation> {};

TEST_P(ShippedLanguage, EveryKeyOfTheKeyListIsTranslated)
{
    TemporaryFolder folder;
    const EnvironmentGuard missing("LOCALE_MISSING", folder.File("missing.asc"));
    const EnvironmentGuard path("LOCALE_PATH", kLocaleDir.string());
    const EnvironmentGuard language("RVLANG", GetParam().language);
    ::testing::internal::CaptureStderr();
    for (const char* module : {"rv", "genAI", "ospry", "hueline"})
        LoadLocalizationModule(module);
    ReloadLocalization();
    EXPECT_EQ(::testing::internal::GetCapturedStderr(), "");
    EXPECT_STREQ(FormatLocalized(GetParam().key, "Offset"), GetParam().text);
    const auto keys = KeyList();
    ASSERT_GT(keys.size(), 80u);
    for (const std::string& key : keys) {
        EXPECT_TRUE(HasLocalizedKey(key.c_str())) << key;
        LocalizeKey(key.c_str());
    }
    EXPECT_EQ(folder.Read("missing.asc"), "");
}

INSTANTIATE_TEST_SUITE_P(Languages, ShippedLanguage,
                         ::testing::Values(Translation{"German.lproj", "The Dot Gain Settings '%s' could not be retrieved.",
                                                       "Die Tonwertzuwachs-Einstellungen 'Offset' konnten nicht abgerufen werden."},
                                           Translation{"French.lproj", "Dot Gain Settings...", "Paramètres d'engraissement..."},
                                           Translation{"English.lproj", "Generate", "Generate"}),
                         [](const auto& info) {
                             const std::string language = info.param.language;
                             return language.substr(0, language.find('.'));
                         });

} // namespace
