#pragma once

#include "plugin/suites/SPTypes.h"

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace kiln {

// Helpers shared by the engine's line-based data files (preferences, colour books).

// The lines of a text file without their line ends ("\n" or "\r\n"); none when the file cannot
// be read.
std::optional<std::vector<std::string>> ReadTextLines(const std::string& path);
// Replaces the file through a temporary file beside it, so a failed write leaves the old file
// whole. Creates the folder when missing. Returns 0 or kKilnFileError.
ASErr WriteTextFile(const std::string& path, const std::string& text);

std::string_view Trimmed(std::string_view text);
// A name the files can hold on one line: 1 to 255 bytes, no control bytes, no surrounding
// blanks, and none of the bytes in `reserved`.
bool IsPlainName(std::string_view name, std::string_view reserved = {});
// A section header line "[name]"; returns the name.
std::optional<std::string_view> SectionName(std::string_view line);

}  // namespace kiln
