#include "support/Localization.h"

#include "tests/support/TemporaryFolder.h"
#include "TestEnvironment.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <string>
#include <tuple>
#include <vector>

namespace {

const std::filesystem::path kLocaleDir = HL_LOCALE_SOURCE_DIR;

// For each language the shipped files parse without a word on standard error, every key of the
// list is bound directly (no lookup is logged as missing), and a sample shows the language.
TEST(ShippedLocale, EveryKeyOfTheKeyListIsTranslatedInEveryLanguage)
{
    // The system's key list: one key a line, "\n" standing for a line feed, "#" lines are comments.
    std::vector<std::string> keys;
    std::ifstream in(kLocaleDir / "keys.txt");
    for (std::string line; std::getline(in, line);) {
        for (size_t at = line.find("\\n"); at != std::string::npos; at = line.find("\\n", at))
            line.replace(at, 2, "\n");
        if (!line.empty() && line[0] != '#')
            keys.push_back(line);
    }
    ASSERT_GT(keys.size(), 80u);
    const EnvironmentGuard path("LOCALE_PATH", kLocaleDir.string());
    for (const auto& [language, key, text] :
         {std::tuple{"German.lproj", "The Dot Gain Settings '%s' could not be retrieved.",
                     "Die Tonwertzuwachs-Einstellungen 'Offset' konnten nicht abgerufen werden."},
          {"French.lproj", "Dot Gain Settings...", "Paramètres d'engraissement..."},
          {"English.lproj", "Generate", "Generate"}}) {
        SCOPED_TRACE(language);
        TemporaryFolder folder;
        const EnvironmentGuard missing("LOCALE_MISSING", folder.File("missing.asc"));
        const EnvironmentGuard chosen("RVLANG", language);
        ::testing::internal::CaptureStderr();
        for (const char* module : {"rv", "genAI", "ospry", "hueline"})
            LoadLocalizationModule(module);
        ReloadLocalization();
        EXPECT_EQ(::testing::internal::GetCapturedStderr(), "");
        EXPECT_STREQ(FormatLocalized(key, "Offset"), text);
        for (const std::string& listed : keys) {
            EXPECT_TRUE(HasLocalizedKey(listed.c_str())) << listed;
            LocalizeKey(listed.c_str());
        }
        EXPECT_EQ(folder.Read("missing.asc"), "");
    }
}

} // namespace
