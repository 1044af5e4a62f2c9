// The renderer on hand-made jobs: a 10 × 10 mm page with a red and a blue spot ink.

#include "sim/kiln/PreviewRenderer.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstdlib>
#include <vector>

namespace {

using kiln::Job;
using kiln::Mark;
using kiln::MarkInk;
using kiln::PreviewRenderer;
using kiln::RenderSettings;

constexpr int kRed = 0;
constexpr int kBlue = 1;
constexpr ASUInt32 kWhite = 0xffffffff;
constexpr ASUInt32 kPasteboard = 0xffb4b4b4;
constexpr ASUInt32 kGuard = 0x12345678;

QPainterPath Rectangle(double x0, double y0, double x1, double y1)
{
    QPainterPath path;
    path.addRect(QRectF(QPointF(x0, y0), QPointF(x1, y1)));
    return path;
}

QPainterPath Ellipse(double x0, double y0, double x1, double y1)
{
    QPainterPath path;
    path.addEllipse(QRectF(QPointF(x0, y0), QPointF(x1, y1)));
    return path;
}

class PreviewRendererTest : public ::testing::Test
{
protected:
    PreviewRendererTest()
    {
        job.width = 10.0;
        job.height = 10.0;
        job.inks = {{"Red", {1.0, 0.0, 0.0}}, {"Blue", {0.0, 0.0, 1.0}}};
        settings.dotGain.Set(0.0, 0.25, 0.5, 0.75, 1.0);
    }

    void Add(const QPainterPath& shape, std::vector<MarkInk> inks)
    {
        job.marks.push_back(Mark{shape, std::move(inks), {}, shape.boundingRect()});
    }

    // Renders into a buffer one pixel longer than asked, checking that pixel stays untouched.
    std::vector<ASUInt32> Render(double x0, double x1, double y0, double y1, int width, int height)
    {
        const double area[4] = {x0, x1, y0, y1};
        std::vector<ASUInt32> pixels(static_cast<std::size_t>(width) * height + 1, kGuard);
        PreviewRenderer(job, settings).Render(area, width, height, pixels.data());
        EXPECT_EQ(pixels.back(), kGuard);
        pixels.pop_back();
        return pixels;
    }

    std::vector<ASUInt32> RenderPage(int size) { return Render(0.0, 10.0, 0.0, 10.0, size, size); }

    Job job;
    RenderSettings settings;
};

// --- colours ---

// Paper white, then half the red ink through the linear, a steeper and the automatic curve.
TEST_F(PreviewRendererTest, AHalfTintPrintsHalfTheInkAndTheDotGainCurveDarkensIt)
{
    for (ASUInt32 pixel : RenderPage(4))
        EXPECT_EQ(pixel, kWhite);
    Add(Rectangle(0, 0, 10, 10), {{kRed, 128}});
    for (ASUInt32 pixel : RenderPage(5))
        EXPECT_EQ(pixel, 0xffff7f7fu);
    settings.dotGain.Set(0.0, 0.5, 0.75, 0.9, 1.0);
    EXPECT_EQ(RenderPage(2).front(), 0xffff3f3fu);
    settings.dotGain.Set(0.0, 0.0, 0.0, 0.0, 0.0);  // automatic: 50 % prints as 64 %
    EXPECT_EQ(RenderPage(2).front(), 0xffff5b5bu);
}

TEST_F(PreviewRendererTest, ALaterShapeKnocksOutTheInksBeneathItButInksOfOnePaintOverprint)
{
    Add(Rectangle(0, 0, 6, 10), {{kRed, 255}});
    Add(Rectangle(4, 0, 10, 10), {{kBlue, 255}});
    Add(Rectangle(9, 0, 10, 10), {{kRed, 255}, {kBlue, 255}});
    const std::vector<ASUInt32> row = Render(0, 10, 5, 5.1, 10, 1);
    EXPECT_EQ(row[2], 0xffff0000u);
    EXPECT_EQ(row[5], 0xff0000ffu);
    EXPECT_EQ(row[8], 0xff0000ffu);
    EXPECT_EQ(row[9], 0xff000000u);
}

// --- the requested rectangle ---

TEST_F(PreviewRendererTest, OutsideThePageLiesThePasteboard)
{
    Add(Rectangle(-5, -5, 15, 15), {{kBlue, 255}});  // artwork past the page is cut at its edge
    const std::vector<ASUInt32> row = Render(-10, 20, 5, 6, 3, 1);
    EXPECT_EQ(row[0], kPasteboard);
    EXPECT_EQ(row[1], 0xff0000ffu);
    EXPECT_EQ(row[2], kPasteboard);
}

TEST_F(PreviewRendererTest, AFractionalRectangleAtAnOddSizeIsACropOfTheWholePage)
{
    // 0.125 mm per pixel either way; the shapes' edges fall between pixel edges.
    Add(Ellipse(1.1, 2.3, 8.7, 9.1), {{kRed, 200}});
    Add(Rectangle(2.05, 3.3, 6.61, 4.77), {{kBlue, 255}, {kRed, 60}});
    const std::vector<ASUInt32> page = RenderPage(80);
    const std::vector<ASUInt32> crop = Render(2.375, 3.25, 4.125, 4.75, 7, 5);
    for (int y = 0; y < 5; ++y)
        for (int x = 0; x < 7; ++x)
            EXPECT_EQ(crop[static_cast<std::size_t>(y * 7 + x)], page[static_cast<std::size_t>((33 + y) * 80 + 19 + x)])
                << x << ", " << y;
}

TEST_F(PreviewRendererTest, TheRectangleIsStretchedOverTheDeviceSize)
{
    Add(Rectangle(0, 0, 5, 10), {{kRed, 255}});
    const std::vector<ASUInt32> pixels = Render(0, 10, 0, 10, 4, 3);
    for (int y = 0; y < 3; ++y) {
        EXPECT_EQ(pixels[static_cast<std::size_t>(y * 4 + 1)], 0xffff0000u);
        EXPECT_EQ(pixels[static_cast<std::size_t>(y * 4 + 2)], kWhite);
    }
}

// --- edges and settings ---

TEST_F(PreviewRendererTest, AnAntialiasedEllipseEdgeFollowsTheCoveredArea)
{
    Add(Ellipse(1, 1, 9, 9), {{kRed, 255}});
    constexpr int kSize = 20;
    const std::vector<ASUInt32> pixels = RenderPage(kSize);
    for (int y = 0; y < kSize; ++y) {
        for (int x = 0; x < kSize; ++x) {
            // The share of the pixel inside the circle, from 16 × 16 samples.
            int inside = 0;
            for (int sy = 0; sy < 16; ++sy)
                for (int sx = 0; sx < 16; ++sx) {
                    const double px = (x + (sx + 0.5) / 16) * 0.5 - 5.0;
                    const double py = (y + (sy + 0.5) / 16) * 0.5 - 5.0;
                    inside += px * px + py * py <= 16.0;
                }
            const int green = static_cast<int>(pixels[static_cast<std::size_t>(y * kSize + x)] >> 8 & 0xff);
            EXPECT_NEAR(255 - green, inside * 255 / 256, 8) << x << ", " << y;
        }
    }
}

TEST_F(PreviewRendererTest, WithoutAntialiasingEachPixelTakesTheInkAtItsCentre)
{
    Add(Ellipse(1, 1, 9, 9), {{kRed, 255}});
    settings.antialiasing = false;
    constexpr int kSize = 20;
    const std::vector<ASUInt32> pixels = RenderPage(kSize);
    for (int y = 0; y < kSize; ++y)
        for (int x = 0; x < kSize; ++x) {
            const double px = (x + 0.5) * 0.5 - 5.0;
            const double py = (y + 0.5) * 0.5 - 5.0;
            EXPECT_EQ(pixels[static_cast<std::size_t>(y * kSize + x)], px * px + py * py < 16.0 ? 0xffff0000u : kWhite)
                << x << ", " << y;
        }
}

TEST_F(PreviewRendererTest, DraftQualityRepeatsEachInkSampleOverTwoByTwoPixels)
{
    Add(Rectangle(0, 0, 5.5, 10), {{kRed, 255}});  // the edge lies inside device pixel 5 of 10
    settings.quality = kiln::kDraftQuality;
    const std::vector<ASUInt32> row = Render(0, 10, 0, 2, 10, 2);
    EXPECT_EQ(row[4], row[5]);
    EXPECT_EQ(row[4], row[14]);
    EXPECT_EQ(row[6], kWhite);
    EXPECT_EQ(row[3], 0xffff0000u);
}

TEST_F(PreviewRendererTest, FineQualityAveragesFourSamplesPerPixel)
{
    Add(Rectangle(0, 0, 5.4, 10), {{kRed, 255}});  // holds the centre of one of the two samples across pixel 5
    settings.antialiasing = false;
    settings.quality = kiln::kFineQuality;
    const std::vector<ASUInt32> row = Render(0, 10, 0, 1, 10, 1);
    EXPECT_EQ(row[4], 0xffff0000u);
    EXPECT_EQ(row[5], 0xffff7f7fu);
    EXPECT_EQ(row[6], kWhite);
}

}  // namespace
