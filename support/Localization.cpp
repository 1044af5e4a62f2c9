#include "support/Localization.h"

// Lookups answer with the key itself until translations are loaded.
const char* LocalizeKey(const char* key)
{
    return key;
}
