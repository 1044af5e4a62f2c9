#include "support/Localization.h"
#include "support/platform/CodePage.h"

#include "tests/support/TemporaryFolder.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <iterator>
#include <string>

#ifdef _WIN32
#include "support/platform/win32/WideText.h"
#endif

namespace {

struct AnsiCase { unsigned codePage; const char* utf8; const char* ansi; const char* what; };

// Without best-fit, a character the code page lacks becomes "?" instead of a look-alike.
constexpr AnsiCase kCases[] = {
    {65001, "Gr\xc3\xb6\xc3\x9f" "e \xe6\x97\xa5", "Gr\xc3\xb6\xc3\x9f" "e \xe6\x97\xa5",
     "UTF-8 unchanged"},
    {1252, "Gr\xc3\xb6\xc3\x9f" "e \xe2\x82\xac", "Gr\xf6\xdf" "e \x80", "Latin letters, euro"},
    {1252, "\xc4\x81", "?", "a with macron, not a"},
    {1252, "\xe2\x88\x9e", "?", "infinity, not 8"},
    {1252, "\xe6\x97\xa5\xe6\x9c\xac", "??", "kanji"},
    {932, "\xe6\x97\xa5\xe6\x9c\xac\xe8\xaa\x9e", "\x93\xfa\x96\x7b\x8c\xea", "kanji"},
    {932, "\xef\xbd\xb1", "\xb1", "half-width katakana in one byte"},
    {932, "\xc2\xa5", "?", "yen sign, not the backslash"},
    {932, "\xc3\xa4", "?", "a with diaeresis"},
};

// Every case's UTF-8 text as the translation of its own key. The Windows runs choose the system
// code page through their locale and say which one they expect.
TEST(AnsiTranslation, TranslationsComeInTheSystemCodePageWithoutBestFit)
{
    const unsigned codePage = platform::SystemAnsiCodePage();
    if (const char* expected = std::getenv("HL_EXPECTED_ANSI_CODE_PAGE")) {
        ASSERT_EQ(codePage, static_cast<unsigned>(std::atoi(expected)));
    }
    TemporaryFolder folder;
    std::string entries;
    for (size_t i = 0; i < std::size(kCases); ++i)
        entries += "\"Ansi " + std::to_string(i) + "\" : \"" + kCases[i].utf8 + "\"\n";
    folder.Write("ansi.asc", entries);
    InitLanguage(folder.Utf8().c_str());
    LoadLocalizationModule("ansi");
    for (size_t i = 0; i < std::size(kCases); ++i) {
        const std::string key = "Ansi " + std::to_string(i);
        if (kCases[i].codePage == codePage) {
            EXPECT_STREQ(LocalizeKeyAnsi(key.c_str()), kCases[i].ansi) << kCases[i].what;
        }
        EXPECT_STREQ(LocalizeKey(key.c_str()), kCases[i].utf8) << kCases[i].what;
    }
}

#ifdef _WIN32
// The UTF-8 rows are the regression: WideCharToMultiByte refuses the no-best-fit flag for UTF-8
// and gave nothing at all when the system code page was UTF-8.
TEST(CodePage, EveryCodePageConvertsWithoutBestFitAndInvalidUtf8GivesNothing)
{
    for (const AnsiCase& c : kCases)
        EXPECT_EQ(platform::NarrowToCodePage(platform::WidenUtf8(c.utf8), c.codePage), c.ansi) << c.codePage << ": " << c.what;
    EXPECT_EQ(platform::Utf8ToAnsi("ab\xc3"), "");
    EXPECT_EQ(platform::Utf8ToAnsi("\xed\xa0\x80"), "") << "an encoded surrogate";
}
#endif

} // namespace
