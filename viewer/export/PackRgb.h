#pragma once

#include <cstdint>

// Packs `count` 0xffRRGGBB pixels into 3 × count bytes R, G, B: the samples both file formats
// store.
void PackRgb(const std::uint32_t* pixels, int count, std::uint8_t* rgb);
