#pragma once

#include "plugin/suites/SPTypes.h"

#include <string_view>

namespace kiln {

// Copies `text` into a caller's buffer of `size` bytes, NUL-terminated, cut at a UTF-8 character
// boundary when it does not fit. Returns false, writing nothing, for a null buffer or a size
// below 1.
bool WriteText(std::string_view text, char* buffer, ASInt32 size);

}  // namespace kiln
