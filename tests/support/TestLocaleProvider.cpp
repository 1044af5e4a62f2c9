// A locale provider library for LocaleProviderTest: replaces the cached lookup and keeps the
// rest; its initialisation reports success.
#include "support/LocaleProvider.h"

namespace {

const char* ProviderLookup(const char*, const char*) { return "from provider"; }
int Initialise() { return 1; }

} // namespace

#ifdef _WIN32
#define HL_PROVIDER_EXPORT __declspec(dllexport)
#else
#define HL_PROVIDER_EXPORT __attribute__((visibility("default")))
#endif

extern "C" HL_PROVIDER_EXPORT const LocaleProviderNode LocalizationNode = {
    {'R', 'V', '_', 'L', 'O', 'C', 'A', 'L', 'E', '\0', 1, 0, 0, 0, 0, 0},
    &Initialise,
    {nullptr, reinterpret_cast<LocaleFunctionTable::Entry>(&ProviderLookup)},
};
