#pragma once

#include "plugin/suites/AIUnicodeStringSuite.h"

namespace ai {

// Owns one host Unicode string object ("AI Unicode String Suite", which must be acquired).
// Every failing host call throws ai::Error; a missing suite throws with kSuiteNotFoundErr.
class UnicodeString
{
public:
    explicit UnicodeString(const char* text, AICharacterEncoding encoding = kAIUTF8CharacterEncoding);
    ~UnicodeString();

    UnicodeString(const UnicodeString&) = delete;
    UnicodeString& operator=(const UnicodeString&) = delete;

    AIUnicodeStringHandle Handle() const { return m_handle; }

private:
    const AIUnicodeStringSuite* m_suite;
    AIUnicodeStringHandle m_handle = nullptr;
};

}  // namespace ai
