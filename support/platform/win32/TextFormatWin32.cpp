#include "support/platform/TextFormat.h"

#include "support/platform/win32/WideText.h"

#include <clocale>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>
#include <vector>
#include <wchar.h>

namespace platform {
namespace {

constexpr const char* kConversionPrefix = "-+ #0123456789.*";

// Restores the character-type locale it found when it goes out of scope.
class ScopedClassicCharacterType {
public:
    ScopedClassicCharacterType()
    {
        const char* current = std::setlocale(LC_CTYPE, nullptr);
        m_saved = current != nullptr ? current : "C";
        std::setlocale(LC_CTYPE, "C");
    }
    ~ScopedClassicCharacterType() { std::setlocale(LC_CTYPE, m_saved.c_str()); }
    ScopedClassicCharacterType(const ScopedClassicCharacterType&) = delete;
    ScopedClassicCharacterType& operator=(const ScopedClassicCharacterType&) = delete;

private:
    std::string m_saved;
};

// The wide printf reads "%s" as a wide string; "%hs" keeps the arguments narrow.
std::string NarrowStringConversions(const char* format)
{
    std::string result;
    for (const char* p = format; *p != '\0'; ++p) {
        result += *p;
        if (*p != '%')
            continue;
        if (p[1] == '%') {
            result += *++p;
            continue;
        }
        while (p[1] != '\0' && std::strchr(kConversionPrefix, p[1]) != nullptr)
            result += *++p;
        if (p[1] == 's')
            result += 'h';
    }
    return result;
}

void CopyCut(char* buffer, size_t size, const std::string& text)
{
    const size_t length = text.size() < size - 1 ? text.size() : size - 1;
    std::memcpy(buffer, text.data(), length);
    buffer[length] = '\0';
}

void FormatWide(char* buffer, size_t size, const char* format, va_list args)
{
    const std::wstring wideFormat = WidenUtf8(NarrowStringConversions(format));
    std::vector<wchar_t> wide(size, L'\0');
    if (::_vsnwprintf(wide.data(), size - 1, wideFormat.c_str(), args) < 0)
        wide[size - 1] = L'\0';
    CopyCut(buffer, size, NarrowToUtf8(wide.data()));
}

} // namespace

void FormatText(char* buffer, size_t size, const char* format, va_list args)
{
    if (size == 0)
        return;
    if (MB_CUR_MAX <= 1) {
        if (std::vsnprintf(buffer, size, format, args) < 0)
            buffer[0] = '\0';
        return;
    }
    if (std::strstr(format, "%s") != nullptr) {
        const ScopedClassicCharacterType classic;
        if (std::vsnprintf(buffer, size, format, args) < 0)
            buffer[0] = '\0';
        return;
    }
    if (std::strchr(format, '%') == nullptr) {
        CopyCut(buffer, size, format);
        return;
    }
    FormatWide(buffer, size, format, args);
}

} // namespace platform
