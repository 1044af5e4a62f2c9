#include "plugin/AIUnicodeString.h"

#include "plugin/AIError.h"
#include "plugin/HostSuites.h"

#include <cstring>

namespace ai {

UnicodeString::UnicodeString(const char* text, AICharacterEncoding encoding)
    : m_suite(&RequireHostSuite<AIUnicodeStringSuite>())
{
    const char* source = text != nullptr ? text : "";
    Check(m_suite->Initialize(&m_handle, source, std::strlen(source), encoding));
}

UnicodeString::~UnicodeString()
{
    if (m_handle != nullptr)
        m_suite->Destroy(m_handle);
}

}  // namespace ai
