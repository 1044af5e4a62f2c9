#pragma once

// Reads a proof file back for the tests: its pixels as 0xffRRGGBB and what it says of itself.

#include <png.h>
#include <tiffio.h>

#include <cstdint>
#include <string>
#include <vector>

struct ProofFile
{
    int width = 0;
    int height = 0;
    std::vector<std::uint32_t> pixels;
    double ppi = 0.0;
    bool srgb = false;           // PNG: an sRGB chunk
    std::uint16_t compression = 0;  // TIFF
    std::uint32_t tileWidth = 0;    // TIFF; 0 when stripped
    bool read = false;
};

inline std::uint32_t Pixel(const std::uint8_t* rgb)
{
    return 0xff000000u | std::uint32_t{rgb[0]} << 16 | std::uint32_t{rgb[1]} << 8 | rgb[2];
}

inline ProofFile ReadPng(const std::string& path)
{
    ProofFile file;
    std::FILE* stream = std::fopen(path.c_str(), "rb");
    if (stream == nullptr)
        return file;
    png_structp png = png_create_read_struct(PNG_LIBPNG_VER_STRING, nullptr, nullptr, nullptr);
    png_infop info = png_create_info_struct(png);
    if (setjmp(png_jmpbuf(png)) == 0) {
        png_init_io(png, stream);
        png_read_png(png, info, PNG_TRANSFORM_IDENTITY, nullptr);
        file.width = static_cast<int>(png_get_image_width(png, info));
        file.height = static_cast<int>(png_get_image_height(png, info));
        png_bytepp rows = png_get_rows(png, info);
        if (png_get_color_type(png, info) == PNG_COLOR_TYPE_RGB && png_get_bit_depth(png, info) == 8) {
            for (int y = 0; y < file.height; ++y)
                for (int x = 0; x < file.width; ++x)
                    file.pixels.push_back(Pixel(rows[y] + 3 * x));
        }
        png_uint_32 resX = 0, resY = 0;
        int unit = 0;
        if (png_get_pHYs(png, info, &resX, &resY, &unit) && unit == PNG_RESOLUTION_METER && resX == resY)
            file.ppi = resX * 0.0254;
        int intent = 0;
        file.srgb = png_get_sRGB(png, info, &intent) != 0;
        file.read = true;
    }
    png_destroy_read_struct(&png, &info, nullptr);
    std::fclose(stream);
    return file;
}

inline ProofFile ReadTiff(const std::string& path)
{
    ProofFile file;
    TIFF* tiff = TIFFOpen(path.c_str(), "r");
    if (tiff == nullptr)
        return file;
    std::uint32_t width = 0, height = 0, tileLength = 0;
    std::uint16_t samples = 0, bits = 0, unit = 0;
    float resX = 0.0f, resY = 0.0f;
    TIFFGetField(tiff, TIFFTAG_IMAGEWIDTH, &width);
    TIFFGetField(tiff, TIFFTAG_IMAGELENGTH, &height);
    TIFFGetField(tiff, TIFFTAG_SAMPLESPERPIXEL, &samples);
    TIFFGetField(tiff, TIFFTAG_BITSPERSAMPLE, &bits);
    TIFFGetField(tiff, TIFFTAG_COMPRESSION, &file.compression);
    TIFFGetField(tiff, TIFFTAG_RESOLUTIONUNIT, &unit);
    if (TIFFGetField(tiff, TIFFTAG_XRESOLUTION, &resX) && TIFFGetField(tiff, TIFFTAG_YRESOLUTION, &resY) &&
        unit == RESUNIT_INCH && resX == resY)
        file.ppi = resX;
    if (TIFFIsTiled(tiff) && samples == 3 && bits == 8) {
        TIFFGetField(tiff, TIFFTAG_TILEWIDTH, &file.tileWidth);
        TIFFGetField(tiff, TIFFTAG_TILELENGTH, &tileLength);
        std::vector<std::uint8_t> tile(static_cast<std::size_t>(TIFFTileSize(tiff)));
        file.width = static_cast<int>(width);
        file.height = static_cast<int>(height);
        file.pixels.assign(static_cast<std::size_t>(width) * height, 0);
        file.read = true;
        for (std::uint32_t top = 0; top < height; top += tileLength)
            for (std::uint32_t left = 0; left < width; left += file.tileWidth) {
                if (TIFFReadTile(tiff, tile.data(), left, top, 0, 0) < 0)
                    file.read = false;
                for (std::uint32_t y = top; y < std::min(height, top + tileLength); ++y)
                    for (std::uint32_t x = left; x < std::min(width, left + file.tileWidth); ++x)
                        file.pixels[y * width + x] = Pixel(&tile[((y - top) * file.tileWidth + (x - left)) * 3]);
            }
    }
    TIFFClose(tiff);
    return file;
}
