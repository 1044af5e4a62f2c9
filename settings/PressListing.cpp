#include "settings/PressListing.h"

#include "settings/PressPath.h"

#include <algorithm>

namespace {

unsigned char FoldAscii(char c)
{
    const auto byte = static_cast<unsigned char>(c);
    return byte >= 'A' && byte <= 'Z' ? byte - 'A' + 'a' : byte;
}

int CompareFolded(std::string_view a, std::string_view b)
{
    const size_t common = std::min(a.size(), b.size());
    for (size_t i = 0; i < common; ++i) {
        const unsigned char x = FoldAscii(a[i]);
        const unsigned char y = FoldAscii(b[i]);
        if (x != y)
            return x < y ? -1 : 1;
    }
    return a.size() == b.size() ? 0 : (a.size() < b.size() ? -1 : 1);
}

} // namespace

bool PressListing::IsSettingsFileName(std::string_view fileName)
{
    constexpr std::string_view extension = PressPath::kExtension;
    return !fileName.empty() && fileName.front() != '.' && fileName.size() > extension.size()
        && fileName.substr(fileName.size() - extension.size()) == extension;
}

// Names equal but for case keep a fixed order by their bytes.
bool PressListing::ListsBefore(std::string_view a, std::string_view b)
{
    const int folded = CompareFolded(a, b);
    return folded != 0 ? folded < 0 : a < b;
}

std::vector<std::string> PressListing::Names(const Folder& folder)
{
    std::vector<std::string> files;
    if (folder.Path().empty() || !folder.ListRegularFiles(files))
        return {};
    files.erase(std::remove_if(files.begin(), files.end(),
                               [](const std::string& name) { return !IsSettingsFileName(name); }),
                files.end());
    std::sort(files.begin(), files.end(), &PressListing::ListsBefore);
    for (auto& name : files)
        name.resize(name.size() - PressPath::kExtension.size());
    return files;
}
