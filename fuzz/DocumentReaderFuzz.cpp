// Feeds arbitrary text to the host's document reader. A document it accepts must be sound as the
// host relies on it (page and every item within the limits, every tint naming an ink it holds);
// text it refuses must come with an error naming the file and the problem.
#include "sim/host/DocumentReader.h"

#include <cstddef>
#include <cstdint>
#include <string>

namespace {

constexpr const char* kFileName = "fuzz.json";

bool IsSound(const hostsim::DocumentContent& content)
{
    const int inkCount = static_cast<int>(content.inks.size());
    if (inkCount < static_cast<int>(hostsim::ProcessInks(content.colorModel).size()))
        return false;
    const hostsim::Page& page = content.page;
    if (!(page.width > 0 && page.width <= hostsim::kCoordinateLimit && page.height > 0
          && page.height <= hostsim::kCoordinateLimit))
        return false;
    for (const hostsim::ArtworkItem& item : content.artwork)
        if (!hostsim::ArtworkProblem(item, inkCount).empty())
            return false;
    return true;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const std::string text(reinterpret_cast<const char*>(data), size);
    std::string error;
    const auto content = hostsim::ParseDocument(text, kFileName, error);
    if (content ? !IsSound(*content) : error.size() <= std::string(kFileName).size() + 2)
        __builtin_trap();
    return 0;
}
