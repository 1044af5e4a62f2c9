#include "support/LanguageChooser.h"

#include <cctype>
#include <cstring>

namespace {

constexpr size_t kMaxLanguageLength = 62;

enum class Match { Prefix, Exact };

// One rule for Windows locale names: the language matches `language` (by prefix or exactly,
// ignoring case), the country starts with `country` (when given), and the code pages agree
// (when given). First match wins.
struct LanguageRule {
    Match match;
    const char* language;
    const char* country;
    unsigned ansiCodePage;
    const char* localeCodePage;
    const char* folder;
};

constexpr LanguageRule kRules[] = {
    {Match::Prefix, "ch", nullptr, 950, "950", "zh_TW.lproj"},
    {Match::Prefix, "ch", nullptr, 936, "936", "zh_CN.lproj"},
    {Match::Prefix, "ch", nullptr, 0, nullptr, "English.lproj"},
    {Match::Prefix, "fr", nullptr, 0, nullptr, "French.lproj"},
    {Match::Prefix, "de", nullptr, 0, nullptr, "German.lproj"},
    {Match::Prefix, "german", nullptr, 0, nullptr, "German.lproj"},
    {Match::Exact, "swiss", nullptr, 0, nullptr, "German.lproj"},
    {Match::Prefix, "it", nullptr, 0, nullptr, "Italian.lproj"},
    {Match::Prefix, "j", nullptr, 932, nullptr, "Japanese.lproj"},
    {Match::Prefix, "spanish", nullptr, 0, nullptr, "Spanish.lproj"},
    {Match::Prefix, "est", nullptr, 0, nullptr, "English.lproj"}, // Estonian is not Spanish
    {Match::Prefix, "es", nullptr, 0, nullptr, "Spanish.lproj"},
    {Match::Prefix, "Portuguese", "Brazil", 0, nullptr, "pt_BR.lproj"},
    {Match::Prefix, "Korean", nullptr, 949, nullptr, "ko.lproj"},
    {Match::Prefix, "Russian", nullptr, 0, nullptr, "ru.lproj"},
    {Match::Prefix, "Norwegian (Bok", nullptr, 0, nullptr, "nb.lproj"},
    {Match::Prefix, "Norwegian Bokm", nullptr, 0, nullptr, "nb.lproj"},
    {Match::Prefix, "Polish", nullptr, 0, nullptr, "pl.lproj"},
    {Match::Prefix, "Swedish", "Sweden", 0, nullptr, "sv.lproj"},
    {Match::Prefix, "Dutch", "Netherlands", 0, nullptr, "nl.lproj"},
    {Match::Prefix, "Czech", nullptr, 0, nullptr, "cs.lproj"},
};

// POSIX locale names, language code and country code matched exactly (fr, de, it and es are
// covered above); tried after the rules above.
struct PosixName {
    const char* language;
    const char* country;
    const char* folder;
};

constexpr PosixName kPosixNames[] = {
    {"zh", "TW", "zh_TW.lproj"}, {"zh", "CN", "zh_CN.lproj"}, {"ja", nullptr, "Japanese.lproj"},
    {"pt", "BR", "pt_BR.lproj"}, {"ko", nullptr, "ko.lproj"}, {"ru", nullptr, "ru.lproj"},
    {"nb", nullptr, "nb.lproj"}, {"pl", nullptr, "pl.lproj"}, {"sv", "SE", "sv.lproj"},
    {"nl", "NL", "nl.lproj"},    {"cs", nullptr, "cs.lproj"},
};

// Language_Country.CodePage
struct LocaleParts {
    std::string language;
    std::string country;
    std::string codePage;
};

LocaleParts Split(const std::string& name)
{
    LocaleParts parts;
    const size_t languageEnd = name.find_first_of("_.");
    parts.language = name.substr(0, languageEnd).substr(0, kMaxLanguageLength);
    if (languageEnd != std::string::npos && name[languageEnd] == '_') {
        const size_t countryEnd = name.find('.', languageEnd + 1);
        parts.country = name.substr(languageEnd + 1, countryEnd == std::string::npos
                                                         ? std::string::npos
                                                         : countryEnd - languageEnd - 1);
    }
    const size_t lastDot = name.rfind('.');
    if (lastDot != std::string::npos)
        parts.codePage = name.substr(lastDot + 1);
    return parts;
}

bool StartsWithIgnoringCase(const std::string& text, const char* prefix)
{
    const size_t length = std::strlen(prefix);
    if (text.size() < length)
        return false;
    for (size_t i = 0; i < length; ++i) {
        if (std::tolower(static_cast<unsigned char>(text[i]))
            != std::tolower(static_cast<unsigned char>(prefix[i])))
            return false;
    }
    return true;
}

bool Matches(const LanguageRule& rule, const LocaleParts& parts, unsigned ansiCodePage)
{
    const bool languageMatches = StartsWithIgnoringCase(parts.language, rule.language)
        && (rule.match == Match::Prefix || parts.language.size() == std::strlen(rule.language));
    return languageMatches
        && (rule.country == nullptr || StartsWithIgnoringCase(parts.country, rule.country))
        && (rule.ansiCodePage == 0 || rule.ansiCodePage == ansiCodePage)
        && (rule.localeCodePage == nullptr || parts.codePage == rule.localeCodePage);
}

} // namespace

const char* LanguageChooser::FolderFor(const std::string& localeName, unsigned ansiCodePage)
{
    const LocaleParts parts = Split(localeName);
    for (const LanguageRule& rule : kRules) {
        if (Matches(rule, parts, ansiCodePage))
            return rule.folder;
    }
    for (const PosixName& name : kPosixNames) {
        if (Matches({Match::Exact, name.language, name.country, 0, nullptr, name.folder}, parts, ansiCodePage))
            return name.folder;
    }
    return kDefaultFolder;
}
