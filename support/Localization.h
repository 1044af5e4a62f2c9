#pragma once

#include "support/LocaleProvider.h"

// Localisation: every user-visible text is a resource key translated at run time. Lookups return
// pointers into shared result buffers that stay valid until the next call of the same kind;
// a translation too long for its buffer is cut (see Localizer.h). Host UI thread only.

// Sets the locale search path and chooses the language from the system locale.
void InitLanguage(const char* localePath);
// Registers a resource module and loads its resources; a module already registered is ignored.
void LoadLocalizationModule(const char* name);

// The translation of `key` in `context`, or `key` itself when there is none.
const char* Localize(const char* context, const char* key, bool ansi);
const char* LocalizeKey(const char* key);
const char* LocalizeKeyAnsi(const char* key);
bool HasLocalizedKey(const char* key);
// Translates `key` and formats it printf-style into the shared 512-byte message buffer.
const char* FormatLocalized(const char* key, ...);
// The path of the first existing file of the language-aware search, or null; the caller frees it
// with std::free.
char* FindLocalizedFile(const char* relativeName);

// The second lookup of the function table: as Localize (UTF-8), on the copy of the translations
// kept since a locale provider was loaded; `key` itself without one.
const char* LocalizeCached(const char* context, const char* key);
// Takes the language from "RVLANG" again and reloads every registered module.
void ReloadLocalization();
// The current function table: the built-in functions or a locale provider's replacements.
const LocaleFunctionTable& LocaleFunctions();
