#pragma once

#include "viewer/export/ImageWriter.h"

#include <png.h>

#include <cstdio>

// 8-bit RGB PNG through libpng, row by row: sRGB and the resolution in pHYs, zlib's fastest
// level on unfiltered rows, as a proof is mostly flat colour and writing must keep pace with the
// rendering.
class PngWriter : public ImageWriter
{
public:
    // Writes into `file`, which must stay open until Finish.
    explicit PngWriter(std::FILE* file);
    ~PngWriter() override;
    PngWriter(const PngWriter&) = delete;
    PngWriter& operator=(const PngWriter&) = delete;

    bool Begin(int width, int height, int ppi) override;
    bool WriteRow(const std::uint8_t* rgb) override;
    bool Finish() override;
    int Error() const override { return m_error; }

private:
    static void WriteData(png_structp png, png_bytep data, size_t length);
    static void Flush(png_structp png);

    std::FILE* m_file;
    png_structp m_png = nullptr;
    png_infop m_info = nullptr;
    int m_error = 0;
};
