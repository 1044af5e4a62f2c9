// samples/large-document.py: the documents it writes open in the host, hold every artwork kind and
// the spot inks, and come out the same for the same seed.

#include "sim/host/DocumentReader.h"

#include "tests/support/TemporaryFolder.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <map>
#include <string>

namespace {

class LargeDocumentTest : public testing::Test
{
protected:
    // Runs the generator; returns the file it wrote, empty when it failed.
    std::string Generate(int objects, int seed, const std::string& name) const
    {
        const std::string file = m_folder.File(name);
        const std::string command = std::string(PYTHON3 " " LARGE_DOCUMENT " --objects ") + std::to_string(objects) +
                                    " --seed " + std::to_string(seed) + " --output '" + file + "'";
        return std::system(command.c_str()) == 0 ? file : std::string();
    }

    TemporaryFolder m_folder;
};

TEST_F(LargeDocumentTest, WritesEveryKindAndTheSpotInksOnAnA4Page)
{
    std::string error;
    const auto content = hostsim::ReadDocument(Generate(600, 7, "large.json"), error);
    ASSERT_TRUE(content) << error;

    EXPECT_EQ(content->colorModel, hostsim::ColorModel::CMYK);
    EXPECT_NEAR(content->page.width, 595.276, 1e-9);
    EXPECT_NEAR(content->page.height, 841.89, 1e-9);
    ASSERT_EQ(content->artwork.size(), 600u);
    const std::size_t spotInks = content->inks.size() - hostsim::ProcessInks(hostsim::ColorModel::CMYK).size();
    EXPECT_EQ(spotInks, 3u);

    std::map<hostsim::ArtworkKind, int> kinds;
    int stroked = 0;
    int openPaths = 0;
    std::map<int, int> inkUses;
    for (const hostsim::ArtworkItem& item : content->artwork) {
        ++kinds[item.kind];
        stroked += item.strokeWidth > 0;
        openPaths += !item.closed;
        for (const auto& paint : {item.fill, item.stroke})
            for (const HostSimInkTint& tint : paint)
                ++inkUses[tint.ink];
    }
    // Rectangles (plain and stroked), ellipses, triangles, polylines and text take turns.
    EXPECT_EQ(kinds[hostsim::ArtworkKind::Rectangle], 200);
    EXPECT_EQ(kinds[hostsim::ArtworkKind::Ellipse], 100);
    EXPECT_EQ(kinds[hostsim::ArtworkKind::Path], 200);
    EXPECT_EQ(kinds[hostsim::ArtworkKind::Text], 100);
    EXPECT_EQ(stroked, 300);
    EXPECT_EQ(openPaths, 100);
    for (int ink = 0; ink < static_cast<int>(content->inks.size()); ++ink)
        EXPECT_GT(inkUses[ink], 0) << content->inks[ink].name;
}

TEST_F(LargeDocumentTest, TheSeedAloneDecidesTheFile)
{
    const std::string first = Generate(50, 3, "first.json");
    const std::string again = Generate(50, 3, "again.json");
    const std::string other = Generate(50, 4, "other.json");
    ASSERT_FALSE(first.empty() || again.empty() || other.empty());
    EXPECT_EQ(m_folder.Read("first.json"), m_folder.Read("again.json"));
    EXPECT_NE(m_folder.Read("first.json"), m_folder.Read("other.json"));

    std::string error;
    const auto empty = hostsim::ReadDocument(Generate(0, 1, "empty.json"), error);
    ASSERT_TRUE(empty) << error;
    EXPECT_TRUE(empty->artwork.empty());
}

}  // namespace
