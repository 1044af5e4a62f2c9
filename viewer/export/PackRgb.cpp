#include "viewer/export/PackRgb.h"

#include <cstring>

static_assert(__BYTE_ORDER__ == __ORDER_LITTLE_ENDIAN__, "the packing below is for little-endian machines");

namespace {

// R, G and B of a 0xffRRGGBB pixel in the low three bytes, in the order they lie in memory on
// this little-endian machine.
std::uint32_t Rgb(std::uint32_t pixel)
{
    return __builtin_bswap32(pixel) >> 8;
}

}  // namespace

void PackRgb(const std::uint32_t* pixels, int count, std::uint8_t* rgb)
{
    // Four pixels at a time into three 32-bit words.
    int x = 0;
    for (; x + 4 <= count; x += 4, rgb += 12) {
        const std::uint32_t a = Rgb(pixels[x]);
        const std::uint32_t b = Rgb(pixels[x + 1]);
        const std::uint32_t c = Rgb(pixels[x + 2]);
        const std::uint32_t d = Rgb(pixels[x + 3]);
        const std::uint32_t words[3] = {a | b << 24, b >> 8 | c << 16, c >> 16 | d << 8};
        std::memcpy(rgb, words, sizeof words);
    }
    for (; x < count; ++x, rgb += 3) {
        const std::uint32_t pixel = pixels[x];
        rgb[0] = static_cast<std::uint8_t>(pixel >> 16);
        rgb[1] = static_cast<std::uint8_t>(pixel >> 8);
        rgb[2] = static_cast<std::uint8_t>(pixel);
    }
}
