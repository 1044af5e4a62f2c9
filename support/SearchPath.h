#pragma once

#include <optional>
#include <string>
#include <vector>

// The localisation file search over a list of directories ("LOCALE_PATH": directories separated
// by ";", empty entries skipped). Candidates are joined with "\" and the first one that opens for
// reading is the answer.
class SearchPath {
public:
    explicit SearchPath(const std::string& directories);

    // N itself, then D\N for every directory D.
    std::optional<std::string> FindPlain(const std::string& name) const;
    // l\N and D\l\N with l the language folder in lower case, then the same with the folder "c".
    std::optional<std::string> FindInLanguage(const std::string& name,
                                              const std::string& language) const;
    // FindInLanguage, then FindPlain.
    std::optional<std::string> FindLocalized(const std::string& name,
                                             const std::string& language) const;

private:
    std::vector<std::string> m_directories;
};
