#pragma once

#include "plugin/suites/SPTypes.h"

// The viewer's preferences in the engine's preference store ("HL Preferences Suite", held by the
// suite manager). Every accessor reads the store afresh: other components change the keys while
// the host runs. A missing key, or a missing suite, gives the key's default. Host UI thread only.
namespace ViewerPreferences {

constexpr const char* kSection = "Hueline/Viewer";

ASInt32 HideTrapLayer();         // boolean, default false
ASInt32 ShowTechnicalInks();     // boolean, default true
ASInt32 ShowSepsOnly();          // boolean, default false
ASInt32 MergeSimilarInks();      // boolean, default true
ASInt32 ShowRoundedDensities();  // boolean, default false
// The engine's image quality: the stored "KilnImageQuality" (default 2) minus one.
ASInt32 KilnImageQuality();
ASInt32 AntialiasingMode();  // integer, default 0

}  // namespace ViewerPreferences
