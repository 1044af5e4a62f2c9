#pragma once

#include "sim/kiln/DotGainCurve.h"

namespace kiln {

// Antialiasing modes of SetAntialiasingMode.
constexpr int kAntialiasingOn = 0;   // edges get their exact area coverage
constexpr int kAntialiasingOff = 1;  // each pixel takes the ink at its centre

// Image qualities of SetImageQuality: at or below kDraftQuality the inks are rasterised at half
// the device resolution; from kFineQuality on at twice it, averaged down (2 × 2 supersampling).
constexpr int kDraftQuality = 0;
constexpr int kNormalQuality = 1;
constexpr int kFineQuality = 2;

// What the engine's setters chose for the next renderings.
struct RenderSettings
{
    bool antialiasing = true;
    int quality = kNormalQuality;
    bool trapsVisible = false;
    DotGainCurve dotGain;
};

}  // namespace kiln
