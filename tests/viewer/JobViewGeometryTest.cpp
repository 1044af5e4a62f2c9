#include "viewer/JobViewGeometry.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>

namespace {

constexpr double kNaN = std::numeric_limits<double>::quiet_NaN();
constexpr double kInf = std::numeric_limits<double>::infinity();
// The horizontal extent (mm) that a canvas 720 pixels wide shows at zoom 1.
constexpr double kMmAtZoom1 = 254.0;

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

JobViewGeometry Canvas(int width, int height, const JobRect& view = JobRect{0, 1, 0, 1})
{
    JobViewGeometry geometry;
    geometry.SetCanvasSize(width, height);
    geometry.SetViewRect(view);
    return geometry;
}

}  // namespace

TEST(JobViewGeometryTest, TheViewTakesTheCanvasAspectAroundTheRequestedCentre)
{
    struct Row
    {
        int width;
        int height;
        JobRect requested;
        JobRect stored;
    };
    const Row rows[] = {
        {200, 100, {0, 100, 0, 100}, {0, 100, -50, 150}},
        {100, 200, {0, 100, 0, 100}, {-50, 150, 0, 100}},
        {300, 100, {10, 20, 0, 90}, {0, 30, 0, 90}},
        {400, 200, {0, 50, 0, 100}, {0, 50, 0, 100}},
        {200, 100, {100, 0, 150, -50}, {0, 100, -50, 150}},
        {200, 100, {5, 5, 0, 100}, {-20, 30, 0, 100}},
        {200, 100, {0, 100, 7, 7}, {0, 100, -93, 107}},
        {1, 1, {0, 2, 0, 1}, {0, 2, -0.5, 1.5}},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(::testing::Message() << row.width << "x" << row.height << " y0 " << row.requested.y0);
        JobViewGeometry geometry = Canvas(row.width, row.height, row.requested);
        ExpectRect(geometry.ViewRect(), row.stored);
        const JobPoint topLeft = geometry.PixelToJob({0, 0});
        const JobPoint bottomRight = geometry.PixelToJob({double(row.width), double(row.height)});
        ExpectRect(JobRect{topLeft.y, bottomRight.y, topLeft.x, bottomRight.x}, row.stored);
        ExpectNear(geometry.GetZoom(), row.width / ((row.stored.x1 - row.stored.x0) * 72 / 25.4));
    }
}

TEST(JobViewGeometryTest, ZoomIsCorrectedByDeviceRatioOverHostScaleOnlyWithAHostView)
{
    struct Row
    {
        double ratio;
        std::optional<double> hostScale;
        double zoom;
    };
    const Row rows[] = {
        {1, std::nullopt, 1}, {2, std::nullopt, 1}, {2, 1.0, 2},     {2, 2.0, 1},      {1, 2.0, 0.5},
        {1.5, 0.0, 1},        {1.5, kNaN, 1},       {1.5, -1.0, 1},   {0, 2.0, 0.5},    {kInf, 1.0, 1},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(::testing::Message() << row.ratio << " / " << row.hostScale.value_or(-99));
        JobViewGeometry geometry;
        geometry.SetDevicePixelRatio(row.ratio);
        geometry.SetHostViewScale(row.hostScale);
        geometry.SetCanvasSize(720, 360);
        geometry.SetViewRect(JobRect{0, kMmAtZoom1 / 2, 0, kMmAtZoom1});
        ExpectNear(geometry.ZoomFactor(), row.zoom);
        for (const double factor : {0.03125, 0.5, 1.0, 3.7, 640.0, 1500.0}) {
            ASSERT_TRUE(geometry.SetZoom(factor));
            EXPECT_EQ(geometry.ZoomFactor(), factor);
            ExpectNear(geometry.GetZoom(), factor);
            ExpectNear(geometry.ViewCentre().x, kMmAtZoom1 / 2);
            ExpectNear(geometry.ViewCentre().y, kMmAtZoom1 / 4);
        }
    }
}

TEST(JobViewGeometryTest, ZoomIsClampedAt1500AboveTheThreshold)
{
    struct Row
    {
        double requested;
        double stored;
    };
    const Row rows[] = {{1499.9, 1499.9}, {1500.0, 1500.0}, {1500.009, 1500.009}, {1500.011, 1500.0}, {1e9, 1500.0}};
    for (const double ratio : {1.0, 2.0}) {
        for (const Row& row : rows) {
            SCOPED_TRACE(::testing::Message() << row.requested << " at ratio " << ratio);
            JobViewGeometry geometry;
            geometry.SetDevicePixelRatio(ratio);
            geometry.SetHostViewScale(1.0);
            geometry.SetCanvasSize(720, 360);
            const double width = kMmAtZoom1 * ratio / row.requested;
            geometry.SetViewRect(JobRect{40 - width / 4, 40 + width / 4, 10 - width / 2, 10 + width / 2});
            ExpectNear(geometry.ZoomFactor(), row.stored);
            ExpectNear(geometry.GetZoom(), row.stored);
            ExpectNear(geometry.ViewCentre().x, 10);
            ExpectNear(geometry.ViewCentre().y, 40);
            geometry.SetZoom(row.requested);
            ExpectNear(geometry.GetZoom(), row.stored);
        }
    }
}

TEST(JobViewGeometryTest, ZoomingInStopsAtTheClampWhereTheZoomInToolStops)
{
    JobViewGeometry geometry = Canvas(480, 480, JobRect{0, 297, 0, 210});
    int steps = 0;
    for (; geometry.BelowZoomInLimit(); ++steps) {
        const double before = geometry.ZoomFactor();
        ASSERT_TRUE(geometry.ZoomInAt(JobPoint{100, 150}));
        EXPECT_TRUE(geometry.ZoomFactor() == JobViewGeometry::kMaxZoom || std::fabs(geometry.ZoomFactor() / before - 2) < 1e-9);
    }
    EXPECT_EQ(steps, 12);  // from 0.570 (297 mm on 480 px): 0.570 × 2^11 < 1500 < 0.570 × 2^12
    EXPECT_EQ(geometry.ZoomFactor(), JobViewGeometry::kMaxZoom);
    ExpectNear(geometry.ViewCentre().x, 100);

    EXPECT_TRUE(geometry.SetZoom(1499.9999));
    EXPECT_FALSE(geometry.BelowZoomInLimit());
    EXPECT_TRUE(geometry.SetZoom(1499.9998));
    EXPECT_TRUE(geometry.BelowZoomInLimit());
}

TEST(JobViewGeometryTest, ZoomStepsCentreOnThePointAndPanShiftsTheView)
{
    JobViewGeometry geometry = Canvas(200, 100, JobRect{0, 100, -50, 150});
    const double zoom = geometry.ZoomFactor();
    ASSERT_TRUE(geometry.ZoomInAt(JobPoint{20, 30}));
    ExpectRect(geometry.ViewRect(), JobRect{5, 55, -30, 70});
    ExpectNear(geometry.ZoomFactor(), zoom * 2);
    ASSERT_TRUE(geometry.ZoomOutAt(JobPoint{0, 0}));
    ExpectRect(geometry.ViewRect(), JobRect{-50, 50, -100, 100});
    ExpectNear(geometry.ZoomFactor(), zoom);
    ASSERT_TRUE(geometry.Pan(12.5, -7));
    ExpectRect(geometry.ViewRect(), JobRect{-57, 43, -87.5, 112.5});
    ExpectNear(geometry.ZoomFactor(), zoom);
    ExpectNear(geometry.PixelToJob({100, 50}).x, 12.5);
}

TEST(JobViewGeometryTest, PixelsAndMillimetresRoundTripBothWays)
{
    struct Row
    {
        int width;
        int height;
        JobRect view;
    };
    const Row rows[] = {
        {480, 374, {0, 297, 0, 210}},      {1, 1, {0, 1, 0, 1}},          {17, 3000, {-5000, 5000, 3, 4}},
        {960, 960, {100, 100.001, 5, 5}}, {333, 77, {-1e4, -9e3, 1e4, 2e4}},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.width);
        const JobViewGeometry geometry = Canvas(row.width, row.height, row.view);
        for (double px = -row.width; px <= 2 * row.width; px += row.width / 7.0) {
            for (double py = -row.height; py <= 2 * row.height; py += row.height / 5.0) {
                const PixelPoint pixel = geometry.JobToPixel(geometry.PixelToJob({px, py}));
                EXPECT_NEAR(pixel.x, px, 1e-6);
                EXPECT_NEAR(pixel.y, py, 1e-6);
                const JobPoint job{row.view.x0 + px, row.view.y0 + py};
                const JobPoint back = geometry.PixelToJob(geometry.JobToPixel(job));
                ExpectNear(back.x, job.x);
                ExpectNear(back.y, job.y);
            }
        }
    }
}

TEST(JobViewGeometryTest, ResizingKeepsTheZoomAndTheCentre)
{
    struct Row
    {
        int fromWidth;
        int fromHeight;
        int toWidth;
        int toHeight;
    };
    const Row rows[] = {{480, 374, 600, 374}, {480, 374, 480, 700}, {480, 374, 200, 100}, {480, 374, 1, 1}, {7, 900, 900, 7}};
    for (const Row& row : rows) {
        SCOPED_TRACE(::testing::Message() << row.toWidth << "x" << row.toHeight);
        JobViewGeometry geometry = Canvas(row.fromWidth, row.fromHeight, JobRect{0, 297, 0, 210});
        const double zoom = geometry.ZoomFactor();
        geometry.SetCanvasSize(row.toWidth, row.toHeight);
        geometry.KeepZoomOnResize();
        ExpectNear(geometry.ZoomFactor(), zoom);
        ExpectNear(geometry.GetZoom(), zoom);
        ExpectNear(geometry.ViewCentre().x, 105);
        ExpectNear(geometry.ViewCentre().y, 148.5);
        const JobRect& view = geometry.ViewRect();
        ExpectNear((view.x1 - view.x0) * row.toHeight, (view.y1 - view.y0) * row.toWidth);
    }
}

TEST(JobViewGeometryTest, ACanvasWithNoAreaKeepsTheRequestUntilItIsLaidOut)
{
    JobViewGeometry geometry;
    geometry.SetCanvasSize(-5, 100);
    ASSERT_TRUE(geometry.SetViewRect(JobRect{0, 100, 0, 100}));
    ExpectRect(geometry.ViewRect(), JobRect{0, 100, 0, 100});
    EXPECT_EQ(geometry.GetZoom(), 0.0);
    EXPECT_FALSE(geometry.SetZoom(2.0));
    geometry.SetCanvasSize(200, 100);
    geometry.KeepZoomOnResize();
    ExpectRect(geometry.ViewRect(), JobRect{0, 100, -50, 150});
}

TEST(JobViewGeometryTest, BadRequestsLeaveTheViewAndZoomAsTheyWere)
{
    JobViewGeometry geometry = Canvas(200, 100, JobRect{0, 100, 0, 100});
    const JobRect view = geometry.ViewRect();
    const double zoom = geometry.ZoomFactor();
    const JobRect rejected[] = {
        {kNaN, 1, 0, 1}, {0, 1, 0, kInf}, {5, 5, 7, 7}, {0, 0, 0, 0}, {-1e308, 1e308, 0, 1}, {0, 1e308, 0, 1},
    };
    for (const JobRect& rect : rejected)
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
}

TEST(JobViewGeometryTest, APulledHostViewPushesBackTheSameCentreAndZoom)
{
    struct Row
    {
        ArtworkRect bounds;
        double hostZoom;
        double ratio;
        double hostScale;
    };
    const Row rows[] = {
        {{-36, 806, 559, 36}, 0.5, 1, 1},     {{100, 400, 300, 200}, 2.25, 2, 1},
        {{0, 10, 10, 0}, 64.0, 2, 2},         {{-500, 900, 1500, -300}, 0.125, 1, 2},
    };
    const JobCoordinates coordinates = JobCoordinates::ForPage(841.89, 36, 36);
    for (const Row& row : rows) {
        SCOPED_TRACE(row.hostZoom);
        JobViewGeometry geometry;
        geometry.SetDevicePixelRatio(row.ratio);
        geometry.SetHostViewScale(row.hostScale);
        geometry.SetCanvasSize(480, 374);
        ASSERT_TRUE(geometry.SetViewRect(coordinates.ArtworkToJob(row.bounds)));
        ASSERT_TRUE(geometry.SetZoom(row.hostZoom));
        ExpectNear(geometry.GetZoom(), row.hostZoom);
        const ArtworkPoint centre = coordinates.JobToArtwork(geometry.ViewCentre());
        ExpectNear(centre.x, (row.bounds.left + row.bounds.right) / 2);
        ExpectNear(centre.y, (row.bounds.top + row.bounds.bottom) / 2);
    }
}
