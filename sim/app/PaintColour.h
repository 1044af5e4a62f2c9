#pragma once

#include "sim/host/DocumentContent.h"

#include <QColor>

#include <vector>

namespace hostapp {

// The screen colour of an ink printed solid: RGB appearances as given, Lab appearances (D50)
// converted to sRGB and clipped to its gamut.
QColor InkColour(const hostsim::Ink& ink);

// The screen colour of a paint of `content`'s inks on white paper. In an RGB document the process
// inks are the display's channels and add up; every other ink is a printing ink that filters
// what lies below it by its tint (tint × solid colour, multiplied per channel). Tints of inks
// the document does not hold are ignored.
QColor PaintColour(const hostsim::DocumentContent& content, const std::vector<HostSimInkTint>& paint);

}  // namespace hostapp
