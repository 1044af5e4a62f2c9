#include "settings/MessageCenterConnection.h"
#include "settings/ViewerPreferences.h"

#include "plugin/HostSuites.h"
#include "plugin/KnownSuiteTable.h"
#include "plugin/suites/CorvaneMessageCenterSuite.h"
#include "plugin/suites/FourCC.h"
#include "plugin/suites/HLPreferencesSuite.h"
#include "plugin/suites/SPBasicSuite.h"

#include <gtest/gtest.h>

#include <cstring>
#include <map>
#include <string>
#include <vector>

namespace {

// A preference store that, like the real one, leaves the value untouched for an absent key; a
// message centre that may be missing. Calls are recorded in order.
struct FakeHost
{
    std::map<std::string, ASInt32> values;  // "section/key" -> value
    std::vector<std::string> calls;
    bool centreAvailable = false;
};
FakeHost g_host;

ASErr Get(const char* kind, const char* section, const char* key, ASInt32* value)
{
    g_host.calls.push_back(std::string(kind) + " " + key);
    const auto found = g_host.values.find(std::string(section) + "/" + key);
    if (found == g_host.values.end())
        return FourCC("Key?");
    *value = found->second;
    return kNoErr;
}

ASErr GetBoolean(const char* section, const char* key, ASInt32* value) { return Get("Boolean", section, key, value); }
ASErr GetInteger(const char* section, const char* key, ASInt32* value) { return Get("Integer", section, key, value); }
const HLPreferencesSuite kStore = {GetBoolean, {}, GetInteger};

ASInt32 RegisterClient(const char* id, const char* name, const char* untranslated)
{
    g_host.calls.push_back(std::string("Register ") + id + "|" + name + "|" + untranslated);
    return 41;
}
const CorvaneMessageCenterSuite kCentre = {RegisterClient, {}, nullptr, nullptr};

SPErr AcquireSuite(const char* name, ASInt32 version, const void** suite)
{
    g_host.calls.push_back(std::string("Acquire ") + name);
    if (!g_host.centreAvailable || std::strcmp(name, CorvaneMessageCenterSuite::kName) != 0 ||
        version != CorvaneMessageCenterSuite::kVersion)
        return FourCC("S!Fd");
    *suite = &kCentre;
    return kNoErr;
}
const SPBasicSuite kBasic = [] {
    SPBasicSuite basic {};
    basic.AcquireSuite = AcquireSuite;
    return basic;
}();

const void*& StorePointer()
{
    return KnownSuitePointer(FindKnownSuite(HLPreferencesSuite::kName, HLPreferencesSuite::kVersion));
}

class ViewerPreferencesTest : public testing::Test
{
protected:
    void SetUp() override { g_host = FakeHost {}; }
    void TearDown() override
    {
        StorePointer() = nullptr;
        SetHostBasicSuite(nullptr);
    }
};

struct Accessor
{
    const char* call;
    ASInt32 (*read)();
    ASInt32 defaultResult, stored, storedResult;
};

constexpr Accessor kAccessors[] = {
    {"Boolean HideTrapLayer", ViewerPreferences::HideTrapLayer, 0, 1, 1},
    {"Boolean ShowTechnicalInks", ViewerPreferences::ShowTechnicalInks, 1, 0, 0},
    {"Boolean ShowSepsOnly", ViewerPreferences::ShowSepsOnly, 0, 4, 4},
    {"Boolean MergeSimilarInks", ViewerPreferences::MergeSimilarInks, 1, 0, 0},
    {"Boolean ShowRoundedDensities", ViewerPreferences::ShowRoundedDensities, 0, 1, 1},
    {"Integer KilnImageQuality", ViewerPreferences::KilnImageQuality, 1, 0, -1},
    {"Integer AntialiasingMode", ViewerPreferences::AntialiasingMode, 0, 3, 3},
};

TEST_F(ViewerPreferencesTest, EachKeyIsReadFreshWithItsGetterAndDefaultsWhenAbsent)
{
    for (const Accessor& accessor : kAccessors)
        EXPECT_EQ(accessor.read(), accessor.defaultResult) << accessor.call << " without a store";
    StorePointer() = &kStore;
    g_host.values["Hueline/Other/ShowSepsOnly"] = 1;
    for (const Accessor& accessor : kAccessors) {
        g_host.calls.clear();
        EXPECT_EQ(accessor.read(), accessor.defaultResult) << accessor.call;
        EXPECT_EQ(g_host.calls, std::vector<std::string> {accessor.call});
        g_host.values["Hueline/Viewer/" + std::string(accessor.call).substr(8)] = accessor.stored;
        EXPECT_EQ(accessor.read(), accessor.storedResult) << accessor.call;
    }
}

TEST_F(ViewerPreferencesTest, TheMessageCentreIsAskedForOnEveryUseUntilItComesThenRegisteredOnce)
{
    MessageCenterConnection connection;
    EXPECT_EQ(connection.Suite(), nullptr) << "no host yet";
    SetHostBasicSuite(&kBasic);
    EXPECT_EQ(connection.Client(), 0);
    g_host.centreAvailable = true;
    EXPECT_EQ(connection.Suite(), &kCentre);
    EXPECT_EQ(connection.Client(), 41);
    const std::string acquire = std::string("Acquire ") + CorvaneMessageCenterSuite::kName;
    EXPECT_EQ(g_host.calls, (std::vector<std::string> {acquire, acquire,
                                                      "Register com.corvane.hueline.viewer|Hueline Viewer|Hueline Viewer"}));
}

} // namespace
