#include "viewer/JobCoordinates.h"

#include <gtest/gtest.h>

#include <cmath>

namespace {

constexpr double k = 25.4 / 72.0;

struct PageRow
{
    double width;
    double height;
    double originX;
    double originY;
};

// Pages as hosts report them: origin at the bottom-left corner, inside the page, at the top-left
// corner (negative artwork y), outside the page, fractional sizes.
constexpr PageRow kPages[] = {
    {283.465, 170.079, 0, 0},  {595.276, 841.89, 36, 36},    {612, 792, 0, 792},
    {1000, 500, -250, 1200},   {0.5, 0.25, 0.125, -0.0625}, {16383, 16383, 8191.5, 8191.5},
};

void ExpectNear(double actual, double expected)
{
    EXPECT_NEAR(actual, expected, 1e-9 * std::max(1.0, std::fabs(expected)));
}

}  // namespace

TEST(JobCoordinatesTest, OriginComesFromThePageHeightAndOrigin)
{
    const JobCoordinates coordinates = JobCoordinates::ForPage(720, 36, 72);
    ExpectNear(coordinates.OriginX(), 12.7);
    ExpectNear(coordinates.OriginY(), 228.6);
    EXPECT_EQ(JobCoordinates().OriginX(), 0.0);
    EXPECT_EQ(JobCoordinates().OriginY(), 0.0);
}

TEST(JobCoordinatesTest, ArtworkPointsMapToMillimetresFromThePagesTopLeft)
{
    struct Row
    {
        ArtworkPoint artwork;
        JobPoint job;
    };
    // Page 10 in wide, 10 in high, origin half an inch right of and one inch above the bottom-left.
    const Row rows[] = {
        {{0, 0}, {12.7, 228.6}},      {{72, 72}, {38.1, 203.2}},   {{-36, 648}, {0, 0}},
        {{684, -72}, {254, 254}},     {{-108, 720}, {-25.4, -25.4}},
    };
    const JobCoordinates coordinates = JobCoordinates::ForPage(720, 36, 72);
    for (const Row& row : rows) {
        const JobPoint job = coordinates.ArtworkToJob(row.artwork);
        ExpectNear(job.x, row.job.x);
        ExpectNear(job.y, row.job.y);
        const ArtworkPoint artwork = coordinates.JobToArtwork(row.job);
        ExpectNear(artwork.x, row.artwork.x);
        ExpectNear(artwork.y, row.artwork.y);
    }
    const JobPoint flipped = JobCoordinates().ArtworkToJob(ArtworkPoint{72, 72});
    ExpectNear(flipped.x, 25.4);
    ExpectNear(flipped.y, -25.4);
}

TEST(JobCoordinatesTest, ThePagesArtworkRectangleIsTheWholeJob)
{
    for (const PageRow& page : kPages) {
        SCOPED_TRACE(page.width);
        const JobCoordinates coordinates = JobCoordinates::ForPage(page.height, page.originX, page.originY);
        const ArtworkRect artwork{-page.originX, page.height - page.originY, page.width - page.originX, -page.originY};
        const JobRect job = coordinates.ArtworkToJob(artwork);
        ExpectNear(job.y0, 0);
        ExpectNear(job.y1, page.height * k);
        ExpectNear(job.x0, 0);
        ExpectNear(job.x1, page.width * k);
    }
}

TEST(JobCoordinatesTest, PointsRoundTripBothWaysOnEveryPage)
{
    for (const PageRow& page : kPages) {
        SCOPED_TRACE(page.width);
        const JobCoordinates coordinates = JobCoordinates::ForPage(page.height, page.originX, page.originY);
        for (double x = -16383; x <= 16383; x += 1170.3) {
            for (double y = -16383; y <= 16383; y += 910.1) {
                const ArtworkPoint artwork = coordinates.JobToArtwork(coordinates.ArtworkToJob(ArtworkPoint{x, y}));
                ExpectNear(artwork.x, x);
                ExpectNear(artwork.y, y);
                const JobPoint job = coordinates.ArtworkToJob(coordinates.JobToArtwork(JobPoint{x * k, y * k}));
                ExpectNear(job.x, x * k);
                ExpectNear(job.y, y * k);
            }
        }
    }
}

TEST(JobCoordinatesTest, RectanglesComeOutAscendingAndRoundTrip)
{
    const JobCoordinates coordinates = JobCoordinates::ForPage(841.89, 36, 36);
    const ArtworkRect view{-10, 300, 250, 20};
    const JobRect job = coordinates.ArtworkToJob(view);
    EXPECT_LT(job.y0, job.y1);
    EXPECT_LT(job.x0, job.x1);
    ExpectNear(job.y0, (841.89 - 36 - 300) * k);
    ExpectNear(job.x1, (250 + 36) * k);

    const JobRect reversed = coordinates.ArtworkToJob(ArtworkRect{250, 20, -10, 300});
    EXPECT_EQ(reversed.y0, job.y0);
    EXPECT_EQ(reversed.x1, job.x1);

    const ArtworkRect back = coordinates.JobToArtwork(job);
    ExpectNear(back.left, view.left);
    ExpectNear(back.top, view.top);
    ExpectNear(back.right, view.right);
    ExpectNear(back.bottom, view.bottom);
    EXPECT_GT(coordinates.JobToArtwork(JobRect{50, 10, 80, 20}).top, coordinates.JobToArtwork(JobRect{50, 10, 80, 20}).bottom);
}
