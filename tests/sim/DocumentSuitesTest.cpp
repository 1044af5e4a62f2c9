#include "sim/host/Host.h"

#include "plugin/suites/AIDocumentSuite.h"
#include "plugin/suites/AIDocumentViewSuite.h"
#include "plugin/suites/AIUserSuite.h"
#include "plugin/suites/SPBasicSuite.h"
#include "sim/host/HostSuites.h"

#include <gtest/gtest.h>

namespace {

// The document, view, user and document access suites called the way plug-ins call them.
class DocumentSuitesTest : public ::testing::Test
{
protected:
    template <typename Suite>
    const Suite& Acquire()
    {
        const void* suite = nullptr;
        EXPECT_EQ(host.BasicSuite()->AcquireSuite(Suite::kName, Suite::kVersion, &suite), kNoErr);
        return *static_cast<const Suite*>(suite);
    }

    AIDocumentHandle Open(const char* sample)
    {
        std::string error;
        AIDocumentHandle document = host.Documents().Open(std::string(SAMPLES_DIR) + "/" + sample, error);
        EXPECT_TRUE(document) << error;
        return document;
    }

    AIDocumentViewHandle FrontView()
    {
        AIDocumentViewHandle view = nullptr;
        EXPECT_EQ(views.GetNthDocumentView(0, &view), kNoErr);
        return view;
    }

    hostsim::Host host;
    const AIDocumentSuite& documents = Acquire<AIDocumentSuite>();
    const AIDocumentViewSuite& views = Acquire<AIDocumentViewSuite>();
    const AIUserSuite& user = Acquire<AIUserSuite>();
    const HostSimDocumentAccessSuite& access = Acquire<HostSimDocumentAccessSuite>();
};

}  // namespace

TEST_F(DocumentSuitesTest, WithoutADocumentOnlyTheCurrentDocumentQuerySucceedsAndAClosedOneIsNotOpen)
{
    AIDocumentHandle current = reinterpret_cast<AIDocumentHandle>(&host);
    EXPECT_EQ(documents.GetCurrentDocument(&current), kNoErr);
    EXPECT_EQ(current, nullptr);
    ASInt32 model = 0;
    AIReal width = 0, height = 0;
    AIRealPoint origin{};
    EXPECT_EQ(documents.GetDocumentColorModel(&model), hostsim::NoDocumentError());
    EXPECT_EQ(documents.GetDocumentPageSize(&width, &height), hostsim::NoDocumentError());
    EXPECT_EQ(documents.GetDocumentPageOrigin(&origin), hostsim::NoDocumentError());
    AIDocumentViewHandle view = reinterpret_cast<AIDocumentViewHandle>(&host);
    EXPECT_EQ(views.GetNthDocumentView(0, &view), hostsim::NoDocumentViewError());
    EXPECT_EQ(view, nullptr);
    AIDocumentHandle label = Open("label.json");
    AIBoolean open = 0;
    EXPECT_EQ(documents.IsDocumentOpen(label, &open), kNoErr);
    EXPECT_EQ(open, 1);
    host.Documents().Close(label);
    EXPECT_EQ(documents.IsDocumentOpen(label, &open), kNoErr);
    EXPECT_EQ(open, 0);
    EXPECT_EQ(documents.IsDocumentOpen(nullptr, &open), kNoErr);
    EXPECT_EQ(open, 0);
    EXPECT_NE(documents.IsDocumentOpen(label, nullptr), kNoErr);
}

TEST_F(DocumentSuitesTest, DocumentEntriesDescribeTheCurrentDocument)
{
    struct Row
    {
        const char* sample;
        ASInt32 model;
        AIReal width;
        AIReal height;
        AIRealPoint origin;
    };
    const Row rows[] = {
        {"label.json", kHostSimCMYKColorModel, 283.465, 170.079, {0, 0}},
        {"fine-detail.json", kHostSimCMYKColorModel, 595.276, 841.89, {36, 36}},
        {"rgb-poster.json", kAIRGBColorModel, 480, 320, {0, 0}},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.sample);
        AIDocumentHandle opened = Open(row.sample);
        AIDocumentHandle current = nullptr;
        ASInt32 model = 0;
        AIReal width = 0, height = 0;
        AIRealPoint origin{};
        EXPECT_EQ(documents.GetCurrentDocument(&current), kNoErr);
        EXPECT_EQ(current, opened);
        EXPECT_EQ(documents.GetDocumentColorModel(&model), kNoErr);
        EXPECT_EQ(model, row.model);
        EXPECT_EQ(documents.GetDocumentPageSize(&width, &height), kNoErr);
        EXPECT_EQ(width, row.width);
        EXPECT_EQ(height, row.height);
        EXPECT_EQ(documents.GetDocumentPageOrigin(&origin), kNoErr);
        EXPECT_EQ(origin.h, row.origin.h);
        EXPECT_EQ(origin.v, row.origin.v);
    }
}

TEST_F(DocumentSuitesTest, ViewEntriesReadAndSetTheFrontView)
{
    Open("label.json");
    AIDocumentViewHandle view = FrontView();
    const AIRealPoint center{50, 60};
    EXPECT_EQ(views.SetDocumentViewCenter(view, &center), kNoErr);
    EXPECT_EQ(views.SetDocumentViewZoom(view, 4), kNoErr);
    AIRealRect bounds{};
    AIReal zoom = 0;
    EXPECT_EQ(views.GetDocumentViewBounds(view, &bounds), kNoErr);
    EXPECT_EQ(views.GetDocumentViewZoom(view, &zoom), kNoErr);
    EXPECT_EQ(zoom, 4);
    EXPECT_DOUBLE_EQ(bounds.left, 50 - 100);
    EXPECT_DOUBLE_EQ(bounds.top, 60 + 75);

    EXPECT_EQ(views.SetDocumentViewZoom(view, 96000.0 / 100), kNoErr);
    EXPECT_EQ(views.GetDocumentViewZoom(view, &zoom), kNoErr);
    EXPECT_EQ(zoom, 640);
    EXPECT_NE(views.SetDocumentViewZoom(view, 0), kNoErr);
    EXPECT_NE(views.SetDocumentViewCenter(view, nullptr), kNoErr);
    AIDocumentViewHandle second = nullptr;
    EXPECT_NE(views.GetNthDocumentView(1, &second), kNoErr);
    EXPECT_EQ(second, nullptr);
}

// The next document takes the closed one's memory in a build without sanitizers; its handles
// must not answer for the closed one.
TEST_F(DocumentSuitesTest, ViewsOfClosedOrNotYetViewedDocumentsAreRefusedAlsoOnceTheNextOneOpens)
{
    AIDocumentHandle label = Open("label.json");
    AIDocumentViewHandle view = FrontView();
    host.Documents().SetNoDocumentViewYet(true);
    AIDocumentViewHandle front = nullptr;
    AIRealRect bounds{};
    EXPECT_EQ(views.GetNthDocumentView(0, &front), hostsim::NoDocumentViewError());
    EXPECT_EQ(views.GetDocumentViewBounds(view, &bounds), hostsim::NoDocumentViewError());
    host.Documents().SetNoDocumentViewYet(false);
    EXPECT_EQ(views.GetDocumentViewBounds(view, &bounds), kNoErr);
    host.Documents().Close(label);
    const AIDocumentHandle next = Open("label.json");
    EXPECT_NE(next, label);
    EXPECT_NE(FrontView(), view);
    AIBoolean open = 1;
    EXPECT_EQ(documents.IsDocumentOpen(label, &open), kNoErr);
    EXPECT_EQ(open, 0);
    AIReal zoom = 0;
    const AIRealPoint center{0, 0};
    EXPECT_EQ(views.GetDocumentViewBounds(view, &bounds), hostsim::BadParameterError());
    EXPECT_EQ(views.GetDocumentViewZoom(view, &zoom), hostsim::BadParameterError());
    EXPECT_EQ(views.SetDocumentViewCenter(view, &center), hostsim::BadParameterError());
    EXPECT_EQ(views.SetDocumentViewZoom(view, 1), hostsim::BadParameterError());
    EXPECT_EQ(user.GetDocumentViewScaleFactor(view), 1.0);
}

TEST_F(DocumentSuitesTest, TickCounterFollowsHostTimeAndWrapsAt32BitsAndScaleFactorsComeFromTheHostAndTheView)
{
    ASUInt32 ticks = 1;
    EXPECT_EQ(user.GetHostTicks(&ticks), kNoErr);
    EXPECT_EQ(ticks, 0u);
    host.AdvanceTicks(601);
    EXPECT_EQ(user.GetHostTicks(&ticks), kNoErr);
    EXPECT_EQ(ticks, 601u);

    host.SetTickCounterStart(0xFFFFFFF0u);
    host.AdvanceTicks(31);
    EXPECT_EQ(user.GetHostTicks(&ticks), kNoErr);
    EXPECT_EQ(ticks, 0xFFFFFFF0u + 632u);
    EXPECT_NE(user.GetHostTicks(nullptr), kNoErr);
    EXPECT_EQ(user.GetUIScaleFactor(), 1.0);
    host.SetUIScaleFactor(1.5);
    EXPECT_EQ(user.GetUIScaleFactor(), 1.5);

    Open("label.json");
    AIDocumentViewHandle view = FrontView();
    EXPECT_EQ(user.GetDocumentViewScaleFactor(view), 1.0);
    host.Documents().ChangeView(view, [](hostsim::DocumentView& v) { return v.SetScaleFactor(2.0); });
    EXPECT_EQ(user.GetDocumentViewScaleFactor(view), 2.0);
}

TEST_F(DocumentSuitesTest, AccessSuiteDescribesTheDocumentForTheEngineWithinItsCounts)
{
    AIDocumentHandle label = Open("label.json");
    HostSimDocumentInfo info{};
    ASSERT_EQ(access.GetDocumentInfo(label, &info), kNoErr);
    EXPECT_STREQ(info.name, "label.json");
    EXPECT_EQ(info.inkCount, 6);
    HostSimInk ink{};
    ASSERT_EQ(access.GetInk(label, 4, &ink), kNoErr);
    EXPECT_STREQ(ink.name, "PANTONE 186 C");
    EXPECT_EQ(ink.process, 0);
    EXPECT_EQ(ink.appearanceSpace, kHostSimAppearanceLab);
    EXPECT_NE(access.GetInk(label, 6, &ink), kNoErr);
    EXPECT_NE(access.GetInk(label, -1, &ink), kNoErr);

    HostSimArtwork star{};
    ASSERT_EQ(access.GetArtwork(label, 3, &star), kNoErr);
    EXPECT_EQ(star.kind, kHostSimPath);
    ASSERT_EQ(star.pointCount, 10);
    ASSERT_EQ(star.fill.count, 1);
    EXPECT_EQ(star.fill.tints[0].ink, 2);
    HostSimArtwork title{};
    ASSERT_EQ(access.GetArtwork(label, 4, &title), kNoErr);
    EXPECT_STREQ(title.text, "Orchard Gold");
    EXPECT_NE(access.GetArtwork(label, info.artworkCount, &title), kNoErr);
    EXPECT_NE(access.GetArtwork(label, 0, nullptr), kNoErr);
}

TEST_F(DocumentSuitesTest, AccessSuiteSeesEditsAndRefusesClosedDocuments)
{
    AIDocumentHandle label = Open("label.json");
    std::string error;
    ASSERT_TRUE(host.Documents().Edit(label, hostsim::MoveArtwork{0, 3, 4}, error)) << error;
    HostSimDocumentInfo info{};
    ASSERT_EQ(access.GetDocumentInfo(label, &info), kNoErr);
    EXPECT_EQ(info.revision, 1u);
    HostSimArtwork background{};
    ASSERT_EQ(access.GetArtwork(label, 0, &background), kNoErr);
    EXPECT_EQ(background.bounds.left, 3);
    EXPECT_DOUBLE_EQ(background.bounds.top, 174.079);

    host.Documents().Close(label);
    EXPECT_NE(access.GetDocumentInfo(label, &info), kNoErr);
    EXPECT_NE(access.GetArtwork(label, 0, &background), kNoErr);
}
