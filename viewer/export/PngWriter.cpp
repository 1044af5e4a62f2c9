#include "viewer/export/PngWriter.h"

#include <zlib.h>

#include <cerrno>
#include <cmath>

// libpng reports failures by calling the error function, which must not return; the functions
// here set the jump target first and create no object with a destructor after it.

namespace {

constexpr double kMetresPerInch = 0.0254;

[[noreturn]] void OnError(png_structp png, png_const_charp)
{
    png_longjmp(png, 1);
}

void OnWarning(png_structp, png_const_charp)
{
}

}  // namespace

PngWriter::PngWriter(std::FILE* file)
    : m_file(file),
      m_png(png_create_write_struct(PNG_LIBPNG_VER_STRING, nullptr, OnError, OnWarning)),
      m_info(m_png != nullptr ? png_create_info_struct(m_png) : nullptr)
{
}

PngWriter::~PngWriter()
{
    png_destroy_write_struct(&m_png, &m_info);
}

bool PngWriter::Begin(int width, int height, int ppi)
{
    if (m_info == nullptr)
        return false;
    if (setjmp(png_jmpbuf(m_png)))
        return false;
    png_set_write_fn(m_png, this, WriteData, Flush);
    png_set_IHDR(m_png, m_info, static_cast<png_uint_32>(width), static_cast<png_uint_32>(height), 8,
                 PNG_COLOR_TYPE_RGB, PNG_INTERLACE_NONE, PNG_COMPRESSION_TYPE_DEFAULT, PNG_FILTER_TYPE_DEFAULT);
    png_set_sRGB(m_png, m_info, PNG_sRGB_INTENT_PERCEPTUAL);
    const auto perMetre = static_cast<png_uint_32>(std::lround(ppi / kMetresPerInch));
    png_set_pHYs(m_png, m_info, perMetre, perMetre, PNG_RESOLUTION_METER);
    png_set_filter(m_png, PNG_FILTER_TYPE_BASE, PNG_FILTER_NONE);
    png_set_compression_level(m_png, Z_BEST_SPEED);
    png_write_info(m_png, m_info);
    return true;
}

bool PngWriter::WriteRow(const std::uint8_t* rgb)
{
    if (setjmp(png_jmpbuf(m_png)))
        return false;
    png_write_row(m_png, rgb);
    return true;
}

bool PngWriter::Finish()
{
    if (setjmp(png_jmpbuf(m_png)))
        return false;
    png_write_end(m_png, nullptr);
    return true;
}

void PngWriter::WriteData(png_structp png, png_bytep data, size_t length)
{
    auto* self = static_cast<PngWriter*>(png_get_io_ptr(png));
    if (std::fwrite(data, 1, length, self->m_file) != length) {
        self->m_error = errno;
        png_error(png, "write");
    }
}

void PngWriter::Flush(png_structp)
{
}
