#include "sim/app/ScriptLine.h"

namespace hostapp {
namespace {

bool IsBlank(char c)
{
    return c == ' ' || c == '\t' || c == '\r';
}

}  // namespace

std::optional<std::vector<std::string>> SplitScriptLine(const std::string& line, std::string& error)
{
    std::vector<std::string> words;
    std::size_t i = 0;
    while (i < line.size()) {
        if (IsBlank(line[i])) {
            ++i;
            continue;
        }
        if (line[i] == '#')
            break;
        std::string word;
        if (line[i] == '"') {
            for (++i;; ++i) {
                if (i >= line.size()) {
                    error = "unterminated quote";
                    return std::nullopt;
                }
                if (line[i] == '"')
                    break;
                if (line[i] == '\\') {
                    if (++i >= line.size() || (line[i] != '"' && line[i] != '\\')) {
                        error = "unknown escape in a quoted word (only \\\" and \\\\)";
                        return std::nullopt;
                    }
                }
                word += line[i];
            }
            ++i;
            if (i < line.size() && !IsBlank(line[i]) && line[i] != '#') {
                error = "a quoted word must be followed by a blank";
                return std::nullopt;
            }
        } else {
            for (; i < line.size() && !IsBlank(line[i]); ++i) {
                if (line[i] == '"') {
                    error = "a quote inside a word";
                    return std::nullopt;
                }
                word += line[i];
            }
        }
        words.push_back(std::move(word));
    }
    return words;
}

}  // namespace hostapp
