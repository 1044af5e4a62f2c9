#include "settings/ViewerPreferences.h"

#include "plugin/HostSuites.h"
#include "plugin/KnownSuiteTable.h"
#include "plugin/suites/FourCC.h"
#include "plugin/suites/HLPreferencesSuite.h"

#include <gtest/gtest.h>

#include <iterator>
#include <limits>
#include <map>
#include <string>
#include <vector>

namespace {

// A preference store with the getters' contract: an absent key leaves the value untouched.
struct FakeStore
{
    std::map<std::string, ASInt32> values;  // "section/key" -> value
    std::vector<std::string> reads;         // "Boolean key" or "Integer key", in order
};
FakeStore g_store;

ASErr Get(const char* kind, const char* section, const char* key, ASInt32* value)
{
    g_store.reads.push_back(std::string(kind) + " " + key);
    const auto found = g_store.values.find(std::string(section) + "/" + key);
    if (found == g_store.values.end())
        return FourCC("Key?");
    *value = found->second;
    return kNoErr;
}

ASErr GetBoolean(const char* section, const char* key, ASInt32* value)
{
    return Get("Boolean", section, key, value);
}

ASErr GetInteger(const char* section, const char* key, ASInt32* value)
{
    return Get("Integer", section, key, value);
}

const HLPreferencesSuite kFakeSuite = {GetBoolean, {}, GetInteger};

class ViewerPreferencesTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        g_store = FakeStore{};
        Pointer() = &kFakeSuite;
    }
    void TearDown() override { Pointer() = nullptr; }

    static const void*& Pointer()
    {
        return KnownSuitePointer(FindKnownSuite(HLPreferencesSuite::kName, HLPreferencesSuite::kVersion));
    }
    static void Store(const char* key, ASInt32 value) { g_store.values[std::string("Hueline/Viewer/") + key] = value; }
};

struct Accessor
{
    const char* key;
    ASInt32 (*read)();
    const char* kind;
    ASInt32 defaultResult;
    ASInt32 stored;
    ASInt32 storedResult;
};

constexpr Accessor kAccessors[] = {
    {"HideTrapLayer", ViewerPreferences::HideTrapLayer, "Boolean", 0, 1, 1},
    {"ShowTechnicalInks", ViewerPreferences::ShowTechnicalInks, "Boolean", 1, 0, 0},
    {"ShowSepsOnly", ViewerPreferences::ShowSepsOnly, "Boolean", 0, 4, 4},
    {"MergeSimilarInks", ViewerPreferences::MergeSimilarInks, "Boolean", 1, 0, 0},
    {"ShowRoundedDensities", ViewerPreferences::ShowRoundedDensities, "Boolean", 0, 1, 1},
    {"KilnImageQuality", ViewerPreferences::KilnImageQuality, "Integer", 1, 0, -1},
    {"AntialiasingMode", ViewerPreferences::AntialiasingMode, "Integer", 0, 3, 3},
};

TEST_F(ViewerPreferencesTest, EmptyOrMissingStoreGivesEveryDefaultAndAsksWithTheRightGetter)
{
    for (const Accessor& accessor : kAccessors) {
        SCOPED_TRACE(accessor.key);
        g_store.reads.clear();
        EXPECT_EQ(accessor.read(), accessor.defaultResult);
        EXPECT_EQ(g_store.reads, std::vector<std::string>{std::string(accessor.kind) + " " + accessor.key});
    }
    Pointer() = nullptr;
    for (const Accessor& accessor : kAccessors) {
        SCOPED_TRACE(accessor.key);
        EXPECT_EQ(accessor.read(), accessor.defaultResult);
    }
}

TEST_F(ViewerPreferencesTest, StoredValuesOfTheViewerSectionAreReadAfreshEachTime)
{
    g_store.values["Hueline/Other/ShowSepsOnly"] = 1;
    EXPECT_EQ(ViewerPreferences::ShowSepsOnly(), 0);
    for (const Accessor& accessor : kAccessors)
        Store(accessor.key, accessor.stored);
    for (const Accessor& accessor : kAccessors) {
        SCOPED_TRACE(accessor.key);
        EXPECT_EQ(accessor.read(), accessor.storedResult);
    }
    EXPECT_EQ(g_store.reads.size(), std::size(kAccessors) + 1);
    Store("KilnImageQuality", std::numeric_limits<ASInt32>::min());
    EXPECT_EQ(ViewerPreferences::KilnImageQuality(), std::numeric_limits<ASInt32>::min());
}

}  // namespace
