#pragma once

#include "plugin/suites/FourCC.h"
#include "plugin/suites/SPTypes.h"

// Answers of the notifier, menu and timer registries; callers may ignore them.
constexpr ASErr kNotifierNotRegisteredErr = FourCC("ErRN");
constexpr ASErr kMenuRegistryFullErr = FourCC("ErAM");
constexpr ASErr kMenuNotRegisteredErr = FourCC("ErRM");
constexpr ASErr kTimerSlotsUsedUpErr = FourCC("ErAT");
constexpr ASErr kTimerNotRegisteredErr = FourCC("ErRT");
