#include "support/Localization.h"

#include "support/Localizer.h"

#include <cstdarg>

void InitLanguage(const char* localePath)
{
    Localizer::Instance().InitLanguage(localePath);
}

void LoadLocalizationModule(const char* name)
{
    Localizer::Instance().LoadModule(name);
}

const char* Localize(const char* context, const char* key, bool ansi)
{
    return Localizer::Instance().Localize(context, key, ansi);
}

const char* LocalizeKey(const char* key)
{
    return Localize("", key, false);
}

const char* LocalizeKeyAnsi(const char* key)
{
    return Localize("", key, true);
}

bool HasLocalizedKey(const char* key)
{
    return Localizer::Instance().HasKey(key);
}

const char* FormatLocalized(const char* key, ...)
{
    va_list args;
    va_start(args, key);
    const char* message = Localizer::Instance().Format(key, args);
    va_end(args);
    return message;
}

char* FindLocalizedFile(const char* relativeName)
{
    return Localizer::Instance().FindFile(relativeName);
}

const char* LocalizeCached(const char* context, const char* key)
{
    return Localizer::Instance().LocalizeCached(context, key);
}

void ReloadLocalization()
{
    Localizer::Instance().Reload();
}

const LocaleFunctionTable& LocaleFunctions()
{
    return Localizer::Instance().Functions();
}
