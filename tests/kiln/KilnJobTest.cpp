// Jobs of the engine plug-in made from documents open in the simulated host: generation, load
// types, the engine's broadcasts, the ink list and rendering through the suites.

#include "plugin/suites/AINotifierSuite.h"
#include "plugin/suites/HLKilnODLSuite.h"
#include "plugin/suites/HLKilnSuite.h"
#include "KilnPluginFixture.h"

#include <dlfcn.h>

#include <cmath>
#include <cstring>

namespace {

constexpr double kMillimetresPerPoint = 25.4 / 72.0;
constexpr ASUInt32 kGuard = 0x12345678;

// A square page of 72 points (25.4 mm): a red spot ink over all of it, a blue square from 18 to
// 54 points (6.35 to 19.05 mm) on top.
constexpr const char* kSquares = R"({"format": "Hueline document", "version": 1, "colorModel": "CMYK",
  "page": {"width": 72, "height": 72},
  "inks": [{"name": "Red", "rgb": [255, 0, 0]}, {"name": "Blue", "rgb": [0, 0, 255]}],
  "artwork": [{"type": "rectangle", "bounds": [0, 72, 72, 0], "fill": {"Red": 100}},
              {"type": "rectangle", "bounds": [18, 54, 54, 18], "fill": {"Blue": 100}}]})";

// What a listening viewer heard, and whether it shows the job when asked.
struct Listener
{
    bool showsJob = false;
    std::vector<ASInt32> queriedLoadTypes;
    std::vector<int> syncs;  // the bool sent with "OY Sync", -1 for none
};

Listener g_listener;

SPErr Listen(const char* caller, const char*, void* message)
{
    if (std::strcmp(caller, kCallerAINotifier) != 0)
        return kNoErr;
    const auto* notification = static_cast<AINotifierMessage*>(message);
    if (std::strcmp(notification->type, kHLLoadTypeQueryNotifier) == 0) {
        auto* query = static_cast<HLLoadTypeQuery*>(notification->notifyData);
        g_listener.queriedLoadTypes.push_back(query->loadType);
        if (g_listener.showsJob)
            query->shown = 1;
    } else if (std::strcmp(notification->type, kHLSyncNotifier) == 0) {
        const auto* keepView = static_cast<const AIBoolean*>(notification->notifyData);
        g_listener.syncs.push_back(keepView ? *keepView : -1);
    }
    return kNoErr;
}

// A plug-in living in the test program, outliving every host.
SPPlugin& ListenerPlugin()
{
    static SPPlugin plugin("listener", dlopen(nullptr, RTLD_NOW), &Listen);
    plugin.started = true;
    return plugin;
}

class KilnJobTest : public KilnPluginFixture
{
protected:
    KilnJobTest()
    {
        g_listener = Listener();
        host->Notifiers().Add(&ListenerPlugin(), "listener", kHLLoadTypeQueryNotifier);
        host->Notifiers().Add(&ListenerPlugin(), "listener", kHLSyncNotifier);
        kiln = Acquire<HLKilnSuite>();
        odl = Acquire<HLKilnODLSuite>();
    }

    AIDocumentHandle Open(const std::string& name, const std::string& text)
    {
        documents.Write(name, text);
        return OpenFile(documents.File(name));
    }

    AIDocumentHandle OpenFile(const std::string& path)
    {
        std::string error;
        AIDocumentHandle document = host->Documents().Open(path, error);
        EXPECT_NE(document, nullptr) << error;
        return document;
    }

    // Generates, releases the result and returns its failure text ("" after success).
    std::string Generate()
    {
        HLKilnResultHandle result = odl->RunGeneration();
        char message[256] = "unset";
        EXPECT_EQ(odl->GetResultMessage(result, message, sizeof message), kNoErr);
        EXPECT_EQ(odl->ResultSucceeded(result) != 0, message[0] == '\0') << message;
        EXPECT_EQ(odl->ReleaseResult(result), kNoErr);
        return message;
    }

    void Move(AIDocumentHandle document)
    {
        std::string error;
        ASSERT_TRUE(host->Documents().Edit(document, hostsim::MoveArtwork{1, 1.0, 0.0}, error)) << error;
    }

    struct JobSize
    {
        ASErr error;
        double height;
        double width;
    };

    JobSize Size() const
    {
        JobSize size{kNoErr, 0.0, 0.0};
        size.error = kiln->GetJobSize(&size.height, &size.width);
        return size;
    }

    std::vector<ASUInt32> Render(double x0, double x1, double y0, double y1, int width, int height)
    {
        const double area[4] = {x0, x1, y0, y1};
        std::vector<ASUInt32> pixels(static_cast<std::size_t>(width) * height + 1, kGuard);
        EXPECT_EQ(kiln->RenderPreview(0, height, 0, width, area, pixels.data()), kNoErr);
        EXPECT_EQ(pixels.back(), kGuard);
        pixels.pop_back();
        return pixels;
    }

    TemporaryFolder documents;
    const HLKilnSuite* kiln = nullptr;
    const HLKilnODLSuite* odl = nullptr;
};

// --- generation ---

TEST_F(KilnJobTest, AJobIsThePageInMillimetres)
{
    OpenFile(SAMPLES_DIR "/label.json");
    ASSERT_EQ(Generate(), "");
    const JobSize size = Size();
    ASSERT_EQ(size.error, kNoErr);
    EXPECT_NEAR(size.width, 100.0, 1e-3);
    EXPECT_NEAR(size.height, 60.0, 1e-3);
    EXPECT_EQ(kiln->JobLoaded(), kNoErr);
}

TEST_F(KilnJobTest, ArtworkBoundsAreMillimetresFromThePagesTopLeft)
{
    // The artwork origin lies 10 points right of and 20 points above the page's bottom-left.
    Open("origin.json", R"({"format": "Hueline document", "version": 1, "colorModel": "CMYK",
      "page": {"width": 200, "height": 100, "origin": [10, 20]},
      "artwork": [{"type": "ellipse", "bounds": [0, 30, 72, -10], "fill": {"Cyan": 50}}]})");
    ASSERT_EQ(Generate(), "");
    double bounds[4] = {};
    ASSERT_EQ(kiln->GetArtworkBounds(bounds), kNoErr);
    const double k = kMillimetresPerPoint;
    EXPECT_NEAR(bounds[0], 10.0 * k, 1e-6);
    EXPECT_NEAR(bounds[1], 82.0 * k, 1e-6);
    EXPECT_NEAR(bounds[2], (100.0 - 20.0 - 30.0) * k, 1e-6);
    EXPECT_NEAR(bounds[3], (100.0 - 20.0 + 10.0) * k, 1e-6);
}

TEST_F(KilnJobTest, DocumentsTheEngineCannotPrintFailWithAClearMessage)
{
    EXPECT_EQ(Generate(), "There is no document to generate a preview from.");
    OpenFile(SAMPLES_DIR "/rgb-poster.json");
    EXPECT_EQ(Generate(), "rgb-poster.json: RGB documents cannot be printed; convert the document to CMYK.");
    Open("empty.json", R"({"format": "Hueline document", "version": 1, "colorModel": "CMYK",
      "page": {"width": 100, "height": 100}})");
    EXPECT_EQ(Generate(), "empty.json: the document has no artwork to print.");
    EXPECT_EQ(control->CountOpenResults(), 0);
}

TEST_F(KilnJobTest, EverySampleTheEngineCanPrintGenerates)
{
    for (const char* sample : {"label.json", "fine-detail.json", "unknown-spot.json"}) {
        OpenFile(std::string(SAMPLES_DIR "/") + sample);
        EXPECT_EQ(Generate(), "") << sample;
    }
}

TEST_F(KilnJobTest, AFailedGenerationKeepsThePreviousJob)
{
    Open("squares.json", kSquares);
    ASSERT_EQ(Generate(), "");
    OpenFile(SAMPLES_DIR "/rgb-poster.json");
    ASSERT_NE(Generate(), "");
    const JobSize size = Size();
    ASSERT_EQ(size.error, kNoErr);
    EXPECT_NEAR(size.width, 25.4, 1e-9);
}

TEST_F(KilnJobTest, WithoutAJobTheJobEntriesSaySo)
{
    double bounds[4] = {};
    ASUInt32 pixel = kGuard;
    const double area[4] = {0.0, 1.0, 0.0, 1.0};
    EXPECT_EQ(Size().error, kKilnNoJobError);
    EXPECT_EQ(kiln->GetArtworkBounds(bounds), kKilnNoJobError);
    EXPECT_EQ(kiln->JobLoaded(), kKilnNoJobError);
    EXPECT_EQ(kiln->RenderPreview(0, 1, 0, 1, area, &pixel), kKilnNoJobError);
    EXPECT_EQ(pixel, kGuard);
}

TEST_F(KilnJobTest, ResetSessionReleasesTheJobAndAnswersTheReadiness)
{
    Open("squares.json", kSquares);
    ASSERT_EQ(Generate(), "");
    EXPECT_EQ(kiln->ResetSession(), 1);
    EXPECT_EQ(Size().error, kKilnNoJobError);
    control->SetEngineReady(0);
    EXPECT_EQ(kiln->ResetSession(), 0);
}

// --- load types ---

TEST_F(KilnJobTest, LoadTypesFollowTheDocumentAndItsJob)
{
    EXPECT_EQ(odl->GetLoadType(), 0);  // no document
    AIDocumentHandle squares = Open("squares.json", kSquares);
    EXPECT_EQ(odl->GetLoadType(), kHLLoadTypeReleased);  // no job yet
    ASSERT_EQ(Generate(), "");
    EXPECT_EQ(odl->GetLoadType(), kHLLoadTypeUpToDate);

    AIDocumentHandle label = OpenFile(SAMPLES_DIR "/label.json");
    EXPECT_EQ(odl->GetLoadType(), kHLLoadTypeReleased);  // the job is another document's
    host->Documents().Switch(squares);
    EXPECT_EQ(odl->GetLoadType(), kHLLoadTypeUpToDate);

    kiln->ResetSession();
    EXPECT_EQ(odl->GetLoadType(), kHLLoadTypeReleased);
    host->Documents().Close(label);
    EXPECT_TRUE(g_listener.queriedLoadTypes.empty());
}

TEST_F(KilnJobTest, AnEditOffersARegenerationWhileAViewerShowsTheJob)
{
    Observe(kHLLoadTypeQueryNotifier);
    AIDocumentHandle squares = Open("squares.json", kSquares);
    ASSERT_EQ(Generate(), "");
    g_listener.showsJob = true;
    Move(squares);
    EXPECT_EQ(odl->GetLoadType(), kHLLoadTypeChanged);
    EXPECT_EQ(odl->GetLoadType(), kHLLoadTypeChanged);
    EXPECT_EQ(g_listener.queriedLoadTypes, (std::vector<ASInt32>{kHLLoadTypeChanged, kHLLoadTypeChanged}));
    EXPECT_EQ(Deliveries(kHLLoadTypeQueryNotifier), 2);
    ASSERT_EQ(Generate(), "");
    EXPECT_EQ(odl->GetLoadType(), kHLLoadTypeUpToDate);
}

TEST_F(KilnJobTest, AChangedJobNoViewerShowsIsReleased)
{
    AIDocumentHandle squares = Open("squares.json", kSquares);
    ASSERT_EQ(Generate(), "");
    Move(squares);
    EXPECT_EQ(odl->GetLoadType(), kHLLoadTypeReleased);
    EXPECT_EQ(Size().error, kKilnNoJobError);
    EXPECT_EQ(odl->GetLoadType(), kHLLoadTypeReleased);
    EXPECT_EQ(g_listener.queriedLoadTypes.size(), 1u);
}

// --- pushed jobs ---

TEST_F(KilnJobTest, APushedJobIsAnnouncedWithOYSync)
{
    Observe(kHLSyncNotifier);
    Open("squares.json", kSquares);
    ASSERT_EQ(control->PushJob(1), kNoErr);
    ASSERT_EQ(control->PushJob(0), kNoErr);
    EXPECT_EQ(g_listener.syncs, (std::vector<int>{1, 0}));
    EXPECT_EQ(Deliveries(kHLSyncNotifier), 2);
    EXPECT_EQ(odl->GetLoadType(), kHLLoadTypeUpToDate);
    EXPECT_EQ(control->CountOpenResults(), 0);
}

TEST_F(KilnJobTest, ADocumentThatCannotBePushedIsNotAnnounced)
{
    OpenFile(SAMPLES_DIR "/rgb-poster.json");
    EXPECT_EQ(control->PushJob(0), kKilnGenerationError);
    EXPECT_TRUE(g_listener.syncs.empty());
}

// --- inks ---

TEST_F(KilnJobTest, TheInksAreTheCurrentDocumentsInPlateOrder)
{
    EXPECT_EQ(IterateInks(), Lines{});
    OpenFile(SAMPLES_DIR "/label.json");
    control->ClearCalls();
    EXPECT_EQ(IterateInks(), (Lines{"Cyan", "Magenta", "Yellow", "Black", "PANTONE 186 C", "PANTONE 349 C"}));
    const Lines calls = Calls();
    EXPECT_EQ(calls[0], "ResetInkIteration(0)");
    EXPECT_EQ(calls[2], "GetInkName(\"Cyan\", 256)");
}

TEST_F(KilnJobTest, AnInkReferenceDiesWithItsIteration)
{
    Open("squares.json", kSquares);
    const auto* inks = Acquire<HLInkSuite>();
    HLInkRef ink = nullptr;
    EXPECT_EQ(inks->NextInk(0, &ink), 0);  // nothing before the first reset
    inks->ResetInkIteration(0);
    ASSERT_NE(inks->NextInk(0, &ink), 0);
    char name[256];
    ASSERT_EQ(inks->GetInkName(ink, name, sizeof name), kNoErr);
    EXPECT_STREQ(name, "Cyan");
    EXPECT_EQ(inks->ResetInkIteration(1), kKilnBadParameterError);
    inks->ResetInkIteration(0);
    EXPECT_EQ(inks->GetInkName(ink, name, sizeof name), kKilnUnknownHandleError);
    EXPECT_EQ(Calls().back(), "GetInkName(unknown ink, 256)");
}

// --- rendering through the suite ---

TEST_F(KilnJobTest, RenderPreviewFillsExactlyTheRequestedPixels)
{
    Open("squares.json", kSquares);
    ASSERT_EQ(Generate(), "");
    std::vector<ASUInt32> pixels(3 * 2 + 1, kGuard);
    const double area[4] = {10.0, 12.5, 1.25, 2.0};
    ASSERT_EQ(kiln->RenderPreview(4, 6, 7, 10, area, pixels.data()), kNoErr);
    EXPECT_EQ(std::count(pixels.begin(), pixels.end(), 0xffff0000u), 6);
    EXPECT_EQ(pixels.back(), kGuard);
    EXPECT_EQ(Calls().back(), "RenderPreview(4, 6, 7, 10, 10, 12.5, 1.25, 2)");
}

TEST_F(KilnJobTest, RenderPreviewRefusesBadRectanglesAndWritesNothing)
{
    Open("squares.json", kSquares);
    ASSERT_EQ(Generate(), "");
    ASUInt32 pixel = kGuard;
    const double area[4] = {0.0, 1.0, 0.0, 1.0};
    const double inverted[4] = {1.0, 0.0, 0.0, 1.0};
    const double flat[4] = {0.0, 1.0, 2.0, 2.0};
    const double undefined[4] = {0.0, std::nan(""), 0.0, 1.0};
    EXPECT_EQ(kiln->RenderPreview(5, 5, 0, 1, area, &pixel), kKilnBadParameterError);
    EXPECT_EQ(kiln->RenderPreview(0, 1, 3, 2, area, &pixel), kKilnBadParameterError);
    EXPECT_EQ(kiln->RenderPreview(0, 1, 0, 1, nullptr, &pixel), kKilnBadParameterError);
    EXPECT_EQ(kiln->RenderPreview(0, 1, 0, 1, area, nullptr), kKilnBadParameterError);
    EXPECT_EQ(kiln->RenderPreview(0, 1, 0, 1, inverted, &pixel), kKilnBadParameterError);
    EXPECT_EQ(kiln->RenderPreview(0, 1, 0, 1, flat, &pixel), kKilnBadParameterError);
    EXPECT_EQ(kiln->RenderPreview(0, 1, 0, 1, undefined, &pixel), kKilnBadParameterError);
    EXPECT_EQ(pixel, kGuard);
    EXPECT_EQ(Calls().back(), "RenderPreview(0, 1, 0, 1, 0, nan, 0, 1)");
}

TEST_F(KilnJobTest, TheTrapLayerSpreadsInksPastTheirShapesEdge)
{
    Open("squares.json", kSquares);
    ASSERT_EQ(Generate(), "");
    // Four pixels of 0.025 mm left of the blue square's left edge at 6.35 mm, and one inside.
    const auto edge = [this] { return Render(6.225, 6.375, 12.0, 12.025, 6, 1); };
    const std::vector<ASUInt32> hidden = edge();
    EXPECT_EQ(hidden[1], 0xffff0000u);
    EXPECT_EQ(hidden[4], 0xffff0000u);
    EXPECT_EQ(hidden[5], 0xff0000ffu);
    ASSERT_EQ(kiln->SetTrapLayerVisible(1), kNoErr);
    const std::vector<ASUInt32> shown = edge();
    EXPECT_EQ(shown[0], 0xffff0000u);  // 0.125 to 0.1 mm away: past the trap
    EXPECT_EQ(shown[2], 0xff000000u);  // red and blue overprint in the trap
    EXPECT_EQ(shown[4], 0xff000000u);
    EXPECT_EQ(shown[5], 0xff0000ffu);
}

TEST_F(KilnJobTest, TheDotGainCurveReachesTheRendering)
{
    Open("tint.json", R"({"format": "Hueline document", "version": 1, "colorModel": "CMYK",
      "page": {"width": 72, "height": 72}, "inks": [{"name": "Red", "rgb": [255, 0, 0]}],
      "artwork": [{"type": "rectangle", "bounds": [0, 72, 72, 0], "fill": {"Red": 50.2}}]})");
    ASSERT_EQ(Generate(), "");
    ASSERT_EQ(kiln->SetDotGainCurve(0.0, 0.25, 0.5, 0.75, 1.0), kNoErr);
    EXPECT_EQ(Render(0.0, 25.4, 0.0, 25.4, 1, 1).front(), 0xffff7f7fu);
    ASSERT_EQ(kiln->SetDotGainCurve(0.0, 0.0, 0.0, 0.0, 0.0), kNoErr);
    EXPECT_EQ(Render(0.0, 25.4, 0.0, 25.4, 1, 1).front(), 0xffff5b5bu);
    EXPECT_EQ(kiln->SetDotGainCurve(0.0, 0.25, 1.2, 0.75, 1.0), kKilnBadParameterError);
    EXPECT_EQ(Render(0.0, 25.4, 0.0, 25.4, 1, 1).front(), 0xffff5b5bu);
}

TEST_F(KilnJobTest, AntialiasingCanBeSwitchedOff)
{
    Open("circle.json", R"({"format": "Hueline document", "version": 1, "colorModel": "CMYK",
      "page": {"width": 72, "height": 72}, "inks": [{"name": "Red", "rgb": [255, 0, 0]}],
      "artwork": [{"type": "ellipse", "bounds": [6, 66, 66, 6], "fill": {"Red": 100}}]})");
    ASSERT_EQ(Generate(), "");
    const auto partial = [this] {
        const std::vector<ASUInt32> pixels = Render(0.0, 25.4, 0.0, 25.4, 32, 32);
        return std::count_if(pixels.begin(), pixels.end(),
                             [](ASUInt32 pixel) { return pixel != 0xffff0000u && pixel != 0xffffffffu; });
    };
    EXPECT_GT(partial(), 0);
    ASSERT_EQ(kiln->SetAntialiasingMode(1), kNoErr);
    EXPECT_EQ(partial(), 0);
    EXPECT_EQ(kiln->SetAntialiasingMode(2), kKilnBadParameterError);
    EXPECT_EQ(partial(), 0);
}

TEST_F(KilnJobTest, TextIsRenderedInItsInk)
{
    // "Orchard Gold", 22 points high at (84, 134.079) on the label, in PANTONE 349 C.
    OpenFile(SAMPLES_DIR "/label.json");
    ASSERT_EQ(Generate(), "");
    const double k = kMillimetresPerPoint;
    const std::vector<ASUInt32> pixels = Render(84 * k, 220 * k, (170.079 - 150) * k, (170.079 - 128) * k, 136, 22);
    const ASUInt32 background = pixels.front();
    const auto inked = std::count_if(pixels.begin(), pixels.end(), [&](ASUInt32 pixel) { return pixel != background; });
    EXPECT_GT(inked, 136 * 22 / 10);
    EXPECT_LT(inked, 136 * 22 / 2);
}

}  // namespace
