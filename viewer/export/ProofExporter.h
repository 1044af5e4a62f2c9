#pragma once

#include "support/FileFailure.h"
#include "viewer/export/ProofRequest.h"
#include "viewer/export/TilePlan.h"

#include <array>
#include <cstdint>
#include <functional>
#include <memory>
#include <string_view>

class Folder;
class ImageWriter;
class TileSource;

// Writes a proof file: the request's area at its resolution, rendered tile by tile by the tile
// source and streamed row by row into a PNG or TIFF file, so that memory stays bounded by two
// rows of tiles whatever the resolution. The file is written under a temporary name in the target
// folder and takes its name only when complete: a cancelled or failed export leaves neither.
// Widget-free. The tiles are rendered on the caller's thread; the rows of a rendered band are
// compressed into the file on a thread of their own while the next band renders, so that the
// writing keeps pace with the engine.
class ProofExporter
{
public:
    // A tile of 64 K pixels, wide and low: a band holds few rows, so two bands of a wide image
    // stay small.
    static constexpr int kTileWidth = 512;
    static constexpr int kTileHeight = 128;

    enum class Outcome
    {
        Written,
        Cancelled,
        InvalidRequest,  // resolution outside 72..2400 ppi, an empty area or one too large
        TargetExists,    // only when replacing was not allowed
        RenderFailed,
        OutOfMemory,
        FileFailed,      // `file` says why
    };
    struct Result
    {
        Outcome outcome;
        FileFailure file = FileFailure::Other;
    };
    // Called on the caller's thread after every tile with the tiles done and their total; false
    // cancels the export. Must be callable.
    using Progress = std::function<bool(int done, int total)>;

    // The source is referenced and must outlive the exporter; the tile sizes are above 0.
    explicit ProofExporter(TileSource& source, int tileWidth = kTileWidth, int tileHeight = kTileHeight);

    // Writes `name` in `folder`. An existing file of that name is replaced only when `replace` is
    // true; it stays untouched by every outcome but Written.
    Result Export(const ProofRequest& request, const Folder& folder, std::string_view name, bool replace,
                  const Progress& progress);

private:
    // Renders and writes every band; Written when all went through.
    Result WriteBands(const TilePlan& plan, int ppi, ImageWriter& writer, const Progress& progress);
    TileSource& m_source;
    int m_tileWidth;
    int m_tileHeight;
    // One band renders while the other is written.
    std::array<std::unique_ptr<std::uint32_t[]>, 2> m_bands;
    std::unique_ptr<std::uint8_t[]> m_rgb;  // one row packed for the file
};
