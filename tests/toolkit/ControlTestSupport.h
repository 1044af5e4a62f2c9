#pragma once

namespace toolkittest {

// The device pixel ratio the run was started with (QT_SCALE_FACTOR).
double RunRatio();

} // namespace toolkittest
