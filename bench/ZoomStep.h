#pragma once

#include <string>

class BenchHost;

namespace benchmark {
class State;
}  // namespace benchmark

// One click of the zoom-in tool at the centre of the viewer's canvas showing `document` (the host
// script line "canvas click X Y"), from the zoom menu's entry `entry` (Fit ArtBoard first, then
// the entry; not timed), measured by StepTimes. Adds the counters ratio (the device pixel
// ratio), canvas_w and canvas_h (the canvas's size in logical pixels) and host_zoom% (where the
// host's view ended).
void MeasureZoomStep(benchmark::State& state, BenchHost& host, const std::string& document, const std::string& entry,
                     int warmUpSteps);
