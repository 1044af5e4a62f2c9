#pragma once

#include "toolkit/RVADM_NonModalDialog.h"

#include <cstdint>

// Measures shared by the sections of the panel's bottom bar.
namespace BottomBarMetrics {

// Every section frame: the resize-grip square plus a gap.
constexpr std::int32_t kFrameHeight = qRVADM::RVADM_NonModalDialog::kResizeGripSide + 9;
// A frame is this much wider than what it holds.
constexpr std::int32_t kFramePadding = 16;
// Pictures keep this distance from their frame's edges.
constexpr std::int32_t kContentInset = 4;
// A frame placed right of its neighbour overlaps the neighbour's edge.
constexpr std::int32_t kNeighbourSpacing = -2;

}  // namespace BottomBarMetrics
