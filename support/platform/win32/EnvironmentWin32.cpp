#include "support/platform/Environment.h"

#include "support/platform/win32/WideName.h"

#include <cstdlib>

#include <windows.h>

namespace platform {

// _putenv_s keeps the bytes for getenv but hands them to the system's environment as ANSI text,
// so UTF-8 values are then set again as UTF-16: readers of the wide environment (the shared
// documents override, child processes) see the same text. An empty value removes the variable.
bool WriteEnvironment(const char* name, const char* value)
{
    if (::_putenv_s(name, value) != 0)
        return false;
    std::wstring wideName;
    std::wstring wideValue;
    if (!ToWide(name, wideName) || !ToWide(value, wideValue))
        return true;
    const wchar_t* systemValue = wideValue.empty() ? nullptr : wideValue.c_str();
    return ::SetEnvironmentVariableW(wideName.c_str(), systemValue) || systemValue == nullptr;
}

} // namespace platform
