#include "sim/kiln/BufferText.h"

#include <cstring>

namespace kiln {
namespace {

bool IsContinuationByte(char byte)
{
    return (static_cast<unsigned char>(byte) & 0xc0) == 0x80;
}

}  // namespace

bool WriteText(std::string_view text, char* buffer, ASInt32 size)
{
    if (!buffer || size < 1)
        return false;
    std::size_t length = text.size();
    if (length >= static_cast<std::size_t>(size)) {
        length = static_cast<std::size_t>(size) - 1;
        while (length > 0 && IsContinuationByte(text[length]))
            --length;
    }
    std::memcpy(buffer, text.data(), length);
    buffer[length] = '\0';
    return true;
}

}  // namespace kiln
