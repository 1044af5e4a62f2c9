// The canvas maths without a widget: coordinates, fits, the visible rectangle, the zoom menu.

#include "viewer/model/JobViewGeometry.h"
#include "viewer/model/ZoomFit.h"
#include "viewer/model/ZoomMenuModel.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <tuple>

namespace {

constexpr double kNaN = std::numeric_limits<double>::quiet_NaN();
constexpr double kInf = std::numeric_limits<double>::infinity();
constexpr double kMmPerPoint = 25.4 / 72;
constexpr JobRect kA4 {0, 297, 0, 210};

// The zoom of `pixels` showing `millimetres`, uncorrected.
constexpr double ZoomOf(double pixels, double millimetres) { return pixels * kMmPerPoint / millimetres; }
constexpr JobRect Around(double x, double y, double w, double h) { return JobRect {y - h / 2, y + h / 2, x - w / 2, x + w / 2}; }

// 254 mm are 720 points: a canvas 720 pixels wide shows them at zoom 1.
constexpr JobRect kZoom1 = Around(127, 63.5, 254, 127);

void ExpectPoint(double x, double y, double expectedX, double expectedY)
{
    EXPECT_NEAR(x, expectedX, 1e-9 * std::max(1.0, std::fabs(expectedX)));
    EXPECT_NEAR(y, expectedY, 1e-9 * std::max(1.0, std::fabs(expectedY)));
}

void ExpectRect(const JobRect& actual, const JobRect& expected)
{
    ExpectPoint(actual.x0, actual.y0, expected.x0, expected.y0);
    ExpectPoint(actual.x1, actual.y1, expected.x1, expected.y1);
}

JobViewGeometry Canvas(int width, int height, const JobRect& view, double ratio = 1, std::optional<double> hostScale = {})
{
    JobViewGeometry geometry;
    geometry.SetDevicePixelRatio(ratio);
    geometry.SetHostViewScale(hostScale);
    geometry.SetCanvasSize(width, height);
    geometry.SetViewRect(view);
    return geometry;
}

using Kind = ZoomStep::Kind;
// The menu after showing `percent` (a custom value or a level) or after selecting `entry`.
ZoomMenuModel MenuAt(double percent, int entry = -1)
{
    ZoomMenuModel menu;
    menu.ShowZoom(percent / 100);
    menu.Select(entry);
    return menu;
}

}  // namespace

TEST(JobCoordinatesTest, ArtworkMapsToMillimetresFromThePagesTopLeftAndZoomFitsCoverTheArtBoardOrTheGraphics)
{
    // Page 10 in high, origin half an inch right of and one inch above the bottom-left.
    const std::pair<ArtworkPoint, JobPoint> rows[] = {{{0, 0}, {12.7, 228.6}}, {{72, 72}, {38.1, 203.2}}, {{-36, 648}, {0, 0}},
                                                      {{684, -72}, {254, 254}}, {{-108, 720}, {-25.4, -25.4}}};
    const JobCoordinates coordinates = JobCoordinates::ForPage(720, 36, 72);
    for (const auto& [artwork, job] : rows) {
        ExpectPoint(coordinates.ArtworkToJob(artwork).x, coordinates.ArtworkToJob(artwork).y, job.x, job.y);
        ExpectPoint(coordinates.JobToArtwork(job).x, coordinates.JobToArtwork(job).y, artwork.x, artwork.y);
    }
    // Rectangles come out ascending whichever way they came.
    ExpectRect(coordinates.ArtworkToJob(ArtworkRect {250, 20, -10, 300}),
               JobRect {228.6 - 300 * kMmPerPoint, 228.6 - 20 * kMmPerPoint, 12.7 - 10 * kMmPerPoint, 12.7 + 250 * kMmPerPoint});
    // The art board is the whole job; graphics get a margin only along ranges over 100 mm.
    for (const double originY : {0.0, 792.0, -100.0})
        ExpectRect(JobCoordinates::ForPage(792, 18, originY).ArtworkToJob(ZoomFit::ArtBoardRect(612, 792, 18, originY)),
                   JobRect {0, 792 * kMmPerPoint, 0, 612 * kMmPerPoint});
    const std::pair<JobRect, JobRect> fits[] = {
        {{0, 150, 0, 50}, {-2, 152, 0, 50}}, {{10, 110, 0, 100.5}, {10, 110, -2, 102.5}}, {{150, 0, 0, 0}, {0, 150, 0, 0}}};
    for (const auto& [bounds, fitted] : fits)
        ExpectRect(ZoomFit::GraphicsRect(bounds), fitted);
}

TEST(JobViewGeometryTest, OperationsFitTheViewToTheCanvasAndMeasureTheZoomLikeTheHost)
{
    enum class Op { Fit, SetZoom, ZoomIn, ZoomOut, Pan, Resize };
    struct Row { int width; int height; double ratio; std::optional<double> hostScale; JobRect start; Op op; double a; double b; JobRect view; double zoom; };
    const double a4Zoom = 2 * ZoomOf(374, 297);  // A4 on 480 × 374 at ratio 2, host scale 1
    const Row rows[] = {
        {200, 100, 1, {}, {0, 100, 0, 100}, Op::Fit, 0, 0, {0, 100, -50, 150}, ZoomOf(200, 200)},
        {200, 100, 1, {}, {100, 0, 150, -50}, Op::Fit, 0, 0, {0, 100, -50, 150}, ZoomOf(200, 200)},
        {200, 100, 1, {}, {5, 5, 0, 100}, Op::Fit, 0, 0, {-20, 30, 0, 100}, ZoomOf(200, 100)},
        {720, 360, 2, 1.0, kZoom1, Op::Fit, 0, 0, kZoom1, 2},
        {720, 360, 1, 2.0, kZoom1, Op::Fit, 0, 0, kZoom1, 0.5},
        {720, 360, 1.5, 0.0, kZoom1, Op::Fit, 0, 0, kZoom1, 1},
        {720, 360, 0, 2.0, kZoom1, Op::Fit, 0, 0, kZoom1, 0.5},
        {720, 360, 1, 1.0, Around(10, 40, 254 / 1600.0, 127 / 1600.0), Op::Fit, 0, 0, Around(10, 40, 254 / 1500.0, 127 / 1500.0), 1500},
        {720, 360, 2, 1.0, kZoom1, Op::SetZoom, 1, 0, Around(127, 63.5, 508, 254), 1},
        {720, 360, 1, {}, kZoom1, Op::SetZoom, 1500.009, 0, Around(127, 63.5, 254 / 1500.009, 127 / 1500.009), 1500.009},
        {720, 360, 1, {}, kZoom1, Op::SetZoom, 1500.011, 0, Around(127, 63.5, 254 / 1500.0, 127 / 1500.0), 1500},
        {200, 100, 1, {}, {0, 100, -50, 150}, Op::ZoomIn, 20, 30, {5, 55, -30, 70}, ZoomOf(200, 100)},
        {200, 100, 1, {}, {0, 100, -50, 150}, Op::ZoomOut, 0, 0, {-100, 100, -200, 200}, ZoomOf(200, 400)},
        {200, 100, 1, {}, {0, 100, -50, 150}, Op::Pan, 12.5, -7, {-7, 93, -37.5, 162.5}, ZoomOf(200, 200)},
        {480, 374, 2, 1.0, kA4, Op::Resize, 600, 374, Around(105, 148.5, 297 * 600 / 374.0, 297), a4Zoom},
        {480, 374, 2, 1.0, kA4, Op::Resize, 480, 700, Around(105, 148.5, 297 * 480 / 374.0, 297 * 700 / 374.0), a4Zoom},
        {-5, 100, 1, {}, {0, 100, 0, 100}, Op::Resize, 200, 100, {0, 100, -50, 150}, ZoomOf(200, 200)},  // laid out at last
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(&row - rows);
        JobViewGeometry geometry = Canvas(row.width, row.height, row.start, row.ratio, row.hostScale);
        bool accepted = true;
        switch (row.op) {
        case Op::Fit: break;
        case Op::SetZoom: accepted = geometry.SetZoom(row.a); break;
        case Op::ZoomIn: accepted = geometry.ZoomInAt(JobPoint {row.a, row.b}); break;
        case Op::ZoomOut: accepted = geometry.ZoomOutAt(JobPoint {row.a, row.b}); break;
        case Op::Pan: accepted = geometry.Pan(row.a, row.b); break;
        case Op::Resize: geometry.SetCanvasSize(int(row.a), int(row.b)); geometry.KeepZoomOnResize(); break;
        }
        EXPECT_TRUE(accepted);
        ExpectRect(geometry.ViewRect(), row.view);
        const double stored = geometry.ZoomFactor();  // before GetZoom measures it again
        ExpectPoint(stored, geometry.GetZoom(), row.zoom, row.zoom);
        const JobPoint corner = geometry.PixelToJob({row.op == Op::Resize ? row.a : row.width, row.op == Op::Resize ? row.b : row.height});
        const PixelPoint back = geometry.JobToPixel({row.view.x0 - 7, row.view.y1 + 3});
        ExpectPoint(corner.x, corner.y, geometry.ViewRect().x1, geometry.ViewRect().y1);
        ExpectPoint(geometry.PixelToJob(back).x, geometry.PixelToJob(back).y, row.view.x0 - 7, row.view.y1 + 3);
    }
}

// A canvas with no area reports a zoom of 0 and refuses zooms until it is laid out.
TEST(JobViewGeometryTest, BadRequestsLeaveTheViewAndZoomAsTheyWere)
{
    JobViewGeometry geometry = Canvas(200, 100, JobRect {0, 100, 0, 100});
    for (const JobRect& rect : {JobRect {kNaN, 1, 0, 1}, JobRect {0, 1, 0, kInf}, JobRect {5, 5, 7, 7}, JobRect {-1e308, 1e308, 0, 1}})
        EXPECT_FALSE(geometry.SetViewRect(rect));
    for (const double factor : {0.0, -1.0, kNaN, kInf, 1e-320})
        EXPECT_FALSE(geometry.SetZoom(factor)) << factor;
    EXPECT_FALSE(geometry.ZoomInAt(JobPoint {kNaN, 0}) || geometry.Pan(kInf, 0));
    ExpectRect(geometry.ViewRect(), JobRect {0, 100, -50, 150});
    EXPECT_DOUBLE_EQ(geometry.ZoomFactor(), ZoomOf(200, 200));
    while (geometry.ZoomOutAt(JobPoint {0, 0})) {
    }
    EXPECT_TRUE(std::isfinite(geometry.ViewRect().x1) && geometry.GetZoom() > 0) << "zooming out stops while finite";
    JobViewGeometry hidden = Canvas(0, 100, kA4);
    EXPECT_FALSE(hidden.GetZoom() != 0.0 || hidden.SetZoom(2.0));
}

TEST(ZoomMenuModelTest, ShowZoomSelectsTheMatchingLevelOrFormatsThePercentage)
{
    const std::tuple<double, int, const char*> rows[] = {
        {0.5, 21, ""}, {1.0, 19, ""}, {640, 0, ""}, {0.0313, 29, ""}, {0.03125, 29, ""}, {0.66667, 20, ""},
        {0.6665, -1, "66.65%"}, {1.234, -1, "123.4%"}, {20, -1, "  2000%"}, {1500, -1, "150000%"},
        {0.02, -1, "2.00%"}, {0.995, -1, "99.50%"}, {10, -1, "  1000%"}, {0, -1, "0.00%"},
    };
    for (const auto& [factor, selected, text] : rows) {
        ZoomMenuModel menu;
        menu.ShowZoom(factor);
        EXPECT_EQ(std::make_tuple(menu.Selected(), menu.IsCustom(), menu.Text()), std::make_tuple(selected, selected < 0, std::string(text))) << factor;
    }
}

TEST(ZoomMenuModelTest, ButtonsStepThroughLevelsAndCustomPercentages)
{
    struct Row { ZoomMenuModel menu; bool zoomIn; Kind kind; int entry; const char* text; };
    const Row rows[] = {
        {MenuAt(100), true, Kind::ChooseEntry, 18, ""}, {MenuAt(64000), true, Kind::CustomPercent, -1, " 96000%"},
        {ZoomMenuModel(), true, Kind::CustomPercent, -1, " 96000%"}, {MenuAt(123.4), true, Kind::ChooseEntry, 18, ""},
        {MenuAt(1), true, Kind::ChooseEntry, 29, ""}, {MenuAt(96000), true, Kind::CustomPercent, -1, "144000%"},
        {MenuAt(100, 31), true, Kind::CustomPercent, -1, " 96000%"}, {MenuAt(100), false, Kind::ChooseEntry, 20, ""},
        {MenuAt(3.13), false, Kind::None, -1, ""}, {MenuAt(2), false, Kind::CustomPercent, -1, "1.33%"},
        {MenuAt(100000), false, Kind::CustomPercent, -1, " 66667%"}, {MenuAt(90000), false, Kind::ChooseEntry, 0, ""},
        {MenuAt(96000), false, Kind::ChooseEntry, 0, ""}, {MenuAt(123.4), false, Kind::ChooseEntry, 19, ""},
        {ZoomMenuModel(), false, Kind::None, -1, ""}, {MenuAt(100, 32), false, Kind::None, -1, ""},
    };
    for (Row row : rows) {
        SCOPED_TRACE(testing::Message() << (row.zoomIn ? "in from " : "out from ") << row.menu.CurrentPercent() << " at " << row.menu.Selected());
        const ZoomStep step = row.zoomIn ? row.menu.ZoomIn() : row.menu.ZoomOut();
        EXPECT_EQ(std::make_tuple(step.kind, step.entry, row.menu.Text(), row.menu.IsCustom()),
                  std::make_tuple(row.kind, row.entry, std::string(row.text), row.kind == Kind::CustomPercent));
        EXPECT_TRUE(step.kind != Kind::ChooseEntry ||
                    (row.menu.Selected() == step.entry && step.percent == kZoomMenuRows[step.entry].value));
    }
}

// Zooming in doubles up to the clamp, where the zoom-in tool stops and the menu's steps hold too.
TEST(ZoomMenuModelTest, ZoomingInStopsAtTheCanvasClamp)
{
    JobViewGeometry geometry = Canvas(480, 480, kA4);
    int steps = 0;
    for (double before = geometry.ZoomFactor(); geometry.BelowZoomInLimit(); before = geometry.ZoomFactor(), ++steps) {
        ASSERT_TRUE(geometry.ZoomInAt(JobPoint {100, 150}));
        EXPECT_TRUE(geometry.ZoomFactor() == JobViewGeometry::kMaxZoom || std::fabs(geometry.ZoomFactor() / before - 2) < 1e-12);
    }
    EXPECT_EQ(steps, 12);  // from 0.570 (297 mm on 480 px): 0.570 × 2^11 < 1500 < 0.570 × 2^12
    EXPECT_DOUBLE_EQ(geometry.ViewCentre().x, 100);
    EXPECT_TRUE(geometry.SetZoom(1499.9998) && geometry.BelowZoomInLimit());
    EXPECT_TRUE(geometry.SetZoom(1499.9999));
    EXPECT_FALSE(geometry.BelowZoomInLimit());

    ZoomMenuModel menu = MenuAt(64000);
    for (int click = 0; click < 6; ++click) {
        geometry.SetZoom(menu.ZoomIn().percent / 100);
        menu.ShowZoom(geometry.GetZoom());
    }
    EXPECT_EQ(menu.Text(), "150000%");
    for (const int separatorOrOutside : {-1, 30, ZoomMenuModel::kEntryCount})
        EXPECT_FALSE(menu.Select(separatorOrOutside));
}
