// Documents and views of the simulated host, watched and queried through the suites the way the
// viewer does: from inside the notifications the host sends.

#include "Listener.h"

#include "plugin/suites/AIDocumentSuite.h"
#include "plugin/suites/AIDocumentViewSuite.h"
#include "plugin/suites/AIUserSuite.h"
#include "plugin/suites/SPBasicSuite.h"
#include "sim/host/HostSuites.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <limits>

using hostsim::DocumentView;
using hostsim::MoveArtwork;

namespace {

constexpr const char* kColorSettingsNotifier = "AI Command Notifier: After Color Matching Preferences";

class DocumentsTest : public ::testing::Test
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
        AIDocumentHandle document = center.Open(std::string(SAMPLES_DIR) + "/" + sample, error);
        EXPECT_TRUE(document) << error;
        return document;
    }

    AIDocumentViewHandle FrontView()
    {
        AIDocumentViewHandle view = nullptr;
        EXPECT_EQ(views.GetNthDocumentView(0, &view), kNoErr);
        return view;
    }

    void Heard(const char* type)
    {
        const std::string kind = type == std::string(hostsim::kDocumentChangedNotifier) ? "Changed"
                                 : type == std::string(hostsim::kDocumentClosedNotifier) ? "Closed"
                                 : type == std::string(kColorSettingsNotifier)           ? "Color settings"
                                                                                         : "View";
        log += (log.empty() ? "" : "|") + kind + " " + (kind == "View" ? ViewState() : CurrentDocument());
    }

    std::string CurrentDocument()
    {
        AIDocumentHandle current = nullptr;
        EXPECT_EQ(documents.GetCurrentDocument(&current), kNoErr);
        const hostsim::Document* document = center.Find(current);
        return document ? document->Name() + "@" + std::to_string(document->Revision()) : "none";
    }

    std::string ViewState()
    {
        AIDocumentViewHandle view = nullptr;
        AIRealRect bounds{};
        AIReal zoom = 0;
        if (views.GetNthDocumentView(0, &view) != kNoErr || views.GetDocumentViewBounds(view, &bounds) != kNoErr ||
            views.GetDocumentViewZoom(view, &zoom) != kNoErr)
            return "none";
        char text[96];
        std::snprintf(text, sizeof text, "%g,%g x%g", (bounds.left + bounds.right) / 2, (bounds.top + bounds.bottom) / 2, zoom);
        return text;
    }

    hostsim::Host host;
    hostsim::DocumentCenter& center = host.Documents();
    const AIDocumentSuite& documents = Acquire<AIDocumentSuite>();
    const AIDocumentViewSuite& views = Acquire<AIDocumentViewSuite>();
    const AIUserSuite& user = Acquire<AIUserSuite>();
    std::string log;
    Listener listener{host,
                      {hostsim::kDocumentChangedNotifier, hostsim::kDocumentClosedNotifier,
                       hostsim::kDocumentViewChangedNotifier, kColorSettingsNotifier},
                      [this](const char* type, void*) { Heard(type); }};
};

TEST_F(DocumentsTest, OpenSwitchEditAndCloseNotifyOnceTheChangeIsComplete)
{
    const AIDocumentHandle label = Open("label.json");
    const AIDocumentHandle detail = Open("fine-detail.json");
    const AIDocumentHandle rgb = Open("rgb-poster.json");
    EXPECT_TRUE(center.Switch(detail));
    EXPECT_TRUE(center.Switch(detail));
    EXPECT_TRUE(center.Close(detail));  // the right-hand neighbour becomes current
    std::string error;
    EXPECT_TRUE(center.Edit(rgb, MoveArtwork{0, 1, 1}, error)) << error;
    EXPECT_FALSE(center.Edit(rgb, MoveArtwork{999, 1, 1}, error));
    EXPECT_EQ(error, "artwork 1000: no such item");
    EXPECT_TRUE(center.Close(rgb));  // then the left-hand one
    EXPECT_FALSE(center.Close(rgb));
    EXPECT_FALSE(center.Switch(rgb));
    EXPECT_FALSE(center.Edit(rgb, MoveArtwork{0, 1, 1}, error));
    EXPECT_EQ(error, "the document is not open");
    EXPECT_EQ(center.Open(std::string(SAMPLES_DIR) + "/no-such.json", error), nullptr);
    EXPECT_EQ(error.rfind("no-such.json: cannot be opened", 0), 0u) << error;
    host.ConfirmColorSettings();
    EXPECT_TRUE(center.Close(label));
    EXPECT_EQ(log, "Changed label.json@0|Changed fine-detail.json@0|Changed rgb-poster.json@0|"
                   "Changed fine-detail.json@0|Closed rgb-poster.json@0|Changed rgb-poster.json@0|"
                   "Changed rgb-poster.json@1|Closed label.json@0|Changed label.json@0|"
                   "Color settings label.json@0|Closed none");
}

// The viewer's link section hears the view change from inside its own setter calls.
TEST_F(DocumentsTest, ViewSettersNotifyFromInsideTheCallWithTheNewViewInPlace)
{
    Open("label.json");
    const AIDocumentViewHandle view = FrontView();
    log.clear();
    const AIRealPoint middle{50, 60};
    log += "centre{";
    EXPECT_EQ(views.SetDocumentViewCenter(view, &middle), kNoErr);
    log += "}zoom{";
    EXPECT_EQ(views.SetDocumentViewZoom(view, 4), kNoErr);
    log += "}";
    const double fitted = 800.0 / 283.465;
    char expected[128];
    std::snprintf(expected, sizeof expected, "centre{|View 50,60 x%g}zoom{|View 50,60 x4}", fitted);
    EXPECT_EQ(log, expected);

    AIRealRect bounds{};
    EXPECT_EQ(views.GetDocumentViewBounds(view, &bounds), kNoErr);
    EXPECT_DOUBLE_EQ(bounds.left, 50 - 100);  // 800 × 600 view pixels at 4 per point
    EXPECT_DOUBLE_EQ(bounds.top, 60 + 75);
    log.clear();
    EXPECT_TRUE(center.ChangeView(view, [](DocumentView& v) { return v.ScrollBy(100, -40); }));
    EXPECT_EQ(views.SetDocumentViewZoom(view, 1000), kNoErr);
    EXPECT_EQ(log, "View 75,70 x4|View 75,70 x640");  // the host's largest zoom

    const double nan = std::numeric_limits<double>::quiet_NaN();
    const AIRealPoint nowhere{nan, 0};
    EXPECT_NE(views.SetDocumentViewZoom(view, 0), kNoErr);
    EXPECT_NE(views.SetDocumentViewZoom(view, nan), kNoErr);
    EXPECT_NE(views.SetDocumentViewCenter(view, &nowhere), kNoErr);
    EXPECT_NE(views.SetDocumentViewCenter(view, nullptr), kNoErr);
    AIDocumentViewHandle second = nullptr;
    EXPECT_NE(views.GetNthDocumentView(1, &second), kNoErr);
    EXPECT_EQ(log, "View 75,70 x4|View 75,70 x640");
}

TEST_F(DocumentsTest, DeadAndNotYetViewedHandlesAreRefusedAlsoOnceTheNextDocumentOpens)
{
    AIDocumentHandle current = reinterpret_cast<AIDocumentHandle>(&host);
    EXPECT_EQ(documents.GetCurrentDocument(&current), kNoErr);
    EXPECT_EQ(current, nullptr);
    ASInt32 model = 0;
    AIRealPoint origin{};
    EXPECT_EQ(documents.GetDocumentColorModel(&model), hostsim::NoDocumentError());
    EXPECT_EQ(documents.GetDocumentPageOrigin(&origin), hostsim::NoDocumentError());
    AIDocumentViewHandle none = reinterpret_cast<AIDocumentViewHandle>(&host);
    EXPECT_EQ(views.GetNthDocumentView(0, &none), hostsim::NoDocumentViewError());
    EXPECT_EQ(none, nullptr);

    const AIDocumentHandle label = Open("label.json");
    const AIDocumentViewHandle view = FrontView();
    AIRealRect bounds{};
    center.SetNoDocumentViewYet(true);
    EXPECT_EQ(views.GetNthDocumentView(0, &none), hostsim::NoDocumentViewError());
    EXPECT_EQ(views.GetDocumentViewBounds(view, &bounds), hostsim::NoDocumentViewError());
    center.SetNoDocumentViewYet(false);
    EXPECT_EQ(views.GetDocumentViewBounds(view, &bounds), kNoErr);

    center.Close(label);
    const AIDocumentHandle next = Open("label.json");
    EXPECT_NE(next, label);
    EXPECT_NE(FrontView(), view);
    AIBoolean open = 1;
    EXPECT_EQ(documents.IsDocumentOpen(label, &open), kNoErr);
    EXPECT_EQ(open, 0);
    EXPECT_EQ(documents.IsDocumentOpen(next, &open), kNoErr);
    EXPECT_EQ(open, 1);
    AIReal zoom = 0;
    const AIRealPoint centre{0, 0};
    EXPECT_EQ(views.GetDocumentViewBounds(view, &bounds), hostsim::BadParameterError());
    EXPECT_EQ(views.GetDocumentViewZoom(view, &zoom), hostsim::BadParameterError());
    EXPECT_EQ(views.SetDocumentViewCenter(view, &centre), hostsim::BadParameterError());
    EXPECT_EQ(views.SetDocumentViewZoom(view, 1), hostsim::BadParameterError());
    EXPECT_EQ(user.GetDocumentViewScaleFactor(view), 1.0);
}

TEST_F(DocumentsTest, DocumentEntriesDescribeTheCurrentDocument)
{
    struct Row
    {
        const char* sample;
        ASInt32 model;
        AIReal width, height;
        AIRealPoint origin;
    };
    const Row rows[] = {
        {"fine-detail.json", kHostSimCMYKColorModel, 595.276, 841.89, {36, 36}},
        {"rgb-poster.json", kAIRGBColorModel, 480, 320, {0, 0}},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.sample);
        Open(row.sample);
        ASInt32 model = 0;
        AIReal width = 0, height = 0;
        AIRealPoint origin{};
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

TEST_F(DocumentsTest, TickCounterWrapsAt32BitsAndScaleFactorsFollowTheHostAndTheView)
{
    ASUInt32 ticks = 1;
    host.AdvanceTicks(601);
    EXPECT_EQ(user.GetHostTicks(&ticks), kNoErr);
    EXPECT_EQ(ticks, 601u);
    host.SetTickCounterStart(0xFFFFFFF0u);
    host.AdvanceTicks(31);
    EXPECT_EQ(user.GetHostTicks(&ticks), kNoErr);
    EXPECT_EQ(ticks, 0xFFFFFFF0u + 632u);
    host.SetUIScaleFactor(1.5);
    EXPECT_EQ(user.GetUIScaleFactor(), 1.5);
    Open("label.json");
    const AIDocumentViewHandle view = FrontView();
    EXPECT_EQ(user.GetDocumentViewScaleFactor(view), 1.0);
    center.ChangeView(view, [](DocumentView& v) { return v.SetScaleFactor(2.0); });
    EXPECT_EQ(user.GetDocumentViewScaleFactor(view), 2.0);
}

}  // namespace
