// The exporter with the engine plug-in in a simulated host, and with sources of its own that
// fail, count or fill the disk.

#include "viewer/export/ProofExporter.h"

#include "ProofFile.h"
#include "plugin/suites/HLKilnSuite.h"
#include "support/Folder.h"
#include "tests/support/EngineJob.h"
#include "tests/support/ScratchFileSystem.h"
#include "tests/support/TemporaryFolder.h"
#include "viewer/export/KilnTileSource.h"
#include "viewer/export/TilePlan.h"
#include "viewer/export/TileSource.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <ostream>
#include <string>
#include <tiffio.h>
#include <vector>

namespace {

using Outcome = ProofExporter::Outcome;
using Names = std::vector<std::string>;

const ProofExporter::Progress kGoOn = [](int, int) { return true; };

Folder FolderOf(const std::string& path)
{
    Folder folder;
    EXPECT_TRUE(Folder::Resolve(path, folder));
    return folder;
}

ProofFile ReadProof(const std::string& path, ProofFormat format)
{
    return format == ProofFormat::Png ? ReadPng(path) : ReadTiff(path);
}

// Pixels of its own: noise that no compression shrinks, counting its calls; from the call
// numbered `failAt` (1 the first) on it fails.
class NoiseSource : public TileSource
{
public:
    bool Render(const double*, int width, int height, std::uint32_t* pixels) override
    {
        if (++calls >= failAt)
            return false;
        for (int i = 0; i < width * height; ++i) {
            m_state ^= m_state << 13;
            m_state ^= m_state >> 17;
            m_state ^= m_state << 5;
            pixels[i] = 0xff000000u | (m_state & 0xffffffu);
        }
        return true;
    }

    int calls = 0;
    int failAt = std::numeric_limits<int>::max();

private:
    std::uint32_t m_state = 2463534242u;
};

// A request for width × height pixels at 72 ppi.
ProofRequest PixelsAt72(int width, int height, ProofFormat format)
{
    const double mmPerPixel = 25.4 / 72.0;
    return {{0.0, height * mmPerPixel, 0.0, width * mmPerPixel}, 72, format};
}

struct Sample
{
    const char* name;
    ProofFormat format;
    int ppi;
    int tileWidth;
    int tileHeight;
    JobRect area;  // empty: the whole page
};

std::ostream& operator<<(std::ostream& out, const Sample& sample)
{
    return out << sample.name;
}

// The label, its job generated and the engine set up as the viewer sets it.
class ProofExporterEngineTest : public testing::TestWithParam<Sample>
{
protected:
    ProofExporterEngineTest()
    {
        EXPECT_NE(m_document, nullptr) << m_error;
        m_kiln = AcquireHostSuite<HLKilnSuite>(m_host);
        SetUpRenderingAsViewer(*m_kiln);
        m_kiln->GetJobSize(&m_page.y1, &m_page.x1);
    }

    // One RenderPreview of the whole image.
    std::vector<std::uint32_t> RenderWhole(const TilePlan& plan) const
    {
        std::vector<std::uint32_t> pixels(static_cast<std::size_t>(plan.Width()) * plan.Height());
        EXPECT_EQ(m_kiln->RenderPreview(0, plan.Height(), 0, plan.Width(), plan.WholeArea().data(), pixels.data()),
                  kNoErr);
        return pixels;
    }

    hostsim::Host m_host;
    std::string m_error;
    AIDocumentHandle m_document = StartWithJob(m_host, KILN_PLUGIN, SAMPLES_DIR "/label.json", m_error);
    const HLKilnSuite* m_kiln = nullptr;
    JobRect m_page{0.0, 0.0, 0.0, 0.0};
    TemporaryFolder m_folder;
};

TEST_P(ProofExporterEngineTest, FileHoldsExactlyOneRenderingOfTheWholeArea)
{
    const Sample& sample = GetParam();
    const JobRect area = sample.area.x1 > sample.area.x0 ? sample.area : m_page;
    const ProofRequest request{area, sample.ppi, sample.format};
    KilnTileSource source(*m_kiln);
    int lastDone = 0;
    int total = 0;
    const auto progress = [&](int done, int of) {
        EXPECT_EQ(done, lastDone + 1);
        lastDone = done;
        total = of;
        return true;
    };
    const auto result = ProofExporter(source, sample.tileWidth, sample.tileHeight)
                            .Export(request, FolderOf(m_folder.Utf8()), "proof", false, progress);
    ASSERT_EQ(result.outcome, Outcome::Written);
    EXPECT_EQ(m_folder.Entries(), Names{"proof"});

    const TilePlan plan(area, sample.ppi, sample.tileWidth, sample.tileHeight);
    EXPECT_EQ(total, plan.TileCount());
    EXPECT_EQ(lastDone, total);
    const ProofFile file = ReadProof(m_folder.File("proof"), sample.format);
    ASSERT_TRUE(file.read);
    ASSERT_EQ(file.width, plan.Width());
    ASSERT_EQ(file.height, plan.Height());
    // PNG stores whole pixels per metre: within half of one, 0.0127 ppi.
    EXPECT_NEAR(file.ppi, sample.ppi, 0.013);
    if (sample.format == ProofFormat::Png) {
        EXPECT_TRUE(file.srgb);
    } else {
        EXPECT_EQ(file.compression, COMPRESSION_ADOBE_DEFLATE);
        EXPECT_EQ(file.tileWidth, 256u);
    }
    const std::vector<std::uint32_t> whole = RenderWhole(plan);
    int differing = 0;
    int first = -1;
    for (std::size_t i = 0; i < whole.size(); ++i)
        if (whole[i] != file.pixels[i] && differing++ == 0)
            first = static_cast<int>(i);
    EXPECT_EQ(differing, 0) << "first at x " << first % plan.Width() << ", y " << first / plan.Width();
}

INSTANTIATE_TEST_SUITE_P(
    TileEdgesDoNotShow, ProofExporterEngineTest,
    testing::Values(Sample{"PngPageAt72InOddTiles", ProofFormat::Png, 72, 97, 61, {}},
                    Sample{"TiffPageAt150InOddTiles", ProofFormat::Tiff, 150, 127, 37, {}},
                    Sample{"PngViewAt150InNarrowTiles", ProofFormat::Png, 150, 53, 301, {12.3, 47.9, 20.1, 81.7}},
                    Sample{"TiffViewAt72InOneTile", ProofFormat::Tiff, 72, 1000, 1000, {12.3, 47.9, 20.1, 81.7}}),
    [](const testing::TestParamInfo<Sample>& info) { return std::string(info.param.name); });

class ProofExporterTest : public testing::Test
{
protected:
    ProofExporter::Result Export(const ProofRequest& request, bool replace = false,
                                 const ProofExporter::Progress& progress = kGoOn)
    {
        return ProofExporter(m_source, 17, 13).Export(request, FolderOf(m_folder.Utf8()), "proof.png", replace,
                                                      progress);
    }

    NoiseSource m_source;
    TemporaryFolder m_folder;
};

// The cancel comes in the second band, while the first is being written.
TEST_F(ProofExporterTest, CancelStopsAfterTheTileInHandAndLeavesNothing)
{
    int asked = 0;
    const auto cancelAtEighth = [&](int done, int) {
        asked = done;
        return done < 8;
    };
    EXPECT_EQ(Export(PixelsAt72(100, 100, ProofFormat::Png), false, cancelAtEighth).outcome, Outcome::Cancelled);
    EXPECT_EQ(asked, 8);
    EXPECT_EQ(m_source.calls, 8);
    EXPECT_EQ(m_folder.Entries(), Names{});
}

TEST_F(ProofExporterTest, FailedRenderingLeavesTheOldFileAndNoTemporaryFile)
{
    for (const ProofFormat format : {ProofFormat::Png, ProofFormat::Tiff}) {
        m_folder.Write("proof.png", "old");
        m_source = NoiseSource();
        m_source.failAt = 40;  // in the fourth band
        EXPECT_EQ(Export(PixelsAt72(100, 100, format), true).outcome, Outcome::RenderFailed);
        EXPECT_EQ(m_folder.Entries(), Names{"proof.png"});
        EXPECT_EQ(m_folder.Read("proof.png"), "old");
    }
}

TEST_F(ProofExporterTest, ExistingFileIsReplacedOnlyWhenAllowed)
{
    m_folder.Write("proof.png", "old");
    EXPECT_EQ(Export(PixelsAt72(30, 20, ProofFormat::Png)).outcome, Outcome::TargetExists);
    EXPECT_EQ(m_folder.Entries(), Names{"proof.png"});
    EXPECT_EQ(m_folder.Read("proof.png"), "old");
    EXPECT_EQ(Export(PixelsAt72(30, 20, ProofFormat::Png), true).outcome, Outcome::Written);
    EXPECT_EQ(m_folder.Entries(), Names{"proof.png"});
    const ProofFile file = ReadPng(m_folder.File("proof.png"));
    EXPECT_TRUE(file.read);
    EXPECT_EQ(file.width, 30);
    EXPECT_EQ(file.height, 20);
}

TEST_F(ProofExporterTest, InvalidRequestsAreRefusedBeforeAnythingIsRendered)
{
    const double nan = std::numeric_limits<double>::quiet_NaN();
    const struct
    {
        const char* what;
        ProofRequest request;
    } cases[] = {
        {"below 72 ppi", {{0, 10, 0, 10}, 71}},
        {"above 2400 ppi", {{0, 10, 0, 10}, 2401}},
        {"no width", {{0, 10, 5, 5}, 300}},
        {"inverted height", {{10, 0, 0, 10}, 300}},
        {"not a number", {{0, nan, 0, 10}, 300}},
        {"wider than a million pixels", {{0, 10, 0, 10600}, 2400}},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(Export(c.request).outcome, Outcome::InvalidRequest) << c.what;
        EXPECT_EQ(m_source.calls, 0) << c.what;
        EXPECT_EQ(m_folder.Entries(), Names{}) << c.what;
    }
    // The limits themselves are fine.
    EXPECT_EQ(Export({{0, 1, 0, 1}, 72}).outcome, Outcome::Written);
    EXPECT_EQ(Export({{0, 1, 0, 1}, 2400}, true).outcome, Outcome::Written);
}

TEST_F(ProofExporterTest, MissingFolderSaysSo)
{
    const auto result = ProofExporter(m_source).Export(PixelsAt72(10, 10, ProofFormat::Png),
                                                       FolderOf(m_folder.File("gone")), "proof.png", false, kGoOn);
    EXPECT_EQ(result.outcome, Outcome::FileFailed);
    EXPECT_EQ(result.file, FileFailure::Missing);
}

#ifndef _WIN32
TEST_F(ProofExporterTest, FullOrReadOnlyDiskLeavesNothingAndSaysWhy)
{
    const std::string mounted = m_folder.File("disk");
    std::filesystem::create_directory(mounted);
    ScratchFileSystem disk(mounted, 64 * 1024);
    HL_SKIP_UNLESS_MOUNTED(disk);
    const Folder folder = FolderOf(mounted);
    for (const ProofFormat format : {ProofFormat::Png, ProofFormat::Tiff}) {
        // 120 kB of noise cannot be packed into 64 kB.
        const auto full = ProofExporter(m_source).Export(PixelsAt72(200, 200, format), folder, "proof", false, kGoOn);
        EXPECT_EQ(full.outcome, Outcome::FileFailed);
        EXPECT_EQ(full.file, FileFailure::Full);
        EXPECT_TRUE(std::filesystem::is_empty(mounted));
    }
    ASSERT_TRUE(disk.SetReadOnly(true));
    const auto readOnly = ProofExporter(m_source).Export(PixelsAt72(20, 20, ProofFormat::Png), folder, "proof", false, kGoOn);
    EXPECT_EQ(readOnly.outcome, Outcome::FileFailed);
    EXPECT_EQ(readOnly.file, FileFailure::ReadOnly);
    ASSERT_TRUE(disk.SetReadOnly(false));
    EXPECT_EQ(ProofExporter(m_source).Export(PixelsAt72(20, 20, ProofFormat::Tiff), folder, "proof", false, kGoOn).outcome,
              Outcome::Written);
}
#endif

}  // namespace
