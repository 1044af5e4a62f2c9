#include "sim/kiln/TextFile.h"

#include "sim/kiln/KilnControlSuite.h"

#include <filesystem>
#include <fstream>

namespace kiln {
namespace {

constexpr std::string_view kBlanks = " \t";
constexpr std::size_t kMaximumNameLength = 255;

bool IsControlByte(char byte)
{
    const auto value = static_cast<unsigned char>(byte);
    return value < 0x20 || value == 0x7f;
}

}  // namespace

std::optional<std::vector<std::string>> ReadTextLines(const std::string& path)
{
    std::error_code error;
    if (!std::filesystem::is_regular_file(path, error))
        return std::nullopt;
    std::ifstream file(path, std::ios::binary);
    if (!file)
        return std::nullopt;
    std::vector<std::string> lines;
    for (std::string line; std::getline(file, line);) {
        if (!line.empty() && line.back() == '\r')
            line.pop_back();
        lines.push_back(std::move(line));
    }
    if (file.bad())
        return std::nullopt;
    return lines;
}

ASErr WriteTextFile(const std::string& path, const std::string& text)
{
    const std::filesystem::path target(path);
    std::error_code error;
    std::filesystem::create_directories(target.parent_path(), error);
    const std::filesystem::path temporary = target.string() + ".tmp";
    {
        std::ofstream file(temporary, std::ios::binary | std::ios::trunc);
        if (!(file << text) || !file.flush())
            return kKilnFileError;
    }
    std::filesystem::rename(temporary, target, error);
    if (error) {
        std::filesystem::remove(temporary, error);
        return kKilnFileError;
    }
    return kNoErr;
}

std::string_view Trimmed(std::string_view text)
{
    const std::size_t first = text.find_first_not_of(kBlanks);
    if (first == std::string_view::npos)
        return {};
    return text.substr(first, text.find_last_not_of(kBlanks) - first + 1);
}

bool IsPlainName(std::string_view name, std::string_view reserved)
{
    if (name.empty() || name.size() > kMaximumNameLength || Trimmed(name).size() != name.size())
        return false;
    for (const char byte : name)
        if (IsControlByte(byte) || reserved.find(byte) != std::string_view::npos)
            return false;
    return true;
}

std::optional<std::string_view> SectionName(std::string_view line)
{
    if (line.size() < 2 || line.front() != '[' || line.back() != ']')
        return std::nullopt;
    return line.substr(1, line.size() - 2);
}

}  // namespace kiln
