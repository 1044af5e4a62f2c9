#pragma once

#include "plugin/suites/SPTypes.h"

#include <string>

struct SPBasicSuite;

namespace kiln {

// The host's folder of the kind ("AI Folders Suite"); empty when the host has none.
std::string HostFolder(const SPBasicSuite* basic, ASInt32 kind);

}  // namespace kiln
