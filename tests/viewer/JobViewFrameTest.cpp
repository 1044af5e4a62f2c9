// The canvas in a simulated host, compared with the engine's rendering at ratio 1 and 2 (QT_SCALE_FACTOR=2).

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
#include "tests/support/EngineJob.h"

#include <QGuiApplication>
#include <gtest/gtest.h>

#include <cmath>
#include <functional>
#include <utility>

namespace {

// RenderPreview calls pass here: the override cursor of each is recorded; while `failing` an error comes back.
struct EngineWatch
{
    const HLKilnSuite* real = nullptr;
    std::vector<Qt::CursorShape> cursors;
    bool failing = false;
} g_watch;

ASErr WatchedRenderPreview(ASInt32 top, ASInt32 bottom, ASInt32 left, ASInt32 right, const double area[4], ASUInt32* pixels)
{
    const QCursor* cursor = QGuiApplication::overrideCursor();
    g_watch.cursors.push_back(cursor != nullptr ? cursor->shape() : Qt::ArrowCursor);
    return g_watch.failing ? FourCC("Mem!") : g_watch.real->RenderPreview(top, bottom, left, right, area, pixels);
}

class JobViewFrameTest : public testing::Test
{
protected:
    JobViewFrameTest()
    {
        EXPECT_NE(m_label, nullptr) << m_error;
        g_watch = EngineWatch {AcquireHostSuite<HLKilnSuite>(m_host), {}, false};
        m_kiln = *g_watch.real;
        m_kiln.RenderPreview = WatchedRenderPreview;
        EngineSuitePointers().kiln = &m_kiln;
        m_frame->SetJobDocument(m_label);
        Layout(240, 160);
        EXPECT_TRUE(m_frame->ShowRect({10.0, 60.0, 5.0, 80.0}));
    }
    ~JobViewFrameTest() override { EngineSuitePointers().kiln = nullptr; }

    // As the panel's layout does it.
    void Layout(int width, int height)
    {
        m_frame->SetBoundsRect({0, 0, width, height});
        m_frame->KeepZoomOnResize();
    }
    QImage Paint(const QRect& area = QRect(0, 0, -1, -1))
    {
        QImage image = m_frame->grab(area).toImage().convertToFormat(QImage::Format_RGB32);
        image.setDevicePixelRatio(1.0);
        return image;
    }
    static int Renders() { return static_cast<int>(std::exchange(g_watch.cursors, {}).size()); }

    // The engine's own rendering of the canvas's view at its device size.
    QImage Direct() const
    {
        const QSize size = m_frame->size() * m_frame->devicePixelRatioF();
        const JobRect& view = m_frame->Geometry().ViewRect();
        const double area[4] = {view.x0, view.x1, view.y0, view.y1};
        QImage image(size, QImage::Format_RGB32);
        EXPECT_EQ(g_watch.real->RenderPreview(0, size.height(), 0, size.width(), area, reinterpret_cast<ASUInt32*>(image.bits())), kNoErr);
        return image;
    }
    // What shows where no image is drawn, over `size` logical pixels.
    QImage Background(QSize size = QSize(240, 160)) const
    {
        QImage image(size * m_frame->devicePixelRatioF(), QImage::Format_RGB32);
        image.fill(m_frame->palette().color(m_frame->backgroundRole()));
        return image;
    }

    hostsim::Host m_host;
    std::string m_error;
    AIDocumentHandle m_label = StartWithJob(m_host, KILN_PLUGIN, SAMPLES_DIR "/label.json", m_error);
    ScopedHostSuite<AIDocumentSuite> m_documents {m_host.BasicSuite()};
    ScopedHostSuite<AIDocumentViewSuite> m_views {m_host.BasicSuite()};
    ScopedHostSuite<AIUserSuite> m_user {m_host.BasicSuite()};
    HLKilnSuite m_kiln {};
    toolkittest::PanelStandInDialog m_dialog;
    JobViewFrame* m_frame = new JobViewFrame(&m_dialog);
};

// A pixel buffer too large to allocate, or another current document, draws the background; the
// next paint tries again, and the image of the job stays for its return. An engine error is not
// asked about: the untouched buffer shows black until the view changes.
TEST_F(JobViewFrameTest, PaintShowsTheEnginesPixelsOfTheViewUnderTheWaitCursorOrElseTheBackground)
{
    ASSERT_EQ(m_frame->devicePixelRatioF(), toolkittest::RunRatio());
    const QImage shown = Paint();
    EXPECT_EQ(shown.size(), QSize(240, 160) * toolkittest::RunRatio());
    EXPECT_TRUE(shown == Direct());
    EXPECT_EQ(g_watch.cursors, std::vector<Qt::CursorShape> {Qt::WaitCursor});
    EXPECT_EQ(QGuiApplication::overrideCursor(), nullptr);
    ASSERT_NE(m_host.Documents().Open(SAMPLES_DIR "/fine-detail.json", m_error), nullptr) << m_error;
    EXPECT_TRUE(Paint() == Background());
    ASSERT_TRUE(m_host.Documents().Switch(m_label));
    EXPECT_TRUE(Paint() == shown);
    EXPECT_EQ(Renders(), 1);

    g_watch.failing = true;
    m_frame->Invalidate();
    QImage black(shown.size(), QImage::Format_RGB32);
    black.fill(Qt::black);
    EXPECT_TRUE(Paint() == black);
    EXPECT_TRUE(Paint() == black);
    EXPECT_EQ(Renders(), 1);
    g_watch.failing = false;
    Layout(QWIDGETSIZE_MAX, QWIDGETSIZE_MAX);
    ASSERT_EQ(m_frame->width(), QWIDGETSIZE_MAX);
    EXPECT_TRUE(Paint(QRect(0, 0, 40, 30)) == Background(QSize(40, 30)));
    EXPECT_EQ(Renders(), 0) << "no buffer for the engine";
    Layout(240, 160);
    EXPECT_TRUE(Paint() == Direct());
    // The zoom is the host view's: times the device pixel ratio over the first view's scale, if any.
    const double pixelsPerPoint = 240.0 / (m_frame->Geometry().ViewRect().x1 - m_frame->Geometry().ViewRect().x0) * 25.4 / 72.0;
    m_host.Documents().ChangeView(m_host.Documents().FrontView(), [](hostsim::DocumentView& v) { return v.SetScaleFactor(4.0); });
    EXPECT_DOUBLE_EQ(m_frame->GetZoom(), pixelsPerPoint * toolkittest::RunRatio() / 4.0);
    m_host.Documents().SetNoDocumentViewYet(true);
    EXPECT_DOUBLE_EQ(m_frame->GetZoom(), pixelsPerPoint);
    m_frame->SetJobDocument(nullptr);
    EXPECT_FALSE(m_frame->IsEnabled());
    EXPECT_TRUE(Paint() == Background());
}

// Two paints of an unchanged view and size call the engine once.
TEST_F(JobViewFrameTest, RepaintsReuseTheImageUntilTheViewOrTheSizeChanges)
{
    const std::pair<std::function<void(JobViewFrame&)>, int> steps[] = {
        {[](JobViewFrame&) {}, 1},
        {[](JobViewFrame&) {}, 0},
        {[](JobViewFrame& frame) { frame.SetViewRect({0.0, NAN, 0.0, 1.0}); }, 0},
        {[](JobViewFrame& frame) { frame.SetZoom(4.0); }, 1},
        {[](JobViewFrame& frame) { frame.SetBoundsRect({0, 0, 241, 160}); }, 1},
        {[](JobViewFrame& frame) { frame.Pan(1.0, 0.0); }, 1},
    };
    for (const auto& [change, renders] : steps) {
        change(*m_frame);
        const bool shown = Paint() == Direct();
        EXPECT_EQ(std::make_pair(shown, Renders()), std::make_pair(true, renders)) << "step " << &change - &steps[0].first;
    }
}

}  // namespace
