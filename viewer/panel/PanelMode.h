#pragma once

#include <cstdint>

// The viewer panel's layout mode. Any other value is ignored by every operation taking a mode.
enum class PanelMode : std::int32_t
{
    Expanded = 1,  // 480 x 494, with the Generate/Update button
    Compact = 2,   // 480 x 374, without it; the rest of the bottom bar stays
};
