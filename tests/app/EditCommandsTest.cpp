#include "sim/app/EditCommands.h"

#include <gtest/gtest.h>

namespace {

using namespace hostapp;
using hostsim::ColorModel;

hostsim::DocumentContent Label()
{
    hostsim::DocumentContent content;
    content.inks = hostsim::ProcessInks(ColorModel::CMYK);
    content.inks.push_back(hostsim::Ink{"PANTONE 186 C", false, hostsim::AppearanceSpace::Lab, {43, 68, 38}});
    hostsim::ArtworkItem item;
    item.bounds = AIRealRect{0, 10, 10, 0};
    item.fill = {{1, 0.5}};
    content.artwork = {item, item};
    return content;
}

TEST(EditCommands, MoveTargetsTheFrontItem)
{
    const hostsim::MoveArtwork move = MoveFrontItem(Label(), 10, -2);
    EXPECT_EQ(move.index, 1);
    EXPECT_EQ(move.dx, 10);
    EXPECT_EQ(move.dy, -2);
    EXPECT_EQ(MoveFrontItem(hostsim::DocumentContent{}, 1, 1).index, -1);
}

TEST(EditCommands, RecolourStepsThroughTheInksAndWraps)
{
    hostsim::DocumentContent content = Label();
    hostsim::RecolourArtwork recolour = RecolourFrontItem(content);
    EXPECT_EQ(recolour.index, 1);
    ASSERT_EQ(recolour.fill.size(), 1u);
    EXPECT_EQ(recolour.fill[0].ink, 2);
    EXPECT_EQ(recolour.fill[0].tint, 1.0);

    content.artwork.back().fill = {{4, 1.0}};
    EXPECT_EQ(RecolourFrontItem(content).fill[0].ink, 0);
    content.artwork.back().fill.clear();
    EXPECT_EQ(RecolourFrontItem(content).fill[0].ink, 0);
}

TEST(EditCommands, AddedShapeUsesTheFirstSpotInkAroundTheCentre)
{
    const hostsim::AddArtwork add = AddShape(Label(), AIRealPoint{100, 50}, 20);
    EXPECT_EQ(add.item.kind, hostsim::ArtworkKind::Ellipse);
    EXPECT_EQ(add.item.bounds.left, 90);
    EXPECT_EQ(add.item.bounds.top, 60);
    EXPECT_EQ(add.item.bounds.right, 110);
    EXPECT_EQ(add.item.bounds.bottom, 40);
    ASSERT_EQ(add.item.fill.size(), 1u);
    EXPECT_EQ(add.item.fill[0].ink, 4);

    hostsim::DocumentContent processOnly = Label();
    processOnly.inks.pop_back();
    EXPECT_EQ(AddShape(processOnly, AIRealPoint{0, 0}, 20).item.fill[0].ink, 0);
    EXPECT_EQ(hostsim::ArtworkProblem(add.item, 5), "");
}

}  // namespace
