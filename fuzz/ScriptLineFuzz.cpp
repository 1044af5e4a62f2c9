// Fuzzes the host script's line splitter: every line it accepts, quoted again word by word,
// splits into the same words.
#include "sim/app/ScriptLine.h"

#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>

namespace {

std::string Quote(const std::string& word)
{
    std::string quoted = "\"";
    for (const char c : word) {
        if (c == '"' || c == '\\')
            quoted += '\\';
        quoted += c;
    }
    return quoted + "\"";
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const std::string text(reinterpret_cast<const char*>(data), size);
    std::size_t start = 0;
    while (start <= text.size()) {
        const std::size_t end = std::min(text.find('\n', start), text.size());
        std::string error;
        const auto words = hostapp::SplitScriptLine(text.substr(start, end - start), error);
        if (words) {
            std::string again;
            for (const std::string& word : *words)
                again += Quote(word) + " ";
            const auto reread = hostapp::SplitScriptLine(again, error);
            if (!reread || *reread != *words)
                std::abort();
        } else if (error.empty()) {
            std::abort();
        }
        start = end + 1;
    }
    return 0;
}
