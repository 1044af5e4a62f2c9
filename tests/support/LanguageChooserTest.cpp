#include "support/LanguageChooser.h"

#include <gtest/gtest.h>

namespace {

constexpr unsigned kUtf8 = 65001;

// Windows names, then POSIX names; each rule with a case it must refuse.
const struct { const char* locale; unsigned ansiCodePage; const char* folder; } kCases[] = {
    {"French_France.1252", 1252, "French.lproj"},       {"German_Switzerland.1252", 1252, "German.lproj"},
    {"Swiss", 1252, "German.lproj"},                    {"Swiss German_Switzerland.1252", 1252, "English.lproj"},
    {"Japanese_Japan.932", 932, "Japanese.lproj"},      {"Japanese_Japan.932", 1252, "English.lproj"},
    {"Spanish_Spain.1252", 1252, "Spanish.lproj"},      {"Estonian_Estonia.1257", 1257, "English.lproj"},
    {"Portuguese_Brazil.1252", 1252, "pt_BR.lproj"},    {"Dutch_Belgium.1252", 1252, "English.lproj"},
    {"Korean_Korea.949", 949, "ko.lproj"},              {"Korean_Korea.949", 1252, "English.lproj"},
    {"Norwegian (Bokm\xe5l)_Norway.1252", 1252, "nb.lproj"}, {"Norwegian Bokmal_Norway.1252", 1252, "nb.lproj"},
    {"Swedish_Sweden.1252", 1252, "sv.lproj"},          {"Swedish_Finland.1252", 1252, "English.lproj"},
    {"Dutch_Netherlands.1252", 1252, "nl.lproj"},       {"C.UTF-8", kUtf8, "English.lproj"},
    {"Chinese (Traditional)_Taiwan.950", 950, "zh_TW.lproj"}, {"Chinese (Simplified)_China.936", 936, "zh_CN.lproj"},
    {"Chinese (Simplified)_China.936", 950, "English.lproj"},  {"", 1252, "English.lproj"},
    {"de_DE@euro", kUtf8, "German.lproj"},              {"pt_BR", kUtf8, "pt_BR.lproj"},
    {"ja_JP.UTF-8", kUtf8, "Japanese.lproj"},           {"zh_HK", kUtf8, "English.lproj"},
    {"es_ES", kUtf8, "Spanish.lproj"},                  {"et_EE", kUtf8, "English.lproj"},
    {"zh_TW.UTF-8", kUtf8, "zh_TW.lproj"},              {"sv_SE", kUtf8, "sv.lproj"},
};

TEST(LanguageChooser, ChoosesTheFolderFromTheLocaleAndTheCodePage)
{
    for (const auto& c : kCases)
        EXPECT_STREQ(LanguageChooser::FolderFor(c.locale, c.ansiCodePage), c.folder) << c.locale << " / " << c.ansiCodePage;
    const std::string overlong = "French" + std::string(5000, 'x') + "_France.1252";
    EXPECT_STREQ(LanguageChooser::FolderFor(overlong, 1252), "French.lproj") << "cut, not overrun";
}

} // namespace
