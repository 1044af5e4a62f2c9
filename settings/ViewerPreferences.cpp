#include "settings/ViewerPreferences.h"

#include "plugin/HostSuites.h"
#include "plugin/suites/HLPreferencesSuite.h"

#include <cstddef>
#include <limits>

namespace ViewerPreferences {
namespace {

struct PreferenceKey
{
    const char* name;
    bool isBoolean;
    ASInt32 defaultValue;
};

enum KeyIndex : std::size_t
{
    kHideTrapLayer,
    kShowTechnicalInks,
    kShowSepsOnly,
    kMergeSimilarInks,
    kShowRoundedDensities,
    kKilnImageQuality,
    kAntialiasingMode,
};

constexpr PreferenceKey kKeys[] = {
    {"HideTrapLayer", true, 0},         {"ShowTechnicalInks", true, 1},    {"ShowSepsOnly", true, 0},
    {"MergeSimilarInks", true, 1},      {"ShowRoundedDensities", true, 0}, {"KilnImageQuality", false, 2},
    {"AntialiasingMode", false, 0},
};
static_assert(sizeof kKeys / sizeof kKeys[0] == kAntialiasingMode + 1, "one row per key");

// The getter's own result is not used: the value keeps the default unless the store has the key.
ASInt32 Read(KeyIndex index)
{
    const PreferenceKey& key = kKeys[index];
    ASInt32 value = key.defaultValue;
    if (const HLPreferencesSuite* store = HostSuite<HLPreferencesSuite>()) {
        const auto getter = key.isBoolean ? store->GetBooleanPreference : store->GetIntegerPreference;
        getter(kSection, key.name, &value);
    }
    return value;
}

}  // namespace

ASInt32 HideTrapLayer()
{
    return Read(kHideTrapLayer);
}

ASInt32 ShowTechnicalInks()
{
    return Read(kShowTechnicalInks);
}

ASInt32 ShowSepsOnly()
{
    return Read(kShowSepsOnly);
}

ASInt32 MergeSimilarInks()
{
    return Read(kMergeSimilarInks);
}

ASInt32 ShowRoundedDensities()
{
    return Read(kShowRoundedDensities);
}

ASInt32 KilnImageQuality()
{
    // The smallest 32-bit value has no predecessor; it stays the smallest quality.
    const ASInt32 stored = Read(kKilnImageQuality);
    return stored == std::numeric_limits<ASInt32>::min() ? stored : stored - 1;
}

ASInt32 AntialiasingMode()
{
    return Read(kAntialiasingMode);
}

}  // namespace ViewerPreferences
