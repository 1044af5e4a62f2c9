#include "viewer/JobViewGeometry.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>

namespace {

constexpr double kNaN = std::numeric_limits<double>::quiet_NaN();
constexpr double kInf = std::numeric_limits<double>::infinity();
constexpr JobRect kA4{0, 297, 0, 210};

// The zoom of `pixels` showing `millimetres`, uncorrected.
constexpr double ZoomOf(double pixels, double millimetres)
{
    return pixels * 25.4 / (72 * millimetres);
}

constexpr JobRect Around(double x, double y, double width, double height)
{
    return JobRect{y - height / 2, y + height / 2, x - width / 2, x + width / 2};
}

// 254 mm are 720 points: a canvas 720 pixels wide shows them at zoom 1.
constexpr JobRect kZoom1 = Around(127, 63.5, 254, 127);

void ExpectNear(double actual, double expected)
{
    EXPECT_NEAR(actual, expected, 1e-9 * std::max(1.0, std::fabs(expected)));
}

void ExpectRect(const JobRect& actual, const JobRect& expected)
{
    ExpectNear(actual.y0, expected.y0);
    ExpectNear(actual.y1, expected.y1);
    ExpectNear(actual.x0, expected.x0);
    ExpectNear(actual.x1, expected.x1);
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

}  // namespace

TEST(JobViewGeometryTest, OperationsFitTheViewToTheCanvasAndMeasureTheZoomLikeTheHost)
{
    enum class Op { Fit, SetZoom, ZoomIn, ZoomOut, Pan, Resize };
    struct Row { int width; int height; double ratio; std::optional<double> hostScale; JobRect start; Op op; double a; double b; JobRect view; double zoom; };
    const double a4Zoom = 2 * ZoomOf(374, 297);  // A4 on 480 × 374 at ratio 2, host scale 1
    const Row rows[] = {
        {200, 100, 1, {}, {0, 100, 0, 100}, Op::Fit, 0, 0, {0, 100, -50, 150}, ZoomOf(200, 200)},
        {100, 200, 1, {}, {0, 100, 0, 100}, Op::Fit, 0, 0, {-50, 150, 0, 100}, ZoomOf(100, 100)},
        {300, 100, 1, {}, {10, 20, 0, 90}, Op::Fit, 0, 0, {0, 30, 0, 90}, ZoomOf(300, 90)},
        {200, 100, 1, {}, {100, 0, 150, -50}, Op::Fit, 0, 0, {0, 100, -50, 150}, ZoomOf(200, 200)},
        {200, 100, 1, {}, {5, 5, 0, 100}, Op::Fit, 0, 0, {-20, 30, 0, 100}, ZoomOf(200, 100)},
        {200, 100, 1, {}, {0, 100, 7, 7}, Op::Fit, 0, 0, {0, 100, -93, 107}, ZoomOf(200, 200)},
        {1, 1, 1, {}, {0, 2, 0, 1}, Op::Fit, 0, 0, {0, 2, -0.5, 1.5}, ZoomOf(1, 2)},
        {720, 360, 2, {}, kZoom1, Op::Fit, 0, 0, kZoom1, 1},
        {720, 360, 2, 1.0, kZoom1, Op::Fit, 0, 0, kZoom1, 2},
        {720, 360, 1, 2.0, kZoom1, Op::Fit, 0, 0, kZoom1, 0.5},
        {720, 360, 2, 2.0, kZoom1, Op::Fit, 0, 0, kZoom1, 1},
        {720, 360, 1.5, 0.0, kZoom1, Op::Fit, 0, 0, kZoom1, 1},
        {720, 360, 1.5, kNaN, kZoom1, Op::Fit, 0, 0, kZoom1, 1},
        {720, 360, 0, 2.0, kZoom1, Op::Fit, 0, 0, kZoom1, 0.5},
        {720, 360, 1, 1.0, Around(10, 40, 254 / 1600.0, 127 / 1600.0), Op::Fit, 0, 0, Around(10, 40, 254 / 1500.0, 127 / 1500.0), 1500},
        {720, 360, 1, {}, kZoom1, Op::SetZoom, 2, 0, Around(127, 63.5, 127, 63.5), 2},
        {720, 360, 2, 1.0, kZoom1, Op::SetZoom, 1, 0, Around(127, 63.5, 508, 254), 1},
        {720, 360, 1, {}, kZoom1, Op::SetZoom, 1500.009, 0, Around(127, 63.5, 254 / 1500.009, 127 / 1500.009), 1500.009},
        {720, 360, 1, {}, kZoom1, Op::SetZoom, 1500.011, 0, Around(127, 63.5, 254 / 1500.0, 127 / 1500.0), 1500},
        {720, 360, 2, 1.0, kZoom1, Op::SetZoom, 1e9, 0, Around(127, 63.5, 508 / 1500.0, 254 / 1500.0), 1500},
        {200, 100, 1, {}, {0, 100, -50, 150}, Op::ZoomIn, 20, 30, {5, 55, -30, 70}, ZoomOf(200, 100)},
        {200, 100, 1, {}, {0, 100, -50, 150}, Op::ZoomOut, 0, 0, {-100, 100, -200, 200}, ZoomOf(200, 400)},
        {200, 100, 1, {}, {0, 100, -50, 150}, Op::Pan, 12.5, -7, {-7, 93, -37.5, 162.5}, ZoomOf(200, 200)},
        {480, 374, 2, 1.0, kA4, Op::Resize, 600, 374, Around(105, 148.5, 297 * 600 / 374.0, 297), a4Zoom},
        {480, 374, 2, 1.0, kA4, Op::Resize, 480, 700, Around(105, 148.5, 297 * 480 / 374.0, 297 * 700 / 374.0), a4Zoom},
        {480, 374, 2, 1.0, kA4, Op::Resize, 1, 1, Around(105, 148.5, 297 / 374.0, 297 / 374.0), a4Zoom},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(&row - rows);
        JobViewGeometry geometry = Canvas(row.width, row.height, row.start, row.ratio, row.hostScale);
        bool accepted = true;
        switch (row.op) {
        case Op::Fit: break;
        case Op::SetZoom: accepted = geometry.SetZoom(row.a); break;
        case Op::ZoomIn: accepted = geometry.ZoomInAt(JobPoint{row.a, row.b}); break;
        case Op::ZoomOut: accepted = geometry.ZoomOutAt(JobPoint{row.a, row.b}); break;
        case Op::Pan: accepted = geometry.Pan(row.a, row.b); break;
        case Op::Resize:
            geometry.SetCanvasSize(int(row.a), int(row.b));
            geometry.KeepZoomOnResize();
            break;
        }
        EXPECT_TRUE(accepted);
        ExpectRect(geometry.ViewRect(), row.view);
        ExpectNear(geometry.ZoomFactor(), row.zoom);
        ExpectNear(geometry.GetZoom(), row.zoom);
    }
}

TEST(JobViewGeometryTest, ZoomingInDoublesUntilTheClampWhereTheZoomInToolStops)
{
    JobViewGeometry geometry = Canvas(480, 480, kA4);
    int steps = 0;
    for (double before = geometry.ZoomFactor(); geometry.BelowZoomInLimit(); before = geometry.ZoomFactor(), ++steps) {
        ASSERT_TRUE(geometry.ZoomInAt(JobPoint{100, 150}));
        if (geometry.ZoomFactor() != JobViewGeometry::kMaxZoom)
            ExpectNear(geometry.ZoomFactor(), before * 2);
    }
    EXPECT_EQ(steps, 12);  // from 0.570 (297 mm on 480 px): 0.570 × 2^11 < 1500 < 0.570 × 2^12
    EXPECT_EQ(geometry.ZoomFactor(), JobViewGeometry::kMaxZoom);
    ExpectNear(geometry.ViewCentre().x, 100);
    EXPECT_TRUE(geometry.SetZoom(1499.9999));
    EXPECT_FALSE(geometry.BelowZoomInLimit());
    EXPECT_TRUE(geometry.SetZoom(1499.9998));
    EXPECT_TRUE(geometry.BelowZoomInLimit());
}

TEST(JobViewGeometryTest, PixelsAndMillimetresRoundTripBothWays)
{
    struct Row { int width; int height; JobRect view; };
    const Row rows[] = {
        {480, 374, kA4}, {1, 1, {0, 1, 0, 1}}, {17, 3000, {-5000, 5000, 3, 4}}, {960, 960, {100, 100.001, 5, 5}},
        {333, 77, {-1e4, -9e3, 1e4, 2e4}},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.width);
        const JobViewGeometry geometry = Canvas(row.width, row.height, row.view);
        const JobRect& view = geometry.ViewRect();
        ExpectNear(geometry.PixelToJob({double(row.width), double(row.height)}).x, view.x1);
        ExpectNear(geometry.PixelToJob({double(row.width), double(row.height)}).y, view.y1);
        for (double px = -row.width; px <= 2 * row.width; px += row.width / 7.0) {
            for (double py = -row.height; py <= 2 * row.height; py += row.height / 5.0) {
                const PixelPoint pixel = geometry.JobToPixel(geometry.PixelToJob({px, py}));
                EXPECT_NEAR(pixel.x, px, 1e-6);
                EXPECT_NEAR(pixel.y, py, 1e-6);
                const JobPoint job{view.x0 + px, view.y0 + py};
                ExpectNear(geometry.PixelToJob(geometry.JobToPixel(job)).x, job.x);
                ExpectNear(geometry.PixelToJob(geometry.JobToPixel(job)).y, job.y);
            }
        }
    }
}

TEST(JobViewGeometryTest, BadRequestsLeaveTheViewAndZoomAsTheyWere)
{
    JobViewGeometry geometry = Canvas(200, 100, JobRect{0, 100, 0, 100});
    const JobRect view = geometry.ViewRect();
    const double zoom = geometry.ZoomFactor();
    for (const JobRect& rect : {JobRect{kNaN, 1, 0, 1}, JobRect{0, 1, 0, kInf}, JobRect{5, 5, 7, 7}, JobRect{-1e308, 1e308, 0, 1}})
        EXPECT_FALSE(geometry.SetViewRect(rect));
    for (const double factor : {0.0, -1.0, kNaN, kInf, 1e-320})
        EXPECT_FALSE(geometry.SetZoom(factor)) << factor;
    EXPECT_FALSE(geometry.ZoomInAt(JobPoint{kNaN, 0}));
    EXPECT_FALSE(geometry.Pan(kInf, 0));
    ExpectRect(geometry.ViewRect(), view);
    EXPECT_EQ(geometry.ZoomFactor(), zoom);
    while (geometry.ZoomOutAt(JobPoint{0, 0})) {
    }
    EXPECT_TRUE(std::isfinite(geometry.ViewRect().x1));
    EXPECT_GT(geometry.GetZoom(), 0.0);

    // A canvas with no area keeps the request until it is laid out.
    JobViewGeometry hidden = Canvas(-5, 100, JobRect{0, 100, 0, 100});
    EXPECT_EQ(hidden.GetZoom(), 0.0);
    EXPECT_FALSE(hidden.SetZoom(2.0));
    hidden.SetCanvasSize(200, 100);
    hidden.KeepZoomOnResize();
    ExpectRect(hidden.ViewRect(), JobRect{0, 100, -50, 150});
}
