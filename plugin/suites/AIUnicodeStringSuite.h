#pragma once

#include "plugin/suites/SPTypes.h"
#include "plugin/suites/SuiteEntry.h"

enum AICharacterEncoding : ASInt32
{
    kAIPlatformCharacterEncoding = 0,  // the system code page
    kAIUTF8CharacterEncoding = 1,
};

// "AI Unicode String Suite" 8: host string objects. Host UI thread.
struct AIUnicodeStringSuite
{
    static constexpr const char* kName = "AI Unicode String Suite";
    static constexpr ASInt32 kVersion = 8;

    AIErr (*Initialize)(AIUnicodeStringHandle* string, const char* text, std::size_t length,
                        AICharacterEncoding encoding);
    AIErr (*InitializeUTF16)(AIUnicodeStringHandle* string, const std::uint16_t* text, std::size_t length);
    AIErr (*Destroy)(AIUnicodeStringHandle string);
    // Writes the text and its NUL when it fits; `needed` receives the size including the NUL.
    AIErr (*GetAs)(AIUnicodeStringHandle string, AICharacterEncoding encoding, char* buffer,
                   std::size_t size, std::size_t* needed);
    AIErr (*Length)(AIUnicodeStringHandle string, std::size_t* length);  // in UTF-16 units
    AIErr (*Compare)(AIUnicodeStringHandle a, AIUnicodeStringHandle b, ASInt32* order);
};
HL_SUITE_ENTRY(AIUnicodeStringSuite, Initialize, 0);
HL_SUITE_ENTRY(AIUnicodeStringSuite, InitializeUTF16, 1);
HL_SUITE_ENTRY(AIUnicodeStringSuite, Destroy, 2);
HL_SUITE_ENTRY(AIUnicodeStringSuite, GetAs, 3);
HL_SUITE_ENTRY(AIUnicodeStringSuite, Length, 4);
HL_SUITE_ENTRY(AIUnicodeStringSuite, Compare, 5);
