// Jobs of the engine plug-in made from documents open in the simulated host: generation, load
// types, pushed jobs, the ink list and rendering through the suites.

#include "KilnPluginFixture.h"

#include "plugin/suites/HLInkSuite.h"
#include "plugin/suites/HLKilnSuite.h"

#include <algorithm>
#include <cmath>

namespace {

constexpr ASUInt32 kGuard = 0x12345678;
constexpr ASUInt32 kRed = 0xffff0000u;

// A square page of 72 points (25.4 mm): a red spot ink over all of it, a blue square from 18 to
// 54 points (6.35 to 19.05 mm) on top.
constexpr const char* kSquares = R"({"format": "Hueline document", "version": 1, "colorModel": "CMYK",
  "page": {"width": 72, "height": 72},
  "inks": [{"name": "Red", "rgb": [255, 0, 0]}, {"name": "Blue", "rgb": [0, 0, 255]}],
  "artwork": [{"type": "rectangle", "bounds": [0, 72, 72, 0], "fill": {"Red": 100}},
              {"type": "rectangle", "bounds": [18, 54, 54, 18], "fill": {"Blue": 100}}]})";

class KilnJobTest : public KilnPluginFixture
{
protected:
    AIDocumentHandle Open(const std::string& name, const std::string& text)
    {
        return OpenFile(documents.Write(name, text));
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

    // The job's width in millimetres, or NAN with the error.
    double Width() const
    {
        double height = 0, width = 0;
        return kiln->GetJobSize(&height, &width) == kNoErr ? width : NAN;
    }

    std::vector<ASUInt32> Render(const double area[4], int width, int height)
    {
        std::vector<ASUInt32> pixels(static_cast<std::size_t>(width) * height + 1, kGuard);
        EXPECT_EQ(kiln->RenderPreview(0, height, 0, width, area, pixels.data()), kNoErr);
        EXPECT_EQ(pixels.back(), kGuard);
        pixels.pop_back();
        return pixels;
    }

    TemporaryFolder documents;
    const HLKilnSuite* kiln = Acquire<HLKilnSuite>();
    const HLKilnODLSuite* odl = Acquire<HLKilnODLSuite>();
};

TEST_F(KilnJobTest, AJobIsThePageInMillimetresAndAFailedGenerationSaysWhyAndKeepsThePreviousJob)
{
    double bounds[4] = {};
    ASUInt32 pixel = kGuard;
    const double area[4] = {0.0, 1.0, 0.0, 1.0};
    EXPECT_TRUE(std::isnan(Width()));
    EXPECT_EQ(kiln->GetArtworkBounds(bounds), kKilnNoJobError);
    EXPECT_EQ(kiln->JobLoaded(), kKilnNoJobError);
    EXPECT_EQ(kiln->RenderPreview(0, 1, 0, 1, area, &pixel), kKilnNoJobError);
    EXPECT_EQ(pixel, kGuard);
    EXPECT_EQ(Generate(), "There is no document to generate a preview from.");

    // The artwork origin lies 10 points right of and 20 points above the page's bottom-left.
    Open("origin.json", R"({"format": "Hueline document", "version": 1, "colorModel": "CMYK",
      "page": {"width": 200, "height": 100, "origin": [10, 20]},
      "artwork": [{"type": "ellipse", "bounds": [0, 30, 72, -10], "fill": {"Cyan": 50}}]})");
    ASSERT_EQ(Generate(), "");
    ASSERT_EQ(kiln->GetArtworkBounds(bounds), kNoErr);
    const double k = 25.4 / 72.0;
    EXPECT_NEAR(bounds[0], 10.0 * k, 1e-6);
    EXPECT_NEAR(bounds[1], 82.0 * k, 1e-6);
    EXPECT_NEAR(bounds[2], 50.0 * k, 1e-6);
    EXPECT_NEAR(bounds[3], 90.0 * k, 1e-6);
    OpenFile(SAMPLES_DIR "/label.json");
    ASSERT_EQ(Generate(), "");
    EXPECT_NEAR(Width(), 100.0, 1e-3);
    EXPECT_EQ(kiln->JobLoaded(), kNoErr);

    OpenFile(SAMPLES_DIR "/rgb-poster.json");
    EXPECT_EQ(Generate(), "rgb-poster.json: RGB documents cannot be printed; convert the document to CMYK.");
    Open("empty.json", R"({"format": "Hueline document", "version": 1, "colorModel": "CMYK",
      "page": {"width": 100, "height": 100}})");
    EXPECT_EQ(Generate(), "empty.json: the document has no artwork to print.");
    EXPECT_NEAR(Width(), 100.0, 1e-3);
    EXPECT_EQ(control->CountOpenResults(), 0);

    EXPECT_EQ(kiln->ResetSession(), 1);
    EXPECT_TRUE(std::isnan(Width()));
    control->SetEngineReady(0);
    EXPECT_EQ(kiln->ResetSession(), 0);
}

TEST_F(KilnJobTest, LoadTypesFollowTheDocumentAndItsJobAndAnEditAsksWhetherAViewerShowsIt)
{
    EXPECT_EQ(odl->GetLoadType(), 0);  // no document
    const AIDocumentHandle squares = Open("squares.json", kSquares);
    EXPECT_EQ(odl->GetLoadType(), kHLLoadTypeReleased);  // no job yet
    ASSERT_EQ(Generate(), "");
    EXPECT_EQ(odl->GetLoadType(), kHLLoadTypeUpToDate);
    const AIDocumentHandle label = OpenFile(SAMPLES_DIR "/label.json");
    EXPECT_EQ(odl->GetLoadType(), kHLLoadTypeReleased);  // the job is another document's
    host->Documents().Switch(squares);
    EXPECT_EQ(odl->GetLoadType(), kHLLoadTypeUpToDate);
    EXPECT_TRUE(heard.empty());

    std::string error;
    const auto move = [&] { ASSERT_TRUE(host->Documents().Edit(squares, hostsim::MoveArtwork{1, 1.0, 0.0}, error)) << error; };
    showsJob = true;
    move();
    EXPECT_EQ(odl->GetLoadType(), kHLLoadTypeChanged);
    EXPECT_EQ(odl->GetLoadType(), kHLLoadTypeChanged);
    ASSERT_EQ(Generate(), "");
    EXPECT_EQ(odl->GetLoadType(), kHLLoadTypeUpToDate);
    showsJob = false;
    move();
    EXPECT_EQ(odl->GetLoadType(), kHLLoadTypeReleased);  // nobody shows the changed job: it is let go
    EXPECT_TRUE(std::isnan(Width()));
    EXPECT_EQ(odl->GetLoadType(), kHLLoadTypeReleased);
    const std::string query = std::string(kHLLoadTypeQueryNotifier) + " 2";
    EXPECT_EQ(heard, (Lines{query, query, query}));

    kiln->ResetSession();
    host->Documents().Close(label);
    EXPECT_EQ(odl->GetLoadType(), kHLLoadTypeReleased);
}

TEST_F(KilnJobTest, APushedJobIsAnnouncedWithOYSyncAndOneThatCannotBeMadeIsNot)
{
    OpenFile(SAMPLES_DIR "/rgb-poster.json");
    EXPECT_EQ(control->PushJob(0), kKilnGenerationError);
    Open("squares.json", kSquares);
    ASSERT_EQ(control->PushJob(1), kNoErr);
    ASSERT_EQ(control->PushJob(0), kNoErr);
    EXPECT_EQ(heard, (Lines{std::string(kHLSyncNotifier) + " 1", std::string(kHLSyncNotifier) + " 0"}));
    EXPECT_EQ(odl->GetLoadType(), kHLLoadTypeUpToDate);
    EXPECT_EQ(control->CountOpenResults(), 0);
}

TEST_F(KilnJobTest, TheInksAreTheCurrentDocumentsInPlateOrderAndDieWithTheirIteration)
{
    const auto* inks = Acquire<HLInkSuite>();
    HLInkRef ink = nullptr;
    char name[256];
    const auto names = [&] {
        Lines all;
        inks->ResetInkIteration(0);
        while (inks->NextInk(0, &ink) && inks->GetInkName(ink, name, sizeof name) == kNoErr)
            all.push_back(name);
        return all;
    };
    EXPECT_EQ(inks->NextInk(0, &ink), 0);  // nothing before the first reset
    EXPECT_EQ(names(), Lines{});
    OpenFile(SAMPLES_DIR "/label.json");
    EXPECT_EQ(names(), (Lines{"Cyan", "Magenta", "Yellow", "Black", "PANTONE 186 C", "PANTONE 349 C"}));
    inks->ResetInkIteration(0);
    ASSERT_NE(inks->NextInk(0, &ink), 0);
    EXPECT_EQ(inks->ResetInkIteration(1), kKilnBadParameterError);
    inks->ResetInkIteration(0);
    EXPECT_EQ(inks->GetInkName(ink, name, sizeof name), kKilnUnknownHandleError);
    EXPECT_EQ(Calls().back(), "GetInkName(unknown ink, 256)");
}

TEST_F(KilnJobTest, RenderPreviewFillsExactlyTheRequestedPixelsAndRefusesBadRectangles)
{
    Open("squares.json", kSquares);
    ASSERT_EQ(Generate(), "");
    std::vector<ASUInt32> pixels(3 * 2 + 1, kGuard);
    const double red[4] = {10.0, 12.5, 1.25, 2.0};
    ASSERT_EQ(kiln->RenderPreview(4, 6, 7, 10, red, pixels.data()), kNoErr);
    EXPECT_EQ(std::count(pixels.begin(), pixels.end(), kRed), 6);
    EXPECT_EQ(pixels.back(), kGuard);
    EXPECT_EQ(Calls().back(), "RenderPreview(4, 6, 7, 10, 10, 12.5, 1.25, 2)");
    // Either side of the blue square's left edge at 6.35 mm.
    const double edge[4] = {6.25, 6.45, 10.0, 10.1};
    EXPECT_EQ(Render(edge, 2, 1), (std::vector<ASUInt32>{kRed, 0xff0000ffu}));

    ASUInt32 pixel = kGuard;
    const double area[4] = {0.0, 1.0, 0.0, 1.0};
    const double inverted[4] = {1.0, 0.0, 0.0, 1.0};
    const double flat[4] = {0.0, 1.0, 2.0, 2.0};
    const double undefined[4] = {0.0, std::nan(""), 0.0, 1.0};
    EXPECT_EQ(kiln->RenderPreview(5, 5, 0, 1, area, &pixel), kKilnBadParameterError);
    EXPECT_EQ(kiln->RenderPreview(0, 1, 3, 2, area, &pixel), kKilnBadParameterError);
    EXPECT_EQ(kiln->RenderPreview(0, 1, 0, 1, nullptr, &pixel), kKilnBadParameterError);
    EXPECT_EQ(kiln->RenderPreview(0, 1, 0, 1, area, nullptr), kKilnBadParameterError);
    for (const double* bad : {inverted, flat, undefined})
        EXPECT_EQ(kiln->RenderPreview(0, 1, 0, 1, bad, &pixel), kKilnBadParameterError);
    EXPECT_EQ(pixel, kGuard);
}

TEST_F(KilnJobTest, TheDotGainCurveReachesTheRendering)
{
    Open("tint.json", R"({"format": "Hueline document", "version": 1, "colorModel": "CMYK",
      "page": {"width": 72, "height": 72}, "inks": [{"name": "Red", "rgb": [255, 0, 0]}],
      "artwork": [{"type": "rectangle", "bounds": [0, 72, 72, 0], "fill": {"Red": 50.2}}]})");
    ASSERT_EQ(Generate(), "");
    const double page[4] = {0.0, 25.4, 0.0, 25.4};
    ASSERT_EQ(kiln->SetDotGainCurve(0.0, 0.25, 0.5, 0.75, 1.0), kNoErr);
    EXPECT_EQ(Render(page, 1, 1).front(), 0xffff7f7fu);
    ASSERT_EQ(kiln->SetDotGainCurve(0.0, 0.5, 0.75, 0.9, 1.0), kNoErr);
    EXPECT_EQ(Render(page, 1, 1).front(), 0xffff3f3fu);
    ASSERT_EQ(kiln->SetDotGainCurve(0.0, 0.0, 0.0, 0.0, 0.0), kNoErr);  // automatic: 50 % prints as 64 %
    EXPECT_EQ(Render(page, 1, 1).front(), 0xffff5b5bu);
    EXPECT_EQ(kiln->SetDotGainCurve(0.0, 0.25, 1.2, 0.75, 1.0), kKilnBadParameterError);
    EXPECT_EQ(Render(page, 1, 1).front(), 0xffff5b5bu);
}

}  // namespace
