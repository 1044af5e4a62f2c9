#include "viewer/export/ProofExporter.h"

#include "support/Folder.h"
#include "support/TemporaryFile.h"
#include "viewer/export/PngWriter.h"
#include "viewer/export/TiffWriter.h"
#include "viewer/export/TilePlan.h"
#include "viewer/export/TileSource.h"

#include <algorithm>
#include <cerrno>
#include <new>

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
    try {
        m_band.resize(static_cast<std::size_t>(plan.Width()) * plan.BandHeight(0));
        m_tile.resize(static_cast<std::size_t>(m_tileWidth) * m_tileHeight);
    } catch (const std::bad_alloc&) {
        return {Outcome::OutOfMemory};
    }
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
    int done = 0;
    for (int band = 0; band < plan.Bands(); ++band) {
        for (int column = 0; column < plan.Columns(); ++column) {
            if (!RenderTile(plan.At(band, column), plan.Width()))
                return {Outcome::RenderFailed};
            if (!progress(++done, plan.TileCount()))
                return {Outcome::Cancelled};
        }
        for (int row = 0; row < plan.BandHeight(band); ++row)
            if (!writer.WriteRow(m_band.data() + static_cast<std::size_t>(row) * plan.Width()))
                return FileFailedWith(writer.Error());
    }
    if (!writer.Finish())
        return FileFailedWith(writer.Error());
    return {Outcome::Written};
}

bool ProofExporter::RenderTile(const TilePlan::Tile& tile, int bandWidth)
{
    if (!m_source.Render(tile.area.data(), tile.width, tile.height, m_tile.data()))
        return false;
    for (int row = 0; row < tile.height; ++row) {
        const std::uint32_t* from = m_tile.data() + static_cast<std::size_t>(row) * tile.width;
        std::copy(from, from + tile.width, m_band.data() + static_cast<std::size_t>(row) * bandWidth + tile.left);
    }
    return true;
}
