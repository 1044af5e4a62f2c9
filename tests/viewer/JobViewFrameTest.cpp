// The preview canvas in a simulated host with the engine plug-in: the label sample's job,
// painted through the widget and compared with the engine's own rendering; the engine's call
// record tells when and what the canvas asked it to render. Runs at the screen's device pixel
// ratio (1, and 2 under QT_SCALE_FACTOR=2).

#include "viewer/JobViewFrame.h"

#include "ControlTestSupport.h"
#include "ToolkitTestSupport.h"

#include "plugin/EngineSuites.h"
#include "plugin/ScopedHostSuite.h"
#include "plugin/suites/AIDocumentSuite.h"
#include "plugin/suites/AIDocumentViewSuite.h"
#include "plugin/suites/AIUserSuite.h"
#include "plugin/suites/FourCC.h"
#include "plugin/suites/HLKilnSuite.h"
#include "sim/host/DocumentView.h"
#include "sim/host/StandardStartup.h"
#include "tests/support/EngineJob.h"

#include <QGuiApplication>
#include <QImage>

#include <gtest/gtest.h>

#include <cmath>
#include <functional>
#include <string>
#include <vector>

namespace {

// The engine as the canvas reaches it, with RenderPreview watched: the override cursor seen
// during each call, and an error answered instead of rendering while `failing` is set.
struct EngineWatch
{
    const HLKilnSuite* real = nullptr;
    std::vector<Qt::CursorShape> cursors;
    bool failing = false;
};
EngineWatch g_watch;

ASErr WatchedRenderPreview(ASInt32 top, ASInt32 bottom, ASInt32 left, ASInt32 right, const double area[4],
                           ASUInt32* pixels)
{
    const QCursor* cursor = QGuiApplication::overrideCursor();
    g_watch.cursors.push_back(cursor != nullptr ? cursor->shape() : Qt::ArrowCursor);
    return g_watch.failing ? FourCC("Mem!") : g_watch.real->RenderPreview(top, bottom, left, right, area, pixels);
}

// The host with the label sample's job generated; `label` receives the document.
hostsim::Host& WithLabelJob(hostsim::Host& host, AIDocumentHandle& label)
{
    std::string error;
    label = StartWithJob(host, KILN_PLUGIN, SAMPLES_DIR "/label.json", error);
    EXPECT_NE(label, nullptr) << error;
    return host;
}

class JobViewFrameTest : public testing::Test
{
protected:
    JobViewFrameTest()
        : m_documents(WithLabelJob(m_host, m_label).BasicSuite())
        , m_views(m_host.BasicSuite())
        , m_user(m_host.BasicSuite())
    {
        g_watch = EngineWatch();
        g_watch.real = AcquireHostSuite<HLKilnSuite>(m_host);
        m_kiln = *g_watch.real;
        m_kiln.RenderPreview = WatchedRenderPreview;
        EngineSuitePointers().kiln = &m_kiln;
        g_watch.real->GetJobSize(&m_jobHeight, &m_jobWidth);
        m_frame = new JobViewFrame(&m_dialog);
    }

    ~JobViewFrameTest() override { EngineSuitePointers().kiln = nullptr; }

    // What the panel's layout does: size the canvas, then keep its zoom.
    void Layout(int width, int height)
    {
        m_frame->SetBoundsRect({0, 0, width, height});
        m_frame->KeepZoomOnResize();
    }

    // The whole canvas painted; `area` (logical pixels) paints only that part.
    QImage Paint(const QRect& area = QRect(QPoint(0, 0), QSize(-1, -1)))
    {
        return m_frame->grab(area).toImage();
    }

    int RenderCalls()
    {
        int count = 0;
        for (const std::string& call : hostsim::EngineCalls(m_host))
            count += call.rfind("RenderPreview(", 0) == 0 ? 1 : 0;
        hostsim::ClearEngineCalls(m_host);
        return count;
    }

    std::string LastCall() { return hostsim::EngineCalls(m_host).back(); }

    // The engine's own rendering of the canvas's view at its device size.
    QImage Direct()
    {
        const QSize size = m_frame->size() * m_frame->devicePixelRatioF();
        const JobRect& view = m_frame->Geometry().ViewRect();
        const double area[4] = {view.x0, view.x1, view.y0, view.y1};
        QImage image(size, QImage::Format_RGB32);
        EXPECT_EQ(g_watch.real->RenderPreview(0, size.height(), 0, size.width(), area,
                                              reinterpret_cast<ASUInt32*>(image.bits())),
                  kNoErr);
        hostsim::ClearEngineCalls(m_host);
        return image;
    }

    // What shows where the canvas draws no image: the background, over `size` logical pixels.
    QImage Background(QSize size = QSize()) const
    {
        QImage image((size.isValid() ? size : m_frame->size()) * m_frame->devicePixelRatioF(), QImage::Format_RGB32);
        image.fill(m_frame->palette().color(m_frame->backgroundRole()));
        return image;
    }

    // The label's page fills the canvas's height.
    void ShowLabel()
    {
        m_frame->SetJobDocument(m_label);
        Layout(240, 160);
        ASSERT_TRUE(m_frame->ShowRect({0.0, m_jobHeight, 0.0, m_jobWidth}));
    }

    hostsim::Host m_host;
    AIDocumentHandle m_label = nullptr;  // before the suites, whose initialisation sets it
    ScopedHostSuite<AIDocumentSuite> m_documents;
    ScopedHostSuite<AIDocumentViewSuite> m_views;
    ScopedHostSuite<AIUserSuite> m_user;
    HLKilnSuite m_kiln{};
    double m_jobHeight = 0.0;
    double m_jobWidth = 0.0;
    toolkittest::PanelStandInDialog m_dialog;
    JobViewFrame* m_frame = nullptr;
};

QImage Rgb32(const QImage& image)
{
    QImage converted = image.convertToFormat(QImage::Format_RGB32);
    converted.setDevicePixelRatio(1.0);
    return converted;
}

// A run whose screen does not have the ratio it was asked for would check nothing new.
TEST(CanvasScreen, HasTheRatioTheRunAskedFor)
{
    QWidget window;
    window.show();
    EXPECT_EQ(window.devicePixelRatioF(), toolkittest::RunRatio());
}

TEST_F(JobViewFrameTest, PaintShowsTheEnginesPixelsOfTheViewAtTheDeviceSize)
{
    ShowLabel();
    const QImage painted = Rgb32(Paint());
    const int ratio = static_cast<int>(toolkittest::RunRatio());
    EXPECT_EQ(painted.size(), QSize(240, 160) * ratio);
    EXPECT_EQ(RenderCalls(), 1);
    EXPECT_TRUE(painted == Direct());
    EXPECT_EQ(g_watch.cursors, std::vector<Qt::CursorShape>{Qt::WaitCursor});
    EXPECT_EQ(QGuiApplication::overrideCursor(), nullptr);
}

TEST_F(JobViewFrameTest, ACanvasTwiceAsWideAsHighWidensASquareRequestAndRendersIt)
{
    m_frame->SetJobDocument(m_label);
    Layout(200, 100);
    ASSERT_TRUE(m_frame->ShowRect({0.0, 100.0, 0.0, 100.0}));
    const JobRect& view = m_frame->Geometry().ViewRect();
    EXPECT_EQ(std::vector<double>({view.y0, view.y1, view.x0, view.x1}), std::vector<double>({0, 100, -50, 150}));
    Paint();
    const std::string ratio = toolkittest::RunRatio() > 1.0 ? "2" : "1";
    EXPECT_EQ(LastCall(), ratio == "2" ? "RenderPreview(0, 200, 0, 400, -50, 150, 0, 100)"
                                       : "RenderPreview(0, 100, 0, 200, -50, 150, 0, 100)");
}

// Each step, then a paint: how many renderings the paint asked the engine for.
struct CacheStep
{
    const char* what;
    std::function<void(JobViewFrame&)> act;
    int renders;
};

TEST_F(JobViewFrameTest, RepaintsReuseTheImageUntilTheViewOrTheSizeChanges)
{
    ShowLabel();
    const CacheStep steps[] = {
        {"first paint", [](JobViewFrame&) {}, 1},
        {"unchanged", [](JobViewFrame&) {}, 0},
        {"the same view set again", [](JobViewFrame& frame) { frame.SetViewRect(frame.Geometry().ViewRect()); }, 0},
        {"a refused view", [](JobViewFrame& frame) { frame.SetViewRect({0.0, NAN, 0.0, 1.0}); }, 0},
        {"another view, no invalidation", [](JobViewFrame& frame) { frame.SetViewRect({0.0, 10.0, 0.0, 10.0}); }, 1},
        {"another zoom, no invalidation", [](JobViewFrame& frame) { frame.SetZoom(4.0); }, 1},
        {"another size", [](JobViewFrame& frame) { frame.SetBoundsRect({0, 0, 241, 160}); }, 1},
        {"Invalidate", [](JobViewFrame& frame) { frame.Invalidate(); }, 1},
        {"a pan", [](JobViewFrame& frame) { frame.Pan(1.0, 0.0); }, 1},
        {"zoom in at a point", [](JobViewFrame& frame) { frame.ZoomInAt({20.0, 10.0}); }, 1},
    };
    for (const CacheStep& step : steps) {
        step.act(*m_frame);
        Paint();
        EXPECT_EQ(RenderCalls(), step.renders) << step.what;
    }
    EXPECT_TRUE(Rgb32(Paint()) == Direct());
}

TEST_F(JobViewFrameTest, WithoutTheJobDocumentCurrentTheBackgroundShowsAndTheImageStays)
{
    ShowLabel();
    const QImage shown = Rgb32(Paint());
    RenderCalls();
    std::string error;
    ASSERT_NE(m_host.Documents().Open(SAMPLES_DIR "/fine-detail.json", error), nullptr) << error;
    EXPECT_TRUE(Rgb32(Paint()) == Background());
    ASSERT_TRUE(m_host.Documents().Switch(m_label));
    EXPECT_TRUE(Rgb32(Paint()) == shown);
    EXPECT_EQ(RenderCalls(), 0);

    m_frame->SetJobDocument(nullptr);
    EXPECT_FALSE(m_frame->IsEnabled());
    EXPECT_TRUE(Rgb32(Paint()) == Background());
    EXPECT_EQ(RenderCalls(), 0);
}

TEST_F(JobViewFrameTest, AFailedRenderingDrawsNothingAndTheNextPaintTriesAgain)
{
    ShowLabel();
    g_watch.failing = true;
    EXPECT_TRUE(Rgb32(Paint()) == Background());
    EXPECT_TRUE(Rgb32(Paint()) == Background());
    EXPECT_EQ(g_watch.cursors.size(), 2u);
    g_watch.failing = false;
    EXPECT_TRUE(Rgb32(Paint()) == Direct());
}

TEST_F(JobViewFrameTest, APixelBufferTooLargeToAllocateDrawsNothingAndAsksTheEngineNothing)
{
    ShowLabel();
    Layout(QWIDGETSIZE_MAX, QWIDGETSIZE_MAX);
    ASSERT_EQ(m_frame->width(), QWIDGETSIZE_MAX);
    EXPECT_TRUE(Rgb32(Paint(QRect(0, 0, 40, 30))) == Background(QSize(40, 30)));
    EXPECT_EQ(RenderCalls(), 0);
    Layout(240, 160);
    EXPECT_TRUE(Rgb32(Paint()) == Direct());
}

// The zoom is measured like the host view's: times the device pixel ratio over the host's scale
// factor for its first view, uncorrected while the host has no view.
TEST_F(JobViewFrameTest, ZoomFollowsTheHostsViewScale)
{
    ShowLabel();
    const double pixelsPerPoint = 240.0 / (m_frame->Geometry().ViewRect().x1 - m_frame->Geometry().ViewRect().x0) *
                                  25.4 / 72.0;
    const double ratio = toolkittest::RunRatio();
    AIDocumentViewHandle view = m_host.Documents().FrontView();
    m_host.Documents().ChangeView(view, [](hostsim::DocumentView& v) { return v.SetScaleFactor(4.0); });
    EXPECT_DOUBLE_EQ(m_frame->GetZoom(), pixelsPerPoint * ratio / 4.0);
    m_host.Documents().SetNoDocumentViewYet(true);
    EXPECT_DOUBLE_EQ(m_frame->GetZoom(), pixelsPerPoint);
}

}  // namespace
