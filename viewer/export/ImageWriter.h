#pragma once

#include <cstdint>

// Streams an image into an open file row by row from the top: Begin once, WriteRow once per row,
// Finish once. Each returns false when the image cannot be written; the writer is then spent,
// and Error() gives the errno of the file call that failed, or 0 when the format's library
// failed on its own.
class ImageWriter
{
public:
    virtual ~ImageWriter() = default;

    // `ppi` goes into the file as its resolution.
    virtual bool Begin(int width, int height, int ppi) = 0;
    // `rgb` holds width pixels of 8-bit R, G and B.
    virtual bool WriteRow(const std::uint8_t* rgb) = 0;
    virtual bool Finish() = 0;
    virtual int Error() const = 0;
};
