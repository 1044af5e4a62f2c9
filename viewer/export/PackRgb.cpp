#include "viewer/export/PackRgb.h"

void PackRgb(const std::uint32_t* pixels, int count, std::uint8_t* rgb)
{
    for (int x = 0; x < count; ++x) {
        const std::uint32_t pixel = pixels[x];
        rgb[0] = static_cast<std::uint8_t>(pixel >> 16);
        rgb[1] = static_cast<std::uint8_t>(pixel >> 8);
        rgb[2] = static_cast<std::uint8_t>(pixel);
        rgb += 3;
    }
}
