#pragma once

#include <optional>
#include <string>
#include <vector>

namespace hostapp {

// Splits one line of a host script into words: words are separated by blanks; a word in double
// quotes may hold blanks and the escapes \" and \\; "#" outside quotes starts a comment. Returns
// nothing with `error` for an unterminated quote, an unknown escape or a quote inside a word.
// A blank or comment line gives no words.
std::optional<std::vector<std::string>> SplitScriptLine(const std::string& line, std::string& error);

}  // namespace hostapp
