#include "viewer/export/TiffWriter.h"

#include "viewer/export/PackRgb.h"

#include <tiffio.h>

#include <cerrno>
#include <cstring>

namespace {

constexpr int kSamples = 3;
constexpr int kFastestDeflate = 1;
constexpr unsigned long long kClassicLimit = 0xffffffffull;

// libtiff's file calls, on the writer.
TiffWriter& Writer(thandle_t handle)
{
    return *static_cast<TiffWriter*>(handle);
}

tmsize_t ReadProc(thandle_t handle, void* data, tmsize_t size)
{
    return static_cast<tmsize_t>(Writer(handle).Read(data, static_cast<std::size_t>(size)));
}

tmsize_t WriteProc(thandle_t handle, void* data, tmsize_t size)
{
    return static_cast<tmsize_t>(Writer(handle).Write(data, static_cast<std::size_t>(size)));
}

toff_t SeekProc(thandle_t handle, toff_t offset, int whence)
{
    return static_cast<toff_t>(Writer(handle).Seek(static_cast<long long>(offset), whence));
}

toff_t SizeProc(thandle_t handle)
{
    return static_cast<toff_t>(Writer(handle).Size());
}

// The file belongs to the caller.
int CloseProc(thandle_t)
{
    return 0;
}

int MapProc(thandle_t, void**, toff_t*)
{
    return 0;
}

void UnmapProc(thandle_t, void*, toff_t)
{
}

// Failures come back as results; the messages are not shown.
int Quiet(TIFF*, void*, const char*, const char*, va_list)
{
    return 1;
}

TIFF* OpenTiff(TiffWriter& writer, bool big)
{
    TIFFOpenOptions* options = TIFFOpenOptionsAlloc();
    if (options == nullptr)
        return nullptr;
    TIFFOpenOptionsSetErrorHandlerExtR(options, Quiet, nullptr);
    TIFFOpenOptionsSetWarningHandlerExtR(options, Quiet, nullptr);
    TIFF* tiff = TIFFClientOpenExt("proof", big ? "w8" : "w", &writer, ReadProc, WriteProc, SeekProc, CloseProc,
                                   SizeProc, MapProc, UnmapProc, options);
    TIFFOpenOptionsFree(options);
    return tiff;
}

bool SetTags(TIFF* tiff, int width, int height, int ppi)
{
    const auto resolution = static_cast<float>(ppi);
    return TIFFSetField(tiff, TIFFTAG_IMAGEWIDTH, static_cast<uint32_t>(width)) &&
           TIFFSetField(tiff, TIFFTAG_IMAGELENGTH, static_cast<uint32_t>(height)) &&
           TIFFSetField(tiff, TIFFTAG_BITSPERSAMPLE, 8) && TIFFSetField(tiff, TIFFTAG_SAMPLESPERPIXEL, kSamples) &&
           TIFFSetField(tiff, TIFFTAG_PHOTOMETRIC, PHOTOMETRIC_RGB) &&
           TIFFSetField(tiff, TIFFTAG_PLANARCONFIG, PLANARCONFIG_CONTIG) &&
           TIFFSetField(tiff, TIFFTAG_ORIENTATION, ORIENTATION_TOPLEFT) &&
           TIFFSetField(tiff, TIFFTAG_TILEWIDTH, TiffWriter::kTileSide) &&
           TIFFSetField(tiff, TIFFTAG_TILELENGTH, TiffWriter::kTileSide) &&
           TIFFSetField(tiff, TIFFTAG_COMPRESSION, COMPRESSION_ADOBE_DEFLATE) &&
           TIFFSetField(tiff, TIFFTAG_ZIPQUALITY, kFastestDeflate) &&
           TIFFSetField(tiff, TIFFTAG_XRESOLUTION, resolution) && TIFFSetField(tiff, TIFFTAG_YRESOLUTION, resolution) &&
           TIFFSetField(tiff, TIFFTAG_RESOLUTIONUNIT, RESUNIT_INCH);
}

int WholeTiles(int pixels)
{
    return (pixels + TiffWriter::kTileSide - 1) / TiffWriter::kTileSide;
}

}  // namespace

TiffWriter::TiffWriter(std::FILE* file)
    : m_file(file)
{
}

TiffWriter::~TiffWriter()
{
    if (m_tiff != nullptr)
        TIFFClose(m_tiff);
}

bool TiffWriter::Begin(int width, int height, int ppi)
{
    m_width = width;
    m_height = height;
    const std::size_t paddedRow = static_cast<std::size_t>(WholeTiles(width)) * kTileSide * kSamples;
    m_rows.assign(paddedRow * kTileSide, 0);
    m_tile.resize(static_cast<std::size_t>(kTileSide) * kTileSide * kSamples);
    const unsigned long long samples = 1ull * width * height * kSamples;
    m_tiff = OpenTiff(*this, samples > kClassicLimit);
    return m_tiff != nullptr && SetTags(m_tiff, width, height, ppi);
}

bool TiffWriter::WriteRow(const std::uint32_t* row)
{
    const std::size_t paddedRow = m_rows.size() / kTileSide;
    PackRgb(row, m_width, m_rows.data() + static_cast<std::size_t>(m_row % kTileSide) * paddedRow);
    ++m_row;
    return (m_row % kTileSide != 0 && m_row != m_height) || WriteTileRow();
}

bool TiffWriter::Finish()
{
    return TIFFFlush(m_tiff) == 1;
}

bool TiffWriter::WriteTileRow()
{
    const std::size_t paddedRow = m_rows.size() / kTileSide;
    const int gathered = (m_row - 1) % kTileSide + 1;
    const int top = m_row - gathered;
    // Rows below the image's last pad the last row of tiles with zeros.
    std::memset(m_rows.data() + static_cast<std::size_t>(gathered) * paddedRow, 0,
                static_cast<std::size_t>(kTileSide - gathered) * paddedRow);
    const std::size_t tileRow = static_cast<std::size_t>(kTileSide) * kSamples;
    for (int column = 0; column < WholeTiles(m_width); ++column) {
        for (int y = 0; y < kTileSide; ++y)
            std::memcpy(m_tile.data() + y * tileRow, m_rows.data() + y * paddedRow + column * tileRow, tileRow);
        const uint32_t tile = TIFFComputeTile(m_tiff, static_cast<uint32_t>(column * kTileSide),
                                              static_cast<uint32_t>(top), 0, 0);
        if (TIFFWriteEncodedTile(m_tiff, tile, m_tile.data(), static_cast<tmsize_t>(m_tile.size())) < 0)
            return false;
    }
    return true;
}

std::size_t TiffWriter::Read(void* data, std::size_t size)
{
    const std::size_t read = std::fread(data, 1, size, m_file);
    if (read != size && std::ferror(m_file))
        m_error = errno;
    return read;
}

std::size_t TiffWriter::Write(const void* data, std::size_t size)
{
    const std::size_t written = std::fwrite(data, 1, size, m_file);
    if (written != size)
        m_error = errno;
    return written;
}

long long TiffWriter::Seek(long long offset, int whence)
{
    if (fseeko(m_file, static_cast<off_t>(offset), whence) != 0) {
        m_error = errno;
        return -1;
    }
    return static_cast<long long>(ftello(m_file));
}

long long TiffWriter::Size()
{
    const off_t here = ftello(m_file);
    const long long end = Seek(0, SEEK_END);
    fseeko(m_file, here, SEEK_SET);
    return end;
}
