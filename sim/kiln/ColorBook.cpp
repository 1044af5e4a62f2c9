#include "sim/kiln/ColorBook.h"

#include "sim/kiln/KilnControlSuite.h"
#include "sim/kiln/TextFile.h"

namespace kiln {
namespace {

constexpr std::string_view kProcessBook = "Process";
// Process plates under both names hosts give them.
constexpr std::string_view kProcessInks[] = {"Cyan",         "Magenta",         "Yellow",         "Black",
                                             "Process Cyan", "Process Magenta", "Process Yellow", "Process Black"};

std::string EntryText(std::string_view book, std::string_view ink)
{
    return std::string(book) + ": " + std::string(ink);
}

}  // namespace

ASErr ColorBook::Load(const std::string& path)
{
    const std::optional<std::vector<std::string>> lines = ReadTextLines(path);
    if (!lines)
        return kKilnFileError;
    std::vector<Entry> entries;
    std::optional<std::string> book;
    for (const std::string& raw : *lines) {
        const std::string_view line = Trimmed(raw);
        if (line.empty())
            continue;
        if (const auto name = SectionName(line)) {
            if (!IsPlainName(*name, "[]"))
                return kKilnMalformedError;
            book = std::string(*name);
        } else if (!book || !IsPlainName(line) || line.front() == '[') {
            return kKilnMalformedError;
        } else {
            entries.push_back({*book, std::string(line)});
        }
    }
    m_entries = std::move(entries);
    return kNoErr;
}

std::optional<std::string> ColorBook::Find(std::string_view ink) const
{
    for (const std::string_view process : kProcessInks)
        if (ink == process)
            return EntryText(kProcessBook, ink);
    for (const Entry& entry : m_entries)
        if (entry.ink == ink)
            return EntryText(entry.book, entry.ink);
    return std::nullopt;
}

}  // namespace kiln
