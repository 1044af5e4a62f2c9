#pragma once

#include "plugin/suites/SPTypes.h"

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace kiln {

// The colour books of the engine's colour service. The process inks are always held, in the
// book "Process"; the others come from a book file: "[book name]" lines, each followed by one
// ink name per line; blank lines are allowed. Names match exactly, byte for byte.
class ColorBook
{
public:
    // Replaces the file's books by those of `path`. Returns kKilnFileError for an unreadable
    // file and kKilnMalformedError for any line that breaks the format; both keep the books as
    // they were.
    ASErr Load(const std::string& path);

    // "book: ink" for the first book holding the ink; none when no book holds it.
    std::optional<std::string> Find(std::string_view ink) const;

private:
    struct Entry
    {
        std::string book;
        std::string ink;
    };

    std::vector<Entry> m_entries;
};

}  // namespace kiln
