#pragma once

#include <cstddef>

class QByteArray;
class QString;

namespace qRVADM::internal {

// Copies texts into caller buffers of the C interface: always NUL-terminated, never cutting a
// character in half.
class Utf8Buffer
{
public:
    // Copies `text` as UTF-8 into `buffer` (`size` bytes): at most size-1 bytes, then cut before
    // the first byte that does not begin a complete, well-formed UTF-8 sequence. Nothing happens
    // when `buffer` is null or `size` is 0.
    static void Copy(const QByteArray& text, char* buffer, std::size_t size);
    // Copies `text` as UTF-16 into `buffer` (`size` units): at most size-1 units and a 0.
    static void CopyUtf16(const QString& text, char16_t* buffer, std::size_t size);
    // The length of the longest prefix of `text` (`length` bytes) made of complete, well-formed
    // sequences.
    static std::size_t WellFormedPrefix(const char* text, std::size_t length);
};

} // namespace qRVADM::internal
