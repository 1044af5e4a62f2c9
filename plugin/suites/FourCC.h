#pragma once

#include <cstdint>

// Four-character codes: 32-bit values whose bytes read as text from the most significant byte.
constexpr std::int32_t FourCC(const char (&text)[5])
{
    return static_cast<std::int32_t>((static_cast<std::uint32_t>(static_cast<unsigned char>(text[0])) << 24) |
                                     (static_cast<std::uint32_t>(static_cast<unsigned char>(text[1])) << 16) |
                                     (static_cast<std::uint32_t>(static_cast<unsigned char>(text[2])) << 8) |
                                     static_cast<std::uint32_t>(static_cast<unsigned char>(text[3])));
}

static_assert(FourCC("S!Fd") == 0x53214664);
static_assert(FourCC("SPCk") == 0x5350436B);
