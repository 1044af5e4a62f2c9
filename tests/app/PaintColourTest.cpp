#include "sim/app/PaintColour.h"

#include <gtest/gtest.h>

namespace {

using hostapp::PaintColour;
using hostsim::AppearanceSpace;
using hostsim::ColorModel;
using hostsim::Ink;

hostsim::DocumentContent Content(ColorModel model, const Ink& spot)
{
    hostsim::DocumentContent content;
    content.colorModel = model;
    content.inks = hostsim::ProcessInks(model);
    content.inks.push_back(spot);
    return content;
}

void ExpectRgb(const QColor& colour, int r, int g, int b)
{
    EXPECT_NEAR(colour.red(), r, 1);
    EXPECT_NEAR(colour.green(), g, 1);
    EXPECT_NEAR(colour.blue(), b, 1);
}

TEST(PaintColour, PrintingInksFilterThePaperByTheirTints)
{
    const auto cmyk = Content(ColorModel::CMYK, Ink{"Orange", false, AppearanceSpace::RGB, {255, 128, 0}});
    ExpectRgb(PaintColour(cmyk, {}), 255, 255, 255);
    ExpectRgb(PaintColour(cmyk, {{4, 1.0}}), 255, 128, 0);
    ExpectRgb(PaintColour(cmyk, {{4, 0.5}}), 255, 191, 128);
    ExpectRgb(PaintColour(cmyk, {{-1, 1.0}, {5, 1.0}}), 255, 255, 255);  // inks the document does not hold
    ExpectRgb(hostapp::InkColour(Ink{"Spot", false, AppearanceSpace::RGB, {300, -5, 128}}), 255, 0, 128);
    ExpectRgb(hostapp::InkColour(Ink{"Red", false, AppearanceSpace::Lab, {54.29, 80.80, 69.89}}), 255, 0, 0);
}

TEST(PaintColour, RgbChannelsAddUpAndASpotInkFiltersThemInAnyOrder)
{
    const auto rgb = Content(ColorModel::RGB, Ink{"Grey", false, AppearanceSpace::RGB, {128, 128, 128}});
    ExpectRgb(PaintColour(rgb, {{0, 1.0}, {1, 1.0}, {2, 1.0}}), 255, 255, 255);
    ExpectRgb(PaintColour(rgb, {{0, 1.0}, {1, 0.5}}), 255, 128, 0);
    ExpectRgb(PaintColour(rgb, {{3, 1.0}, {0, 1.0}}), 128, 0, 0);
    ExpectRgb(PaintColour(rgb, {{0, 1.0}, {3, 1.0}}), 128, 0, 0);
}

}  // namespace
