#include "viewer/export/ProofExporter.h"

#include "support/Folder.h"
#include "support/TemporaryFile.h"
#include "viewer/export/PackRgb.h"
#include "viewer/export/PngWriter.h"
#include "viewer/export/TiffWriter.h"
#include "viewer/export/TilePlan.h"
#include "viewer/export/TileSource.h"

#include <algorithm>
#include <cerrno>
#include <functional>
#include <future>
#include <new>
#include <system_error>

namespace {

using Outcome = ProofExporter::Outcome;
using Result = ProofExporter::Result;

bool IsValid(const ProofRequest& request)
{
    return request.ppi >= ProofRequest::kMinimumPpi && request.ppi <= ProofRequest::kMaximumPpi &&
           TilePlan::Fits(request.area, request.ppi);
}

std::unique_ptr<ImageWriter> WriterFor(ProofFormat format, std::FILE* file)
{
    if (format == ProofFormat::Tiff)
        return std::make_unique<TiffWriter>(file);
    return std::make_unique<PngWriter>(file);
}

Result FileFailedWith(int error)
{
    return {Outcome::FileFailed, FileFailureOf(error)};
}

// Where a tile's pixels start in its band: the band's tiles lie one after the other, each
// rendered whole, so that the engine writes straight into the band.
std::size_t OffsetInBand(const TilePlan::Tile& tile)
{
    return static_cast<std::size_t>(tile.left) * tile.height;
}

// Packs each row of the band from its tiles into `rgb` and writes it. Runs beside the rendering:
// the writer, the band and `rgb` are touched by one thread at a time, handed over through the
// future.
bool WriteBand(ImageWriter& writer, const TilePlan& plan, int band, const std::uint32_t* pixels, std::uint8_t* rgb)
{
    for (int y = 0; y < plan.BandHeight(band); ++y) {
        for (int column = 0; column < plan.Columns(); ++column) {
            const TilePlan::Tile tile = plan.At(band, column);
            PackRgb(pixels + OffsetInBand(tile) + static_cast<std::size_t>(y) * tile.width, tile.width,
                    rgb + static_cast<std::size_t>(tile.left) * 3);
        }
        if (!writer.WriteRow(rgb))
            return false;
    }
    return true;
}

// WriteBand on a thread of its own; on this one, when the get() comes, if no thread can be had.
std::future<bool> WriteBeside(ImageWriter& writer, const TilePlan& plan, int band, const std::uint32_t* pixels,
                              std::uint8_t* rgb)
{
    try {
        return std::async(std::launch::async, WriteBand, std::ref(writer), std::cref(plan), band, pixels, rgb);
    } catch (const std::system_error&) {
        return std::async(std::launch::deferred, WriteBand, std::ref(writer), std::cref(plan), band, pixels, rgb);
    }
}

}  // namespace

ProofExporter::ProofExporter(TileSource& source, int tileWidth, int tileHeight)
    : m_source(source), m_tileWidth(tileWidth), m_tileHeight(tileHeight)
{
}

ProofExporter::Result ProofExporter::Export(const ProofRequest& request, const Folder& folder, std::string_view name,
                                            bool replace, const Progress& progress)
{
    if (!IsValid(request))
        return {Outcome::InvalidRequest};
    const TilePlan plan(request.area, request.ppi, m_tileWidth, m_tileHeight);
    // Not cleared: every pixel is rendered before it is read.
    const std::size_t bandPixels = static_cast<std::size_t>(plan.Width()) * plan.BandHeight(0);
    for (auto& band : m_bands)
        band.reset(new (std::nothrow) std::uint32_t[bandPixels]);
    m_rgb.reset(new (std::nothrow) std::uint8_t[static_cast<std::size_t>(plan.Width()) * 3]);
    if (!m_bands[0] || !m_bands[1] || !m_rgb)
        return {Outcome::OutOfMemory};
    TemporaryFile file(folder, platform::FileMode::Binary);
    if (file.Stream() == nullptr)
        return FileFailedWith(errno);
    const std::unique_ptr<ImageWriter> writer = WriterFor(request.format, file.Stream());
    const Result written = WriteBands(plan, request.ppi, *writer, progress);
    if (written.outcome != Outcome::Written)
        return written;
    switch (file.Commit(name, replace)) {
    case platform::MoveResult::Moved:
        return {Outcome::Written};
    case platform::MoveResult::TargetExists:
        return {Outcome::TargetExists};
    case platform::MoveResult::Failed:
        break;
    }
    return FileFailedWith(errno);
}

ProofExporter::Result ProofExporter::WriteBands(const TilePlan& plan, int ppi, ImageWriter& writer,
                                                const Progress& progress)
{
    if (!writer.Begin(plan.Width(), plan.Height(), ppi))
        return FileFailedWith(writer.Error());
    // The band before, on its way into the file while the next one renders. Declared after
    // everything it uses, so that an early return waits for it.
    std::future<bool> writing;
    int done = 0;
    for (int band = 0; band < plan.Bands(); ++band) {
        std::uint32_t* const pixels = m_bands[band % 2].get();
        for (int column = 0; column < plan.Columns(); ++column) {
            const TilePlan::Tile tile = plan.At(band, column);
            if (!m_source.Render(tile.area.data(), tile.width, tile.height, pixels + OffsetInBand(tile)))
                return {Outcome::RenderFailed};
            if (!progress(++done, plan.TileCount()))
                return {Outcome::Cancelled};
        }
        if (writing.valid() && !writing.get())
            return FileFailedWith(writer.Error());
        writing = WriteBeside(writer, plan, band, pixels, m_rgb.get());
    }
    if (!writing.get() || !writer.Finish())
        return FileFailedWith(writer.Error());
    return {Outcome::Written};
}
