#include "support/FileName.h"

#include "support/Utf16Text.h"
#include "support/platform/FileSystem.h"

namespace {

constexpr std::string_view kForbiddenCharacters = "<>:\"|?*/\\";
constexpr std::string_view kDeviceNames[] = {"CON", "PRN", "AUX", "NUL"};
constexpr std::string_view kNumberedDevices[] = {"COM", "LPT"};

bool IsControl(char c)
{
    const auto byte = static_cast<unsigned char>(c);
    return byte < 0x20 || byte == 0x7F;
}

bool HasForbiddenCharacter(std::string_view name)
{
    for (const char c : name) {
        if (IsControl(c) || kForbiddenCharacters.find(c) != std::string_view::npos)
            return true;
    }
    return false;
}

bool EqualsIgnoringAsciiCase(std::string_view a, std::string_view b)
{
    if (a.size() != b.size())
        return false;
    for (size_t i = 0; i < a.size(); ++i) {
        auto fold = [](char c) { return c >= 'a' && c <= 'z' ? static_cast<char>(c - 32) : c; };
        if (fold(a[i]) != fold(b[i]))
            return false;
    }
    return true;
}

// Windows opens a device for these names whatever extension follows.
bool IsDeviceName(std::string_view name)
{
    std::string_view stem = name.substr(0, name.find('.'));
    while (!stem.empty() && stem.back() == ' ')
        stem.remove_suffix(1);
    for (const auto device : kDeviceNames) {
        if (EqualsIgnoringAsciiCase(stem, device))
            return true;
    }
    if (stem.size() != 4 || stem[3] < '1' || stem[3] > '9')
        return false;
    for (const auto device : kNumberedDevices) {
        if (EqualsIgnoringAsciiCase(stem.substr(0, 3), device))
            return true;
    }
    return false;
}

bool HasControlOrSeparator(std::string_view name)
{
    for (const char c : name) {
        if (IsControl(c) || platform::IsPathSeparator(c))
            return true;
    }
    return false;
}

bool IsDeviceOrStream(std::string_view name)
{
    return name.find(':') != std::string_view::npos || IsDeviceName(name);
}

} // namespace

FileName::Fault FileName::PlainNameFault(std::string_view name)
{
    if (name.empty())
        return Fault::Empty;
    if (name.front() == '.')
        return Fault::LeadingDot;
    if (name.back() == '.' || name.back() == ' ')
        return Fault::TrailingBlankOrDot;
    if (HasForbiddenCharacter(name) || !Utf16Text::IsValidUtf8(name))
        return Fault::ForbiddenCharacter;
    return IsDeviceName(name) ? Fault::DeviceName : Fault::None;
}

bool FileName::IsEntryName(std::string_view name)
{
    return !name.empty() && name.front() != '.' && !HasControlOrSeparator(name)
        && !(platform::kNamesReachDevicesAndStreams && IsDeviceOrStream(name));
}

bool FileName::EndsWithSeparator(std::string_view path)
{
    return !path.empty() && platform::IsPathSeparator(path.back());
}

std::string FileName::Join(std::string_view folder, std::string_view name)
{
    std::string path(folder);
    if (!path.empty() && !EndsWithSeparator(path))
        path += platform::kPathSeparator;
    path += name;
    return path;
}
