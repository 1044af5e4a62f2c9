#pragma once

#include "support/Folder.h"

#include <string>
#include <string_view>

// Writes whole text files so that readers see either the old file or the complete new one,
// even when the process dies or the disk fills while writing.
class AtomicFile
{
public:
    // After Failed, errno says why (FileFailureOf).
    enum class Result { Written, TargetExists, Failed };

    // Writes `text` in text mode to a temporary file in `folder` (a name starting with ".~",
    // removed again on failure) and moves it onto `name`. With `replace` false the move fails
    // with TargetExists when `name` exists, so of several concurrent creators exactly one wins.
    static Result Write(const Folder& folder, std::string_view name, std::string_view text,
                        bool replace);
};
