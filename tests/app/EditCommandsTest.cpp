#include "sim/app/EditCommands.h"

#include <gtest/gtest.h>

namespace {

using namespace hostapp;

TEST(EditCommands, WorkOnTheFrontItemWithTheDocumentsInks)
{
    hostsim::DocumentContent content;
    content.inks = hostsim::ProcessInks(hostsim::ColorModel::CMYK);
    hostsim::ArtworkItem item;
    item.bounds = AIRealRect{0, 10, 10, 0};
    item.fill = {{1, 0.5}};
    content.artwork = {item, item};
    EXPECT_EQ(MoveFrontItem(content, 10, -2).index, 1);
    EXPECT_EQ(MoveFrontItem(hostsim::DocumentContent{}, 1, 1).index, -1);

    // Recolouring steps to the next ink, solid, and wraps after the last.
    const hostsim::RecolourArtwork recolour = RecolourFrontItem(content);
    EXPECT_EQ(recolour.index, 1);
    ASSERT_EQ(recolour.fill.size(), 1u);
    EXPECT_EQ(recolour.fill[0].ink, 2);
    EXPECT_EQ(recolour.fill[0].tint, 1.0);
    content.artwork.back().fill = {{3, 1.0}};
    EXPECT_EQ(RecolourFrontItem(content).fill[0].ink, 0);

    // A new shape takes the first spot ink, else the first process ink.
    EXPECT_EQ(AddShape(content, AIRealPoint{0, 0}, 20).item.fill[0].ink, 0);
    content.inks.push_back(hostsim::Ink{"PANTONE 186 C", false, hostsim::AppearanceSpace::Lab, {43, 68, 38}});
    const hostsim::AddArtwork add = AddShape(content, AIRealPoint{100, 50}, 20);
    EXPECT_EQ(add.item.kind, hostsim::ArtworkKind::Ellipse);
    EXPECT_EQ(add.item.bounds.left, 90);
    EXPECT_EQ(add.item.bounds.top, 60);
    EXPECT_EQ(add.item.bounds.right, 110);
    EXPECT_EQ(add.item.bounds.bottom, 40);
    EXPECT_EQ(add.item.fill[0].ink, 4);
    EXPECT_EQ(hostsim::ArtworkProblem(add.item, 5), "");
}

}  // namespace
