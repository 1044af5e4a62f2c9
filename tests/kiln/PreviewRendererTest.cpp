// The renderer on hand-made jobs: a 10 × 10 mm page with a red and a blue spot ink.

#include "sim/kiln/PreviewRenderer.h"

#include <QPainterPathStroker>

#include <gtest/gtest.h>

#include <algorithm>
#include <random>
#include <vector>

namespace {

using kiln::MarkInk;

constexpr int kRed = 0;
constexpr int kBlue = 1;
constexpr ASUInt32 kWhite = 0xffffffff;
constexpr ASUInt32 kGuard = 0x12345678;

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

    void Add(const QRectF& rectangle, std::vector<MarkInk> inks, bool ellipse = false)
    {
        QPainterPath shape;
        ellipse ? shape.addEllipse(rectangle) : shape.addRect(rectangle);
        job.marks.push_back(kiln::Mark{kiln::Outline(shape), std::move(inks), {}, shape.boundingRect(), {}});
    }

    // A rectangle with its trap, as the job builder makes it; `solid` says the renderer may
    // fill the rectangle's inside without painting it.
    void AddTrapped(const QRectF& rectangle, std::vector<MarkInk> inks, bool solid)
    {
        QPainterPath shape;
        shape.addRect(rectangle);
        QPainterPathStroker stroker;
        stroker.setWidth(2.0 * kiln::kTrapWidthMm);
        stroker.setJoinStyle(Qt::MiterJoin);
        const QPainterPath trap = stroker.createStroke(shape);
        job.marks.push_back(kiln::Mark{kiln::Outline(shape), std::move(inks), kiln::Outline(trap), trap.boundingRect().united(rectangle),
                                       solid ? rectangle : QRectF()});
    }

    // Renders into a buffer one pixel longer than asked, checking that pixel stays untouched.
    std::vector<ASUInt32> Render(double x0, double x1, double y0, double y1, int width, int height)
    {
        kiln::PreviewRenderer renderer(job, settings);
        return Render(renderer, x0, x1, y0, y1, width, height);
    }

    std::vector<ASUInt32> Render(kiln::PreviewRenderer& renderer, double x0, double x1, double y0, double y1, int width,
                                 int height)
    {
        const double area[4] = {x0, x1, y0, y1};
        std::vector<ASUInt32> pixels(static_cast<std::size_t>(width) * height + 1, kGuard);
        renderer.Render(area, width, height, pixels.data());
        EXPECT_EQ(pixels.back(), kGuard);
        pixels.pop_back();
        return pixels;
    }

    kiln::Job job;
    kiln::RenderSettings settings;
};

TEST_F(PreviewRendererTest, AFractionalRectangleAtAnOddSizeIsExactlyACropOfTheWholePage)
{
    // 0.125 mm per pixel either way; the shapes' edges fall between pixel edges.
    Add(QRectF(QPointF(1.1, 2.3), QPointF(8.7, 9.1)), {{kRed, 200}}, true);
    Add(QRectF(QPointF(2.05, 3.3), QPointF(6.61, 4.77)), {{kBlue, 255}, {kRed, 60}});
    const std::vector<ASUInt32> page = Render(0.0, 10.0, 0.0, 10.0, 80, 80);
    const std::vector<ASUInt32> crop = Render(2.375, 3.25, 4.125, 4.75, 7, 5);
    for (int y = 0; y < 5; ++y)
        for (int x = 0; x < 7; ++x)
            EXPECT_EQ(crop[static_cast<std::size_t>(y * 7 + x)], page[static_cast<std::size_t>((33 + y) * 80 + 19 + x)])
                << x << ", " << y;
}

TEST_F(PreviewRendererTest, TheRectangleIsStretchedOverTheDeviceSizeAndPastThePageLiesThePasteboard)
{
    Add(QRectF(0, 0, 5, 10), {{kRed, 255}});
    const std::vector<ASUInt32> pixels = Render(0, 10, 0, 10, 4, 3);
    for (int y = 0; y < 3; ++y) {
        EXPECT_EQ(pixels[static_cast<std::size_t>(y * 4 + 1)], 0xffff0000u);
        EXPECT_EQ(pixels[static_cast<std::size_t>(y * 4 + 2)], kWhite);
    }
    Add(QRectF(-5, -5, 20, 20), {{kBlue, 255}});  // artwork past the page is cut at its edge
    EXPECT_EQ(Render(-10, 20, 5, 6, 3, 1), (std::vector<ASUInt32>{0xffb4b4b4u, 0xff0000ffu, 0xffb4b4b4u}));
}

TEST_F(PreviewRendererTest, ARendererUsedAgainRendersAsAFreshOne)
{
    Add(QRectF(1, 1, 6, 6), {{kRed, 255}});
    Add(QRectF(4, 4, 5, 5), {{kBlue, 128}}, true);
    kiln::PreviewRenderer renderer(job, settings);
    // Larger, then smaller and elsewhere (left-overs of the first would show), then finer.
    for (const double x0 : {0.0, 5.0, 2.5}) {
        const int size = x0 == 0.0 ? 40 : x0 == 5.0 ? 7 : 23;
        EXPECT_EQ(Render(renderer, x0, x0 + 4.5, x0, x0 + 4.5, size, size), Render(x0, x0 + 4.5, x0, x0 + 4.5, size, size))
            << x0;
        settings.quality = kiln::kFineQuality;
    }
}

TEST_F(PreviewRendererTest, AMarkFillingTheWholeRectangleIsFilledAsItWouldBePainted)
{
    settings.trapsVisible = true;
    // Areas well inside the red rectangle, just inside its edge, and across it, at several sizes.
    const double areas[][4] = {{4.0, 5.0, 4.0, 5.0}, {1.05, 1.3, 1.05, 1.3}, {0.5, 3.0, 0.7, 2.2}, {2.0, 8.5, 2.0, 8.5}};
    const auto renderings = [&](bool solid) {
        job.marks.clear();
        AddTrapped(QRectF(0, 0, 10, 10), {{kBlue, 255}}, solid);
        AddTrapped(QRectF(1, 1, 8, 8), {{kRed, 200}}, solid);
        AddTrapped(QRectF(4.5, 0.5, 1, 1), {{kBlue, 90}, {kRed, 40}}, false);
        std::vector<std::vector<ASUInt32>> all;
        for (const auto& a : areas)
            for (const int size : {3, 17, 64})
                all.push_back(Render(a[0], a[1], a[2], a[3], size, size));
        return all;
    };
    EXPECT_EQ(renderings(true), renderings(false));
}

// Small marks under larger solid ones, some hidden whole, some whose shape or trap band passes a
// solid's edge by less than a pixel: what the solid parts let the renderer skip changes nothing.
TEST_F(PreviewRendererTest, MarksHiddenBySolidOnesAboveThemChangeNothingWhereverTheyPeekOut)
{
    settings.trapsVisible = true;
    const auto renderings = [&](bool solid) {
        std::mt19937 random(7);
        std::uniform_real_distribution<double> at(0.0, 9.0);
        std::uniform_real_distribution<double> size(0.05, 3.0);
        std::uniform_int_distribution<int> level(1, 255);
        job.marks.clear();
        for (int i = 0; i < 120; ++i) {
            const QRectF rectangle(at(random), at(random), size(random), size(random));
            AddTrapped(rectangle, {{i % 2 ? kRed : kBlue, static_cast<std::uint8_t>(level(random))}}, solid);
            // Under every other one, a mark well inside it or one whose band peeks out by 0.01 mm.
            const double inset = i % 4 == 1 ? kiln::kTrapWidthMm - 0.01 : 0.5;
            if (i % 2 == 0 || rectangle.width() <= 2 * inset || rectangle.height() <= 2 * inset)
                continue;
            AddTrapped(rectangle.adjusted(inset, inset, -inset, -inset), {{kRed, 90}, {kBlue, 30}}, solid);
            std::swap(job.marks[job.marks.size() - 1], job.marks[job.marks.size() - 2]);
        }
        std::vector<std::vector<ASUInt32>> all;
        for (const int pixels : {37, 200, 333})
            for (const double x0 : {0.0, 1.3})
                all.push_back(Render(x0, 10.0, 0.0, 10.0 - x0, pixels, pixels));
        return all;
    };
    EXPECT_EQ(renderings(true), renderings(false));
}

TEST_F(PreviewRendererTest, ALargeRenderingCutIntoStripsEqualsItsRowsRenderedApart)
{
    settings.trapsVisible = true;
    AddTrapped(QRectF(0.7, 0.9, 8.1, 7.3), {{kRed, 140}}, true);
    Add(QRectF(2.2, 1.3, 6.1, 8.4), {{kBlue, 255}}, true);
    AddTrapped(QRectF(4.1, 3.3, 1.9, 2.6), {{kBlue, 60}, {kRed, 255}}, false);
    // Enough pixels to be cut into strips (131,072), in rows that do not split evenly.
    constexpr int kWidth = 440;
    constexpr int kHeight = 302;
    // Bands of 38 rows: few enough pixels to render in one strip; even, as draft quality samples
    // two rows at once from a rendering's top.
    constexpr int kBand = 38;
    for (const int quality : {kiln::kDraftQuality, kiln::kNormalQuality, kiln::kFineQuality}) {
        settings.quality = quality;
        const std::vector<ASUInt32> whole = Render(0.0, 10.0, 0.0, 9.5, kWidth, kHeight);
        for (int top = 0; top < kHeight; top += kBand) {
            const int rows = std::min(kBand, kHeight - top);
            const std::vector<ASUInt32> band =
                Render(0.0, 10.0, 9.5 * top / kHeight, 9.5 * (top + rows) / kHeight, kWidth, rows);
            ASSERT_TRUE(std::equal(band.begin(), band.end(), whole.begin() + top * kWidth)) << quality << ", " << top;
        }
    }
}

}  // namespace
