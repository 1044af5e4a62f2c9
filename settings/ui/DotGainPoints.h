#pragma once

#include "settings/PressSettings.h"

#include <cstddef>

// The five points of a dot gain curve as the user sees them, in curve order: the label (a
// resource key) and the curve's field. The editor's rows and the panel list's tool tip use them.
namespace DotGainPoints {

struct Point
{
    const char* label;
    double PressDotGain::*value;
};

constexpr std::size_t kCount = 5;

constexpr Point kPoints[kCount] = {
    {"Minimum dot", &PressDotGain::Minimum},
    {"25 % prints as", &PressDotGain::At25},
    {"50 % prints as", &PressDotGain::At50},
    {"75 % prints as", &PressDotGain::At75},
    {"Maximum dot", &PressDotGain::Maximum},
};

}  // namespace DotGainPoints
