#include "viewer/JobViewGeometry.h"
#include "viewer/ZoomFit.h"

#include <gtest/gtest.h>

#include <tuple>

TEST(ZoomFitTest, GraphicsGetATwoMillimetreMarginOnlyAlongRangesOver100)
{
    struct Row { JobRect bounds; JobRect fitted; };
    const Row rows[] = {
        {{0, 150, 0, 50}, {-2, 152, 0, 50}},    {{10, 110, 0, 100.5}, {10, 110, -2, 102.5}},
        {{150, 0, 0, 0}, {0, 150, 0, 0}},       {{0, 0, 0, 0}, {0, 0, 0, 0}},
    };
    for (const Row& row : rows) {
        const JobRect fitted = ZoomFit::GraphicsRect(row.bounds);
        EXPECT_EQ(std::tie(fitted.y0, fitted.y1, fitted.x0, fitted.x1), std::tie(row.fitted.y0, row.fitted.y1, row.fitted.x0, row.fitted.x1));
    }
    JobViewGeometry canvas;
    canvas.SetCanvasSize(480, 480);
    EXPECT_FALSE(canvas.SetViewRect(ZoomFit::GraphicsRect(JobRect{0, 0, 0, 0})));
}

TEST(ZoomFitTest, TheArtBoardIsTheWholeJob)
{
    for (const double originY : {0.0, 36.0, 792.0, -100.0}) {
        const JobCoordinates coordinates = JobCoordinates::ForPage(792, 18, originY);
        const JobRect job = coordinates.ArtworkToJob(ZoomFit::ArtBoardRect(612, 792, 18, originY));
        EXPECT_NEAR(job.y0, 0, 1e-9);
        EXPECT_NEAR(job.y1, 792 * 25.4 / 72, 1e-9);
        EXPECT_NEAR(job.x0, 0, 1e-9);
        EXPECT_NEAR(job.x1, 612 * 25.4 / 72, 1e-9);
    }
}
