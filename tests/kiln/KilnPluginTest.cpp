// The engine plug-in's suites other than jobs: start-up, the call record, readiness, the
// connection, the colour book, the preferences and the message centre.

#include "KilnPluginFixture.h"

#include "plugin/suites/BSCDIAGSuite.h"
#include "plugin/suites/CorvaneMessageCenterSuite.h"
#include "plugin/suites/HLInkBookSuite.h"
#include "plugin/suites/HLInkSuite.h"
#include "plugin/suites/HLKilnHLSuite.h"
#include "plugin/suites/HLKilnSuite.h"
#include "plugin/suites/HLPreferencesSuite.h"
#include "sim/kiln/CallRecord.h"

#include <algorithm>

namespace {

constexpr const char* kViewer = "Hueline/Viewer";

class KilnPluginTest : public KilnPluginFixture
{
};

struct PublishedSuite
{
    const char* name;
    ASInt32 version;
};

constexpr PublishedSuite kPublished[] = {
    {HLKilnSuite::kName, 11},       {HLKilnODLSuite::kName, 4},        {BSCDIAGSuite::kName, 1},
    {HLInkSuite::kName, 16},        {HLInkBookSuite::kName, 6},        {HLKilnHLSuite::kName, 1},
    {HLPreferencesSuite::kName, 1}, {CorvaneMessageCenterSuite::kName, 2},
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
    EXPECT_EQ(control->SetEngineReady(1), kKilnNotStartedError);
}

// Other tests compare the record with what the viewer must send, down to the narrowing of doubles.
TEST_F(KilnPluginTest, RecordsEveryCallWithItsArgumentsAndAnswersTheReadinessSet)
{
    const auto* kiln = Acquire<HLKilnSuite>();
    EXPECT_EQ(kiln->IsEngineReady(), 1);
    ASSERT_EQ(control->SetEngineReady(0), kNoErr);
    EXPECT_EQ(kiln->IsEngineReady(), 0);
    kiln->SetMoireChecks(1, 0, 1, 1, 0, 0.1f, 1, 3.5f, 0, 0.9f, 25.0f);
    kiln->SetDarkeningRange(static_cast<float>(0.3));
    kiln->SetDotGainCurve(0.0, 0.12, 0.18, 0.14, 0.0);
    kiln->SetImageQuality(-1);
    Acquire<HLKilnODLSuite>()->ColorSettingsChanged();
    EXPECT_EQ(Calls(), (Lines{"IsEngineReady()", "IsEngineReady()", "SetMoireChecks(1, 0, 1, 1, 0, 0.1, 1, 3.5, 0, 0.9, 25)",
                              "SetDarkeningRange(0.30000001192092896)", "SetDotGainCurve(0, 0.12, 0.18, 0.14, 0)",
                              "SetImageQuality(-1)", "ColorSettingsChanged()"}));
    char small[8];
    EXPECT_EQ(control->GetCall(0, small, sizeof small), 15);
    EXPECT_STREQ(small, "IsEngin");
    EXPECT_EQ(control->GetCall(7, small, sizeof small), -1);
    ASSERT_EQ(control->ClearCalls(), kNoErr);
    EXPECT_EQ(control->CountCalls(), 0);
}

// An engine nobody reads stays the same size: its record keeps the latest calls and counts the
// older ones it let go until it is cleared.
TEST_F(KilnPluginTest, TheCallRecordKeepsTheLatestCallsAndCountsTheOnesItLetGo)
{
    const auto* kiln = Acquire<HLKilnSuite>();
    const auto kept = static_cast<ASInt32>(kiln::CallRecord::kKept);
    for (ASInt32 quality = 0; quality < kept + 2; ++quality)
        kiln->SetImageQuality(quality);
    EXPECT_EQ(control->CountCalls(), kept);
    EXPECT_EQ(control->CountForgottenCalls(), 2);
    const Lines calls = Calls();
    EXPECT_EQ(calls.front(), "SetImageQuality(2)");
    EXPECT_EQ(calls.back(), "SetImageQuality(" + std::to_string(kept + 1) + ")");
    ASSERT_EQ(control->ClearCalls(), kNoErr);
    EXPECT_EQ(control->CountForgottenCalls(), 0);
    kiln->IsEngineReady();
    EXPECT_EQ(Calls(), Lines{"IsEngineReady()"});
}

// The host forgets the suites with the file; the reloaded engine adds them again.
TEST_F(KilnPluginTest, StartsAgainWhenTheHostReloadsIt)
{
    const std::string path = engine->path;
    host->UnloadPlugins();
    EXPECT_FALSE(host->Suites().Has(HLKilnSuite::kName, HLKilnSuite::kVersion)) << "the suites went with the file";
    std::string error;
    SPPlugin* again = host->LoadPlugin(path, error);
    ASSERT_NE(again, nullptr) << error;
    host->Startup();
    EXPECT_TRUE(again->started) << again->startupResult;
    for (const PublishedSuite& suite : kPublished)
        EXPECT_TRUE(host->Suites().Has(suite.name, suite.version)) << suite.name;
    EXPECT_EQ(Acquire<HLKilnSuite>()->IsEngineReady(), 1);
}

TEST_F(KilnPluginTest, AConnectionChangeIsBroadcastOnceAndReadBackThroughTheSuite)
{
    ASSERT_EQ(control->SetConnectionStatus(1, "Expiring", "Your account expires soon."), kNoErr);
    control->SetConnectionStatus(1, "Expiring", "Your account expires soon.");
    EXPECT_EQ(heard.size(), 1u);
    control->SetConnectionStatus(-1, "No connection", "Please check your Internet connection.");
    EXPECT_EQ(control->SetConnectionStatus(2, nullptr, "text"), kKilnBadParameterError);
    EXPECT_EQ(heard, (Lines{kConnectionNotifier, kConnectionNotifier}));

    const auto* connection = Acquire<HLKilnHLSuite>();
    char title[256];
    char message[8];
    ASInt32 status = 0;
    ASSERT_EQ(connection->GetConnectionStatus(title, sizeof title, message, sizeof message, &status, 1), kNoErr);
    EXPECT_STREQ(title, "No connection");
    EXPECT_STREQ(message, "Please ");
    EXPECT_EQ(status, -1);
    title[0] = message[0] = 'u';
    EXPECT_EQ(connection->GetConnectionStatus(title, sizeof title, message, sizeof message, nullptr, 0),
              kKilnBadParameterError);
    EXPECT_STREQ(title, "uo connection");
    EXPECT_STREQ(message, "ulease ");
}

TEST_F(KilnPluginTest, TheShippedBookAndTheProcessInksAreFoundUntilALoadedBookReplacesIt)
{
    const auto* book = Acquire<HLInkBookSuite>();
    char entry[256];
    EXPECT_TRUE(book->FindInBook("PANTONE 185 C", entry, sizeof entry));
    EXPECT_STREQ(entry, "Hueline Spot Coated: PANTONE 185 C");
    EXPECT_TRUE(book->FindInBook("Process Magenta", entry, sizeof entry));
    for (const char* absent : {"Mystery Green", "pantone 185 c", "PANTONE 185", "", static_cast<const char*>(nullptr)})
        EXPECT_FALSE(book->FindInBook(absent, entry, sizeof entry)) << (absent ? absent : "null");

    preferences.Write("book.txt", "[Test]\r\n  Mystery Green\n\n[Other]\nMystery Green\n");
    ASSERT_EQ(control->LoadColorBook(preferences.File("book.txt").c_str()), kNoErr);
    for (const char* text : {"Stray Ink\n", "[Spot]\nBad\x02Name\n", "[]\nInk\n", "[Spot]\n[Unclosed\n"})
        EXPECT_EQ(control->LoadColorBook(preferences.Write("bad.txt", text).c_str()), kKilnMalformedError) << text;
    EXPECT_EQ(control->LoadColorBook(preferences.File("missing.txt").c_str()), kKilnFileError);
    EXPECT_TRUE(book->FindInBook("Mystery Green", entry, sizeof entry));
    EXPECT_STREQ(entry, "Test: Mystery Green");
    EXPECT_FALSE(book->FindInBook("PANTONE 185 C", nullptr, 0));
    EXPECT_TRUE(book->FindInBook("Cyan", nullptr, 0));
}

TEST_F(KilnPluginTest, PreferencesLeaveAbsentKeysAloneAndOutliveTheHostWhereverTheFolderIs)
{
    const auto* store = Acquire<HLPreferencesSuite>();
    ASInt32 value = 2;
    EXPECT_EQ(store->GetIntegerPreference(kViewer, "KilnImageQuality", &value), kKilnAbsentKeyError);
    EXPECT_EQ(value, 2);
    EXPECT_EQ(store->GetIntegerPreference(nullptr, "Key", &value), kKilnBadParameterError);
    EXPECT_EQ(store->GetBooleanPreference(kViewer, "Key", nullptr), kKilnBadParameterError);

    ASSERT_EQ(control->SetPreference(kViewer, "MergeSimilarInks", 5), kNoErr);
    Restart();
    store = Acquire<HLPreferencesSuite>();
    EXPECT_EQ(store->GetBooleanPreference(kViewer, "MergeSimilarInks", &value), kNoErr);
    EXPECT_EQ(value, 5);

    TemporaryFolder other;
    other.Write(kKilnPreferencesFileName, "[Hueline/Viewer]\nAntialiasingMode = 3\n");
    ASSERT_EQ(control->SetPreferencesFolder(other.Utf8().c_str()), kNoErr);
    EXPECT_EQ(store->GetIntegerPreference(kViewer, "AntialiasingMode", &value), kNoErr);
    EXPECT_EQ(value, 3);
    EXPECT_EQ(control->SetPreferencesFolder(nullptr), kKilnBadParameterError);
}

TEST_F(KilnPluginTest, ClientsRegisterOncePerApplicationAndActivitiesEndOnce)
{
    const auto* centre = Acquire<CorvaneMessageCenterSuite>();
    const ASInt32 id = centre->RegisterClient("com.hueline.viewer.plugin", "Hueline Viewer", "Hueline Viewer");
    EXPECT_NE(id, 0);
    EXPECT_EQ(centre->RegisterClient("com.hueline.viewer.plugin", "Hueline Viewer", "Hueline Viewer"), id);
    EXPECT_NE(centre->RegisterClient("com.example.other", "Other", "Other"), id);
    EXPECT_EQ(centre->RegisterClient("", "Empty", "Empty"), 0);
    EXPECT_EQ(control->CountClients(), 2);

    const ASInt32 token = centre->BeginActivity(id, "Betrachter", "Viewer");
    EXPECT_NE(token, 0);
    EXPECT_EQ(control->CountOpenActivities(), 1);
    EXPECT_EQ(centre->EndActivity(token), kNoErr);
    EXPECT_EQ(centre->EndActivity(token), kKilnUnknownHandleError);
    EXPECT_EQ(control->CountOpenActivities(), 0);
    EXPECT_EQ(centre->BeginActivity(id + 7, "Viewer", "Viewer"), 0);
}

}  // namespace
