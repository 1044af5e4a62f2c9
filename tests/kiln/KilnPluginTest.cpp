// KilnKernel.aip loaded into the simulated host and reached through the host's basic suite, as
// the viewer reaches it.

#include "plugin/suites/AIMenuSuite.h"
#include "plugin/suites/BSCDIAGSuite.h"
#include "plugin/suites/CorvaneMessageCenterSuite.h"
#include "plugin/suites/HLInkBookSuite.h"
#include "plugin/suites/HLInkSuite.h"
#include "plugin/suites/HLKilnHLSuite.h"
#include "plugin/suites/HLKilnODLSuite.h"
#include "plugin/suites/HLKilnSuite.h"
#include "plugin/suites/HLPreferencesSuite.h"
#include "plugin/suites/SPBasicSuite.h"
#include "sim/kiln/KilnControlSuite.h"
#include "KilnPluginFixture.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <memory>

namespace {

constexpr const char* kViewer = "Hueline/Viewer";

class KilnPluginTest : public KilnPluginFixture
{
};

// --- start-up and shut-down ---

struct PublishedSuite
{
    const char* name;
    ASInt32 version;
};

constexpr PublishedSuite kPublished[] = {
    {HLKilnSuite::kName, 11},          {HLKilnODLSuite::kName, 4},     {BSCDIAGSuite::kName, 1},
    {HLInkSuite::kName, 16},           {HLInkBookSuite::kName, 6},     {HLKilnHLSuite::kName, 1},
    {HLPreferencesSuite::kName, 1},    {CorvaneMessageCenterSuite::kName, 2}, {KilnControlSuite::kName, 1},
};

TEST_F(KilnPluginTest, AddsItsSuitesAtStartUpThatAnswerAsNotStartedAfterShutDown)
{
    EXPECT_TRUE(engine->started);
    for (const PublishedSuite& suite : kPublished)
        EXPECT_TRUE(host->Suites().Has(suite.name, suite.version)) << suite.name;
    const auto* kiln = Acquire<HLKilnSuite>();
    host->Shutdown();
    EXPECT_EQ(kiln->IsEngineReady(), 0);
    EXPECT_EQ(kiln->SetTACLimit(300.0), kKilnNotStartedError);
    EXPECT_EQ(control->CountCalls(), 0);
    EXPECT_EQ(control->SetEngineReady(1), kKilnNotStartedError);
}

// --- call record ---

TEST_F(KilnPluginTest, RecordsEveryEngineCallInOrderWithItsArguments)
{
    const auto* kiln = Acquire<HLKilnSuite>();
    const auto* odl = Acquire<HLKilnODLSuite>();
    kiln->IsEngineReady();
    kiln->SetTACLimit(300.0);
    kiln->SetFirstDot(3);
    kiln->SetFirstDotDarkening(0.25);
    kiln->SetDarkeningRange(0.5);
    kiln->SetDeviationDistance(1.5);
    kiln->SetMoireChecks(1, 0, 1, 1, 0, 0.1f, 1, 3.5f, 0, 0.9f, 25.0f);
    kiln->SetDotGainCurve(0.0, 0.12, 0.18, 0.14, 0.0);
    kiln->SetTrapLayerVisible(1);
    kiln->SetImageQuality(-1);
    kiln->SetShowRoundedDensities(0);
    kiln->SetAntialiasingMode(2);
    kiln->SetMergeSimilarInks(5);
    kiln->SetShowTechnicalInks(1);
    kiln->ApplyColorSettings();
    odl->ColorSettingsChanged();
    kiln->JobLoaded();
    EXPECT_EQ(Calls(), (Lines{"IsEngineReady()",
                              "SetTACLimit(300)",
                              "SetFirstDot(3)",
                              "SetFirstDotDarkening(0.25)",
                              "SetDarkeningRange(0.5)",
                              "SetDeviationDistance(1.5)",
                              "SetMoireChecks(1, 0, 1, 1, 0, 0.1, 1, 3.5, 0, 0.9, 25)",
                              "SetDotGainCurve(0, 0.12, 0.18, 0.14, 0)",
                              "SetTrapLayerVisible(1)",
                              "SetImageQuality(-1)",
                              "SetShowRoundedDensities(0)",
                              "SetAntialiasingMode(2)",
                              "SetMergeSimilarInks(5)",
                              "SetShowTechnicalInks(1)",
                              "ApplyColorSettings()",
                              "ColorSettingsChanged()",
                              "JobLoaded()"}));
}

TEST_F(KilnPluginTest, TheRecordIsReadInPiecesAndCleared)
{
    Acquire<HLKilnSuite>()->SetImageQuality(1);
    char small[8];
    EXPECT_EQ(control->GetCall(0, small, sizeof small), 18);
    EXPECT_STREQ(small, "SetImag");
    EXPECT_EQ(control->GetCall(1, small, sizeof small), -1);
    EXPECT_EQ(control->GetCall(-1, small, sizeof small), -1);
    ASSERT_EQ(control->ClearCalls(), kNoErr);
    EXPECT_EQ(control->CountCalls(), 0);
}

// --- readiness ---

TEST_F(KilnPluginTest, ReadinessIsWhatTheControlSetAndANarrowedDoubleShowsInTheRecord)
{
    const auto* kiln = Acquire<HLKilnSuite>();
    EXPECT_EQ(kiln->IsEngineReady(), 1);
    control->SetEngineReady(0);
    EXPECT_EQ(kiln->IsEngineReady(), 0);
    const double density = 0.3;
    kiln->SetMoireChecks(0, 0, 0, 0, 1, static_cast<float>(density), 0, 0.0f, 0, 0.0f, 25.0f);
    kiln->SetDarkeningRange(static_cast<float>(density));
    EXPECT_EQ(Calls(), (Lines{"IsEngineReady()", "IsEngineReady()", "SetMoireChecks(0, 0, 0, 0, 1, 0.3, 0, 0, 0, 0, 25)",
                              "SetDarkeningRange(0.30000001192092896)"}));
}

// --- connection status ---

TEST_F(KilnPluginTest, AConnectionChangeIsBroadcastOnce)
{
    Observe("HL Conn Stat");
    ASSERT_EQ(control->SetConnectionStatus(1, "Expiring", "Your account expires soon."), kNoErr);
    EXPECT_EQ(Deliveries("HL Conn Stat"), 1);
    control->SetConnectionStatus(1, "Expiring", "Your account expires soon.");
    EXPECT_EQ(Deliveries("HL Conn Stat"), 1);
    control->SetConnectionStatus(1, "Expiring", "Renew now.");
    EXPECT_EQ(Deliveries("HL Conn Stat"), 2);
    EXPECT_EQ(control->SetConnectionStatus(2, nullptr, "text"), kKilnBadParameterError);
    EXPECT_EQ(Deliveries("HL Conn Stat"), 2);
}

TEST_F(KilnPluginTest, ConnectionStatusFillsBothTextsAndTheStatusButNothingWithoutAStatusPointer)
{
    const auto* connection = Acquire<HLKilnHLSuite>();
    control->SetConnectionStatus(-1, "No connection", "Please check your Internet connection.");
    char title[256];
    char message[8];
    ASInt32 status = 0;
    ASSERT_EQ(connection->GetConnectionStatus(title, sizeof title, message, sizeof message, &status, 1), kNoErr);
    EXPECT_STREQ(title, "No connection");
    EXPECT_STREQ(message, "Please ");
    EXPECT_EQ(status, -1);
    EXPECT_EQ(Calls(), Lines{"GetConnectionStatus(256, 8, 1)"});
    title[0] = message[0] = 'u';
    EXPECT_EQ(connection->GetConnectionStatus(title, sizeof title, message, sizeof message, nullptr, 0),
              kKilnBadParameterError);
    EXPECT_STREQ(title, "uo connection");
    EXPECT_STREQ(message, "ulease ");
}

// --- inks and colour book ---

TEST_F(KilnPluginTest, TheShippedBookAndTheProcessInksAreFoundUntilALoadedBookReplacesIt)
{
    const auto* book = Acquire<HLInkBookSuite>();
    char entry[256];
    EXPECT_TRUE(book->FindInBook("PANTONE 185 C", entry, sizeof entry));
    EXPECT_STREQ(entry, "Hueline Spot Coated: PANTONE 185 C");
    EXPECT_TRUE(book->FindInBook("Process Magenta", entry, sizeof entry));
    EXPECT_FALSE(book->FindInBook("Mystery Green", entry, sizeof entry));
    EXPECT_FALSE(book->FindInBook(nullptr, entry, sizeof entry));
    EXPECT_EQ(Calls(), (Lines{"FindInBook(\"PANTONE 185 C\", 256)", "FindInBook(\"Process Magenta\", 256)",
                              "FindInBook(\"Mystery Green\", 256)", "FindInBook(null, 256)"}));
    preferences.Write("book.txt", "[Test]\nMystery Green\n");
    ASSERT_EQ(control->LoadColorBook(preferences.File("book.txt").c_str()), kNoErr);
    EXPECT_TRUE(book->FindInBook("Mystery Green", nullptr, 0));
    EXPECT_FALSE(book->FindInBook("PANTONE 185 C", nullptr, 0));
    EXPECT_TRUE(book->FindInBook("Cyan", nullptr, 0));
}

// --- preferences ---

TEST_F(KilnPluginTest, AnAbsentPreferenceLeavesThePresetDefaultAndNullArgumentsAreRefused)
{
    const auto* preferencesSuite = Acquire<HLPreferencesSuite>();
    ASInt32 value = 2;
    EXPECT_EQ(preferencesSuite->GetIntegerPreference(kViewer, "KilnImageQuality", &value), kKilnAbsentKeyError);
    EXPECT_EQ(value, 2);
    ASInt32 flag = 1;
    preferencesSuite->GetBooleanPreference(kViewer, "ShowTechnicalInks", &flag);
    EXPECT_EQ(flag, 1);
    EXPECT_EQ(Calls(), (Lines{"GetIntegerPreference(\"Hueline/Viewer\", \"KilnImageQuality\")",
                              "GetBooleanPreference(\"Hueline/Viewer\", \"ShowTechnicalInks\")"}));
    EXPECT_EQ(preferencesSuite->GetIntegerPreference(nullptr, "Key", &value), kKilnBadParameterError);
    EXPECT_EQ(preferencesSuite->GetIntegerPreference(kViewer, "Key", nullptr), kKilnBadParameterError);
    EXPECT_EQ(Calls()[2], "GetIntegerPreference(null, \"Key\")");
}

TEST_F(KilnPluginTest, StoredPreferencesAreHandedOutUnchangedAndOutliveTheHost)
{
    ASSERT_EQ(control->SetPreference(kViewer, "KilnImageQuality", 0), kNoErr);
    ASSERT_EQ(control->SetPreference(kViewer, "MergeSimilarInks", 5), kNoErr);
    Restart();
    const auto* preferencesSuite = Acquire<HLPreferencesSuite>();
    ASInt32 quality = 2;
    ASInt32 merge = 1;
    EXPECT_EQ(preferencesSuite->GetIntegerPreference(kViewer, "KilnImageQuality", &quality), kNoErr);
    EXPECT_EQ(preferencesSuite->GetBooleanPreference(kViewer, "MergeSimilarInks", &merge), kNoErr);
    EXPECT_EQ(quality, 0);
    EXPECT_EQ(merge, 5);
}

TEST_F(KilnPluginTest, AFileWrittenByAnotherComponentIsReadAtStartUp)
{
    preferences.Write(kKilnPreferencesFileName, "[Hueline/Viewer]\nShowSepsOnly = 1\n");
    Restart();
    ASInt32 value = 0;
    Acquire<HLPreferencesSuite>()->GetBooleanPreference(kViewer, "ShowSepsOnly", &value);
    EXPECT_EQ(value, 1);
}

TEST_F(KilnPluginTest, ThePreferenceFolderCanBeMoved)
{
    TemporaryFolder other;
    other.Write(kKilnPreferencesFileName, "[Hueline/Viewer]\nAntialiasingMode = 3\n");
    ASSERT_EQ(control->SetPreferencesFolder(other.Path().c_str()), kNoErr);
    ASInt32 value = 0;
    Acquire<HLPreferencesSuite>()->GetIntegerPreference(kViewer, "AntialiasingMode", &value);
    EXPECT_EQ(value, 3);
    EXPECT_EQ(control->SetPreferencesFolder(nullptr), kKilnBadParameterError);
}

// --- message centre ---

TEST_F(KilnPluginTest, ClientsRegisterOncePerApplicationIdentifier)
{
    const auto* centre = Acquire<CorvaneMessageCenterSuite>();
    const ASInt32 id = centre->RegisterClient("com.hueline.viewer.plugin", "Hueline Viewer", "Hueline Viewer");
    EXPECT_NE(id, 0);
    EXPECT_EQ(centre->RegisterClient("com.hueline.viewer.plugin", "Hueline Viewer", "Hueline Viewer"), id);
    EXPECT_NE(centre->RegisterClient("com.example.other", "Other", "Other"), id);
    EXPECT_EQ(centre->RegisterClient("", "Empty", "Empty"), 0);
    EXPECT_EQ(control->CountClients(), 2);
    EXPECT_EQ(Calls().front(), "RegisterClient(\"com.hueline.viewer.plugin\", \"Hueline Viewer\", \"Hueline Viewer\")");
}

TEST_F(KilnPluginTest, ActivitiesAreOpenUntilEndedOnce)
{
    const auto* centre = Acquire<CorvaneMessageCenterSuite>();
    const ASInt32 id = centre->RegisterClient("com.hueline.viewer.plugin", "Hueline Viewer", "Hueline Viewer");
    const ASInt32 token = centre->BeginActivity(id, "Betrachter", "Viewer");
    EXPECT_NE(token, 0);
    EXPECT_EQ(control->CountOpenActivities(), 1);
    EXPECT_EQ(centre->EndActivity(token), kNoErr);
    EXPECT_EQ(centre->EndActivity(token), kKilnUnknownHandleError);
    EXPECT_EQ(control->CountOpenActivities(), 0);
    EXPECT_EQ(centre->BeginActivity(id + 7, "Viewer", "Viewer"), 0);
    EXPECT_EQ(Calls()[1], "BeginActivity(" + std::to_string(id) + ", \"Betrachter\", \"Viewer\")");
}

}  // namespace
