#pragma once

#include "plugin/suites/AIGeometry.h"
#include "plugin/suites/SPTypes.h"
#include "plugin/suites/SuiteEntry.h"

// Colour model of a document; other values are the host's.
constexpr ASInt32 kAIRGBColorModel = 1;

// "AI Document Suite" 16. Entries without a document argument act on the current document.
// Host UI thread.
struct AIDocumentSuite
{
    static constexpr const char* kName = "AI Document Suite";
    static constexpr ASInt32 kVersion = 16;

    SuiteReserved reserved0To9[10];
    AIErr (*GetDocumentPageOrigin)(AIRealPoint* origin);  // points
    SuiteReserved reserved11To18[8];
    // Writes null and returns no error when no document is open.
    AIErr (*GetCurrentDocument)(AIDocumentHandle* document);
    SuiteReserved reserved20To22[3];
    AIErr (*GetDocumentPageSize)(AIReal* width, AIReal* height);  // points
    SuiteReserved reserved24To26[3];
    // `open` is 1 while the handle still refers to an open document.
    AIErr (*IsDocumentOpen)(AIDocumentHandle document, AIBoolean* open);
    SuiteReserved reserved28;
    AIErr (*GetDocumentColorModel)(ASInt32* model);
};
HL_SUITE_ENTRY(AIDocumentSuite, GetDocumentPageOrigin, 10);
HL_SUITE_ENTRY(AIDocumentSuite, GetCurrentDocument, 19);
HL_SUITE_ENTRY(AIDocumentSuite, GetDocumentPageSize, 23);
HL_SUITE_ENTRY(AIDocumentSuite, IsDocumentOpen, 27);
HL_SUITE_ENTRY(AIDocumentSuite, GetDocumentColorModel, 29);
