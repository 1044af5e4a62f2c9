#include "viewer/JobCoordinates.h"

#include <gtest/gtest.h>

#include <cmath>

namespace {

constexpr double k = 25.4 / 72.0;

void ExpectNear(double actual, double expected)
{
    EXPECT_NEAR(actual, expected, 1e-9 * std::max(1.0, std::fabs(expected)));
}

}  // namespace

TEST(JobCoordinatesTest, ArtworkPointsMapToMillimetresFromThePagesTopLeftAndBack)
{
    struct Row
    {
        ArtworkPoint artwork;
        JobPoint job;
    };
    // Page 10 in high, origin half an inch right of and one inch above the bottom-left.
    const Row rows[] = {
        {{0, 0}, {12.7, 228.6}}, {{72, 72}, {38.1, 203.2}}, {{-36, 648}, {0, 0}},
        {{684, -72}, {254, 254}}, {{-108, 720}, {-25.4, -25.4}},
    };
    const JobCoordinates coordinates = JobCoordinates::ForPage(720, 36, 72);
    for (const Row& row : rows) {
        ExpectNear(coordinates.ArtworkToJob(row.artwork).x, row.job.x);
        ExpectNear(coordinates.ArtworkToJob(row.artwork).y, row.job.y);
        ExpectNear(coordinates.JobToArtwork(row.job).x, row.artwork.x);
        ExpectNear(coordinates.JobToArtwork(row.job).y, row.artwork.y);
    }
    const JobPoint flipped = JobCoordinates().ArtworkToJob(ArtworkPoint{72, 72});
    ExpectNear(flipped.x, 25.4);
    ExpectNear(flipped.y, -25.4);
}

TEST(JobCoordinatesTest, PointsRoundTripBothWaysOnEveryPage)
{
    // Origin at the bottom-left corner, inside the page, at the top-left corner, outside the
    // page, fractional sizes: height and origin as hosts report them.
    const double pages[][3] = {{170.079, 0, 0},   {841.89, 36, 36},         {792, 0, 792},
                               {500, -250, 1200}, {0.25, 0.125, -0.0625}, {16383, 8191.5, 8191.5}};
    for (const auto& page : pages) {
        SCOPED_TRACE(page[0]);
        const JobCoordinates coordinates = JobCoordinates::ForPage(page[0], page[1], page[2]);
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

TEST(JobCoordinatesTest, RectanglesComeOutAscendingWhicheverWayTheyCameAndRoundTrip)
{
    const JobCoordinates coordinates = JobCoordinates::ForPage(841.89, 36, 36);
    const ArtworkRect view{-10, 300, 250, 20};
    const JobRect job = coordinates.ArtworkToJob(view);
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
}
