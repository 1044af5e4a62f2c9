// The canvas in a simulated host, compared with the engine's rendering at ratio 1 and 2 (QT_SCALE_FACTOR=2).

#include "viewer/canvas/JobViewFrame.h"

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
#include "toolkit/RVADM_Tracker.h"
#include "viewer/canvas/CanvasCursor.h"
#include "viewer/canvas/CanvasViewListener.h"
#include "viewer/model/ToolBase.h"

#include <QGuiApplication>
#include <QScreen>
#include <QtTest/QTest>
#include <gtest/gtest.h>

#include <cmath>
#include <functional>
#include <tuple>
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

// Records what the tools report, ShowZoom as its factor and PushViewToHost as -1.
struct ViewReports : CanvasViewListener
{
    void ShowZoom(double factor) override { reports.push_back(factor); }
    void PushViewToHost() override { reports.push_back(-1.0); }
    std::vector<double> reports;
};

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
    // A tracker through the canvas's input routing; buttons held: the left one for actions 2 and 1.
    void Track(std::int32_t action, int x, int y, std::uint32_t modifiers = 0)
    {
        const std::uint32_t left = action == 2 || action == 1 ? std::uint32_t{qRVADM::kInputLeftButton} : 0u;
        m_frame->Track(qRVADM::RVADM_Tracker(action, modifiers | left, 0, {x, y}));
    }
    std::vector<double> Reports() { return std::exchange(m_reports.reports, {}); }
    JobRect View() const { return m_frame->Geometry().ViewRect(); }
    // The window's pixels as the screen holds them, from its top-left corner; `Pixel` reads one
    // by logical coordinates.
    QImage Shown() const
    {
        return QGuiApplication::primaryScreen()->grabWindow(m_dialog.winId()).toImage().convertToFormat(QImage::Format_RGB32);
    }
    QRgb Pixel(const QImage& image, int x, int y) const
    {
        const double ratio = m_frame->devicePixelRatioF();
        return image.pixel(int(x * ratio), int(y * ratio));
    }

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
    ViewReports m_reports;
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

// The canvas carries out its tools' intents: the view changes on the geometry, is painted from a
// fresh rendering, and the view listener hears once: the zoom (when it may have changed), then
// the push. A drag to the zoom limit is clamped there.
TEST_F(JobViewFrameTest, ToolIntentsChangeTheViewRepaintAndReportOnce)
{
    m_frame->SetViewListener(&m_reports);
    Paint();
    Renders();
    const double zoom = m_frame->GetZoom();
    const JobPoint clicked = m_frame->PixelToJob({60, 40});
    Track(2, 60, 40);
    Track(-2, 60, 40);
    EXPECT_DOUBLE_EQ(m_frame->GetZoom(), 2 * zoom);
    EXPECT_NEAR(m_frame->Geometry().ViewCentre().x, clicked.x, 1e-9);
    EXPECT_EQ(Reports(), (std::vector<double>{m_frame->GetZoom(), -1.0}));
    EXPECT_TRUE(Paint() == Direct());
    EXPECT_EQ(Renders(), 1);

    m_frame->SelectTool(CanvasTool::Pan, nullptr);
    const JobRect before = View();
    Track(2, 100, 100);
    Track(1, 130, 90);
    EXPECT_EQ(std::make_tuple(View().x0, Reports().size(), Renders()), std::make_tuple(before.x0, size_t{0}, 0));
    Track(-2, 130, 90);
    EXPECT_NEAR(View().x0, before.x0 - (m_frame->PixelToJob({30, 0}).x - m_frame->PixelToJob({0, 0}).x), 1e-9);
    EXPECT_EQ(Reports(), std::vector<double>{-1.0}) << "a pan keeps the zoom, which is not shown again";
    EXPECT_TRUE(Paint() == Direct()) << "the line is gone";

    m_frame->SelectTool(CanvasTool::ZoomIn, nullptr);
    for (int drag = 0; drag < 2; ++drag) {
        Track(2, 100, 80);
        Track(1, 101, 81);
        Track(-2, 101, 81);
        EXPECT_NEAR((View().y1 - View().y0) / (View().x1 - View().x0), 160.0 / 240.0, 1e-9);
    }
    const std::vector<double> reports = Reports();
    ASSERT_EQ(reports.size(), 4u);
    EXPECT_NEAR(reports[2], JobViewGeometry::kMaxZoom, 1e-6) << "the second one-pixel drag";
    m_frame->SelectTool(CanvasTool::ZoomIn, nullptr);
    EXPECT_EQ(CanvasCursor::CurrentId(), ToolBase::kArrowCursor);
    EXPECT_EQ(m_frame->cursor().shape(), Qt::ArrowCursor);
}

// Rubber bands are drawn in XOR over the pixels shown, each step erasing the last, without a
// rendering; releasing with the limit reached in between erases the band and zooms nowhere.
TEST_F(JobViewFrameTest, RubberBandsAreDrawnInXorWithoutRendering)
{
    m_dialog.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&m_dialog));
    m_frame->repaint();
    const QImage image = Shown();
    Renders();
    Track(2, 20, 20);
    Track(1, 90, 30);
    Track(1, 60, 50);
    const QImage banded = Shown();
    EXPECT_EQ(Pixel(banded, 40, 40), Pixel(image, 40, 40));
    EXPECT_NE(Pixel(banded, 40, 20), Pixel(image, 40, 20));
    EXPECT_EQ(Pixel(banded, 80, 20), Pixel(image, 80, 20)) << "the first band is erased";
    m_frame->repaint();
    EXPECT_TRUE(Shown() == banded) << "the flushes leave what a full paint shows";
    EXPECT_EQ(Renders(), 0);
    m_frame->SetZoom(JobViewGeometry::kMaxZoom);
    m_frame->repaint();
    const QImage limitImage = Shown();
    Renders();
    const JobRect limit = View();
    Track(-2, 60, 50);
    EXPECT_EQ(std::make_pair(View().x0, View().y0), std::make_pair(limit.x0, limit.y0));
    const QImage released = Shown();
    EXPECT_NE(Pixel(released, 40, 20), Pixel(limitImage, 40, 20));
    m_frame->repaint();
    EXPECT_TRUE(Shown() == released) << "the band is erased at the limit";
    EXPECT_EQ(Renders(), 0);
}

// Qt's right button zooms out for one click; the space bar, in the canvas or in the host, pans.
// Picture cursors follow the device pixel ratio and are set again only when the id changes.
TEST_F(JobViewFrameTest, RightButtonSpaceBarAndCursors)
{
    const double ratio = m_frame->devicePixelRatioF();
    m_frame->SetViewListener(&m_reports);
    const double zoom = m_frame->GetZoom();
    QTest::mousePress(m_frame, Qt::RightButton, Qt::NoModifier, QPoint(60, 40));
    EXPECT_EQ(std::make_pair(m_frame->CurrentTool(), CanvasCursor::CurrentId()),
              std::make_pair(CanvasTool::ZoomOut, ToolBase::kZoomOutCursor));
    EXPECT_EQ(m_frame->cursor().hotSpot(), QPoint(8, 8) * ratio);
    const JobPoint released = m_frame->PixelToJob({90, 50});
    QTest::mouseRelease(m_frame, Qt::RightButton, Qt::NoModifier, QPoint(90, 50));
    EXPECT_DOUBLE_EQ(m_frame->GetZoom(), zoom / 2);
    EXPECT_NEAR(m_frame->Geometry().ViewCentre().x, released.x, 1e-9);
    EXPECT_EQ(m_frame->CurrentTool(), CanvasTool::ZoomIn);
    EXPECT_EQ(Reports(), (std::vector<double>{m_frame->GetZoom(), -1.0}));

    QTest::keyPress(m_frame, Qt::Key_Space);
    EXPECT_EQ(m_frame->CurrentTool(), CanvasTool::Pan);
    EXPECT_EQ(m_frame->cursor().hotSpot(), QPoint(11, 11) * ratio);
    EXPECT_EQ(m_frame->cursor().pixmap().devicePixelRatio(), ratio);
    m_frame->unsetCursor();
    Track(-1, 5, 5, qRVADM::kInputSpace);
    EXPECT_EQ(m_frame->cursor().shape(), Qt::ArrowCursor) << "the same id is not set again";
    QTest::keyRelease(m_frame, Qt::Key_Space);
    EXPECT_EQ(m_frame->CurrentTool(), CanvasTool::ZoomIn);
    m_frame->SetHostModifiers(512);
    EXPECT_EQ(m_frame->CurrentTool(), CanvasTool::Pan);
    m_frame->SetHostModifiers(128);
    EXPECT_EQ(m_frame->CurrentTool(), CanvasTool::Pan);
    m_frame->SetHostModifiers(0);
    EXPECT_EQ(m_frame->CurrentTool(), CanvasTool::ZoomIn);
    EXPECT_EQ(m_frame->property(JobViewFrame::kCursorIdProperty).toInt(), ToolBase::kZoomInCursor);
}

}  // namespace
