#include "sim/app/PaintColour.h"

#include <gtest/gtest.h>

namespace {

using hostapp::InkColour;
using hostapp::PaintColour;
using hostsim::AppearanceSpace;
using hostsim::ColorModel;
using hostsim::DocumentContent;
using hostsim::Ink;

DocumentContent Content(ColorModel model, std::vector<Ink> spots = {})
{
    DocumentContent content;
    content.colorModel = model;
    content.inks = hostsim::ProcessInks(model);
    content.inks.insert(content.inks.end(), spots.begin(), spots.end());
    return content;
}

void ExpectRgb(const QColor& colour, int r, int g, int b)
{
    EXPECT_NEAR(colour.red(), r, 1);
    EXPECT_NEAR(colour.green(), g, 1);
    EXPECT_NEAR(colour.blue(), b, 1);
}

TEST(InkColour, ConvertsLabToSrgb)
{
    struct Case
    {
        std::array<double, 3> lab;
        int r, g, b;
    };
    const Case cases[] = {
        {{100, 0, 0}, 255, 255, 255},
        {{0, 0, 0}, 0, 0, 0},
        {{50, 0, 0}, 119, 119, 119},
        {{54.29, 80.80, 69.89}, 255, 0, 0},  // sRGB red in Lab (D50)
    };
    for (const Case& c : cases) {
        const QColor colour = InkColour(Ink{"Spot", false, AppearanceSpace::Lab, c.lab});
        EXPECT_NEAR(colour.red(), c.r, 3) << c.lab[0];
        EXPECT_NEAR(colour.green(), c.g, 3) << c.lab[0];
        EXPECT_NEAR(colour.blue(), c.b, 3) << c.lab[0];
    }
}

TEST(InkColour, ClipsRgbAppearances)
{
    ExpectRgb(InkColour(Ink{"Spot", false, AppearanceSpace::RGB, {300, -5, 128}}), 255, 0, 128);
}

TEST(PaintColour, PrintingInksFilterThePaperByTheirTints)
{
    const DocumentContent cmyk = Content(ColorModel::CMYK, {Ink{"Orange", false, AppearanceSpace::RGB, {255, 128, 0}}});
    ExpectRgb(PaintColour(cmyk, {}), 255, 255, 255);
    ExpectRgb(PaintColour(cmyk, {{4, 1.0}}), 255, 128, 0);
    ExpectRgb(PaintColour(cmyk, {{4, 0.5}}), 255, 191, 128);
    // Overprinting multiplies: orange over a solid orange-filtering ink stays orange-like, darker.
    const QColor overprint = PaintColour(cmyk, {{4, 1.0}, {0, 1.0}});
    const QColor cyan = PaintColour(cmyk, {{0, 1.0}});
    EXPECT_LE(overprint.red(), cyan.red());
    EXPECT_LE(overprint.blue(), 1);
}

TEST(PaintColour, RgbChannelsAddUpWhateverTheirOrder)
{
    const DocumentContent rgb = Content(ColorModel::RGB, {Ink{"Grey", false, AppearanceSpace::RGB, {128, 128, 128}}});
    ExpectRgb(PaintColour(rgb, {{0, 1.0}, {1, 1.0}, {2, 1.0}}), 255, 255, 255);
    ExpectRgb(PaintColour(rgb, {{0, 1.0}, {1, 0.5}}), 255, 128, 0);
    // A spot ink filters the channels' light, listed before or after them.
    ExpectRgb(PaintColour(rgb, {{3, 1.0}, {0, 1.0}}), 128, 0, 0);
    ExpectRgb(PaintColour(rgb, {{0, 1.0}, {3, 1.0}}), 128, 0, 0);
    ExpectRgb(PaintColour(rgb, {{3, 1.0}}), 128, 128, 128);
}

TEST(PaintColour, IgnoresInksTheDocumentDoesNotHold)
{
    const DocumentContent cmyk = Content(ColorModel::CMYK);
    ExpectRgb(PaintColour(cmyk, {{-1, 1.0}, {4, 1.0}}), 255, 255, 255);
}

}  // namespace
