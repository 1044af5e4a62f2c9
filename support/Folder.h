#pragma once

#include <string>
#include <string_view>
#include <vector>

// An absolute folder path in UTF-8, always ending in a separator. The folder need not exist.
class Folder
{
public:
    // Makes `path` absolute; false when the platform cannot convert it.
    static bool Resolve(const std::string& path, Folder& folder);

    const std::string& Path() const { return m_path; }
    // The path of `name` inside this folder.
    std::string FilePath(std::string_view name) const;
    // The names of the folder's regular files in the platform's order; false when the
    // folder cannot be read.
    bool ListRegularFiles(std::vector<std::string>& names) const;
    bool Exists() const;
    // Creates the folder and every missing parent; true when the folder exists afterwards.
    bool CreateWithParents() const;

private:
    std::string m_path;
};
