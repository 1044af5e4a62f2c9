// The preview canvas with the engine plug-in in a simulated host, painted through the widget and
// compared with the engine's own rendering; at ratio 1, and 2 under QT_SCALE_FACTOR=2.

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

// The canvas's RenderPreview calls pass here: the override cursor of each call is recorded, and
// while `failing` the engine is not asked and an error comes back.
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

hostsim::Host& WithLabelJob(hostsim::Host& host, AIDocumentHandle& label)
{
    std::string error;
    label = StartWithJob(host, KILN_PLUGIN, SAMPLES_DIR "/label.json", error);
    EXPECT_NE(label, nullptr) << error;
    return host;
}

QImage Rgb32(const QImage& image)
{
    QImage converted = image.convertToFormat(QImage::Format_RGB32);
    converted.setDevicePixelRatio(1.0);
    return converted;
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
        m_frame->SetJobDocument(m_label);
        Layout(240, 160);
        double height = 0.0;
        double width = 0.0;
        g_watch.real->GetJobSize(&height, &width);
        EXPECT_TRUE(m_frame->ShowRect({0.0, height, 0.0, width}));
    }
    ~JobViewFrameTest() override { EngineSuitePointers().kiln = nullptr; }

    // As the panel's layout does it.
    void Layout(int width, int height)
    {
        m_frame->SetBoundsRect({0, 0, width, height});
        m_frame->KeepZoomOnResize();
    }

    QImage Paint(const QRect& area = QRect(0, 0, -1, -1)) { return Rgb32(m_frame->grab(area).toImage()); }

    int Renders()
    {
        const int count = static_cast<int>(g_watch.cursors.size());
        g_watch.cursors.clear();
        return count;
    }

    // The engine's own rendering of the canvas's view at its device size.
    QImage Direct() const
    {
        const QSize size = m_frame->size() * m_frame->devicePixelRatioF();
        const JobRect& view = m_frame->Geometry().ViewRect();
        const double area[4] = {view.x0, view.x1, view.y0, view.y1};
        QImage image(size, QImage::Format_RGB32);
        EXPECT_EQ(g_watch.real->RenderPreview(0, size.height(), 0, size.width(), area,
                                              reinterpret_cast<ASUInt32*>(image.bits())),
                  kNoErr);
        return image;
    }

    // What shows where no image is drawn, over `size` logical pixels.
    QImage Background(QSize size = QSize()) const
    {
        QImage image((size.isValid() ? size : m_frame->size()) * m_frame->devicePixelRatioF(), QImage::Format_RGB32);
        image.fill(m_frame->palette().color(m_frame->backgroundRole()));
        return image;
    }

    hostsim::Host m_host;
    AIDocumentHandle m_label = nullptr;  // before the suites, whose initialisation sets it
    ScopedHostSuite<AIDocumentSuite> m_documents;
    ScopedHostSuite<AIDocumentViewSuite> m_views;
    ScopedHostSuite<AIUserSuite> m_user;
    HLKilnSuite m_kiln{};
    toolkittest::PanelStandInDialog m_dialog;
    JobViewFrame* m_frame = new JobViewFrame(&m_dialog);
};

TEST_F(JobViewFrameTest, PaintShowsTheEnginesPixelsOfTheViewAtTheDeviceSizeUnderTheWaitCursor)
{
    ASSERT_EQ(m_frame->devicePixelRatioF(), toolkittest::RunRatio());
    const QImage painted = Paint();
    EXPECT_EQ(painted.size(), QSize(240, 160) * toolkittest::RunRatio());
    EXPECT_TRUE(painted == Direct());
    EXPECT_EQ(g_watch.cursors, std::vector<Qt::CursorShape>{Qt::WaitCursor});
    EXPECT_EQ(QGuiApplication::overrideCursor(), nullptr);
}

TEST_F(JobViewFrameTest, ACanvasTwiceAsWideAsHighWidensASquareRequest)
{
    Layout(200, 100);
    ASSERT_TRUE(m_frame->ShowRect({0.0, 100.0, 0.0, 100.0}));
    Paint();
    const int ratio = static_cast<int>(toolkittest::RunRatio());
    EXPECT_EQ(hostsim::EngineCalls(m_host).back(), "RenderPreview(0, " + std::to_string(100 * ratio) + ", 0, " +
                                                       std::to_string(200 * ratio) + ", -50, 150, 0, 100)");
}

TEST_F(JobViewFrameTest, RepaintsReuseTheImageUntilTheViewOrTheSizeChanges)
{
    const std::pair<std::function<void(JobViewFrame&)>, int> steps[] = {
        {[](JobViewFrame&) {}, 1},
        {[](JobViewFrame&) {}, 0},
        {[](JobViewFrame& frame) { frame.SetViewRect(frame.Geometry().ViewRect()); }, 0},
        {[](JobViewFrame& frame) { frame.SetViewRect({0.0, NAN, 0.0, 1.0}); }, 0},
        {[](JobViewFrame& frame) { frame.SetViewRect({0.0, 10.0, 0.0, 10.0}); }, 1},
        {[](JobViewFrame& frame) { frame.SetZoom(4.0); }, 1},
        {[](JobViewFrame& frame) { frame.SetBoundsRect({0, 0, 241, 160}); }, 1},
        {[](JobViewFrame& frame) { frame.Invalidate(); }, 1},
        {[](JobViewFrame& frame) { frame.Pan(1.0, 0.0); }, 1},
        {[](JobViewFrame& frame) { frame.ZoomOutAt({20.0, 10.0}); }, 1},
    };
    for (std::size_t step = 0; step < std::size(steps); ++step) {
        steps[step].first(*m_frame);
        Paint();
        EXPECT_EQ(Renders(), steps[step].second) << "step " << step;
    }
    EXPECT_TRUE(Paint() == Direct());
}

TEST_F(JobViewFrameTest, WithoutTheJobDocumentCurrentTheBackgroundShowsAndTheImageStays)
{
    const QImage shown = Paint();
    std::string error;
    ASSERT_NE(m_host.Documents().Open(SAMPLES_DIR "/fine-detail.json", error), nullptr) << error;
    EXPECT_TRUE(Paint() == Background());
    ASSERT_TRUE(m_host.Documents().Switch(m_label));
    EXPECT_TRUE(Paint() == shown);
    m_frame->SetJobDocument(nullptr);
    EXPECT_FALSE(m_frame->IsEnabled());
    EXPECT_TRUE(Paint() == Background());
    EXPECT_EQ(Renders(), 1);
}

TEST_F(JobViewFrameTest, AFailedRenderingDrawsNothingAndTheNextPaintTriesAgain)
{
    g_watch.failing = true;
    EXPECT_TRUE(Paint() == Background());
    EXPECT_TRUE(Paint() == Background());
    EXPECT_EQ(Renders(), 2);
    g_watch.failing = false;
    EXPECT_TRUE(Paint() == Direct());
}

TEST_F(JobViewFrameTest, APixelBufferTooLargeToAllocateDrawsNothingAndAsksTheEngineNothing)
{
    Layout(QWIDGETSIZE_MAX, QWIDGETSIZE_MAX);
    ASSERT_EQ(m_frame->width(), QWIDGETSIZE_MAX);
    EXPECT_TRUE(Paint(QRect(0, 0, 40, 30)) == Background(QSize(40, 30)));
    EXPECT_EQ(Renders(), 0);
    Layout(240, 160);
    EXPECT_TRUE(Paint() == Direct());
}

// Measured like the host view's zoom: times the device pixel ratio over the host's scale factor
// for its first view, uncorrected while the host has no view.
TEST_F(JobViewFrameTest, ZoomFollowsTheHostsViewScale)
{
    const JobRect& view = m_frame->Geometry().ViewRect();
    const double pixelsPerPoint = 240.0 / (view.x1 - view.x0) * 25.4 / 72.0;
    m_host.Documents().ChangeView(m_host.Documents().FrontView(),
                                  [](hostsim::DocumentView& v) { return v.SetScaleFactor(4.0); });
    EXPECT_DOUBLE_EQ(m_frame->GetZoom(), pixelsPerPoint * toolkittest::RunRatio() / 4.0);
    m_host.Documents().SetNoDocumentViewYet(true);
    EXPECT_DOUBLE_EQ(m_frame->GetZoom(), pixelsPerPoint);
}

}  // namespace
