#pragma once

#include "viewer/export/ImageWriter.h"

#include <cstdio>
#include <vector>

struct tiff;

// 8-bit RGB TIFF through libtiff: tiles of kTileSide pixels, Deflate at its fastest, the
// resolution in pixels per inch. Rows are gathered until a row of tiles is complete, so memory
// is kTileSide rows of the image. BigTIFF only when the uncompressed samples would not fit a
// classic file's 4 GB.
class TiffWriter : public ImageWriter
{
public:
    static constexpr int kTileSide = 256;

    // Writes into `file`, which must stay open, readable and seekable until Finish.
    explicit TiffWriter(std::FILE* file);
    ~TiffWriter() override;
    TiffWriter(const TiffWriter&) = delete;
    TiffWriter& operator=(const TiffWriter&) = delete;

    bool Begin(int width, int height, int ppi) override;
    bool WriteRow(const std::uint8_t* rgb) override;
    bool Finish() override;
    int Error() const override { return m_error; }

    // The file calls libtiff makes; each notes the errno of a failed one.
    std::size_t Read(void* data, std::size_t size);
    std::size_t Write(const void* data, std::size_t size);
    long long Seek(long long offset, int whence);
    long long Size();

private:
    // Writes the gathered rows as one row of tiles.
    bool WriteTileRow();
    std::uint8_t* Tile(int column);

    std::FILE* m_file;
    tiff* m_tiff = nullptr;
    int m_width = 0;
    int m_height = 0;
    int m_row = 0;  // rows written
    // One row of tiles, packed tile by tile as libtiff takes them; zeros past the image's edges.
    std::vector<std::uint8_t> m_tiles;
    int m_error = 0;
};
