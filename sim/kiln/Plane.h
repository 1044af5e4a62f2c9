#pragma once

#include <cstddef>
#include <cstdint>

namespace kiln {

// 8-bit coverage, 0 none to 255 full, in memory the renderer owns; rows padded to 32 bits.
struct Plane
{
    std::uint8_t* Row(int y) const { return bytes + static_cast<std::size_t>(y) * stride; }

    std::uint8_t* bytes;
    int width;
    int height;
    int stride;
};

}  // namespace kiln
