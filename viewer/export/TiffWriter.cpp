#include "viewer/export/TiffWriter.h"

#include <tiffio.h>

#include <algorithm>
#include <cerrno>
#include <cstring>

namespace {

constexpr int kSamples = 3;
constexpr std::size_t kTileRowBytes = std::size_t{TiffWriter::kTileSide} * kSamples;
constexpr std::size_t kTileBytes = kTileRowBytes * TiffWriter::kTileSide;
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
    m_tiles.assign(static_cast<std::size_t>(WholeTiles(width)) * kTileBytes, 0);
    const unsigned long long samples = 1ull * width * height * kSamples;
    m_tiff = OpenTiff(*this, samples > kClassicLimit);
    return m_tiff != nullptr && SetTags(m_tiff, width, height, ppi);
}

bool TiffWriter::WriteRow(const std::uint8_t* rgb)
{
    const std::size_t y = static_cast<std::size_t>(m_row % kTileSide);
    for (int column = 0; column < WholeTiles(m_width); ++column) {
        const int left = column * kTileSide;
        const std::size_t bytes = static_cast<std::size_t>(std::min(kTileSide, m_width - left)) * kSamples;
        std::memcpy(Tile(column) + y * kTileRowBytes, rgb + static_cast<std::size_t>(left) * kSamples, bytes);
    }
    ++m_row;
    return (m_row % kTileSide != 0 && m_row != m_height) || WriteTileRow();
}

bool TiffWriter::Finish()
{
    return TIFFFlush(m_tiff) == 1;
}

bool TiffWriter::WriteTileRow()
{
    const int gathered = (m_row - 1) % kTileSide + 1;
    const int top = m_row - gathered;
    for (int column = 0; column < WholeTiles(m_width); ++column) {
        // Rows below the image's last pad the last row of tiles with zeros.
        std::memset(Tile(column) + static_cast<std::size_t>(gathered) * kTileRowBytes, 0,
                    static_cast<std::size_t>(kTileSide - gathered) * kTileRowBytes);
        const uint32_t tile = TIFFComputeTile(m_tiff, static_cast<uint32_t>(column * kTileSide),
                                              static_cast<uint32_t>(top), 0, 0);
        if (TIFFWriteEncodedTile(m_tiff, tile, Tile(column), static_cast<tmsize_t>(kTileBytes)) < 0)
            return false;
    }
    return true;
}

std::uint8_t* TiffWriter::Tile(int column)
{
    return m_tiles.data() + static_cast<std::size_t>(column) * kTileBytes;
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
