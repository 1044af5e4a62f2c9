#pragma once

#include "plugin/suites/AIGeometry.h"
#include "plugin/suites/SPTypes.h"
#include "plugin/suites/SuiteEntry.h"

// "AI Document View Suite" 13. Setting a view's centre or zoom sends
// "AI Document View Changed Notifier" from inside the call. Host UI thread.
struct AIDocumentViewSuite
{
    static constexpr const char* kName = "AI Document View Suite";
    static constexpr ASInt32 kVersion = 13;

    // The visible area in artwork points; fails while the view cannot report it yet.
    AIErr (*GetDocumentViewBounds)(AIDocumentViewHandle view, AIRealRect* bounds);
    SuiteReserved reserved1;
    AIErr (*SetDocumentViewCenter)(AIDocumentViewHandle view, const AIRealPoint* center);
    AIErr (*GetDocumentViewZoom)(AIDocumentViewHandle view, AIReal* zoom);
    AIErr (*SetDocumentViewZoom)(AIDocumentViewHandle view, AIReal zoom);
    SuiteReserved reserved5To7[3];
    // n = 0 is the front view; fails when there is no such view.
    AIErr (*GetNthDocumentView)(ASInt32 n, AIDocumentViewHandle* view);
};
HL_SUITE_ENTRY(AIDocumentViewSuite, GetDocumentViewBounds, 0);
HL_SUITE_ENTRY(AIDocumentViewSuite, SetDocumentViewCenter, 2);
HL_SUITE_ENTRY(AIDocumentViewSuite, GetDocumentViewZoom, 3);
HL_SUITE_ENTRY(AIDocumentViewSuite, SetDocumentViewZoom, 4);
HL_SUITE_ENTRY(AIDocumentViewSuite, GetNthDocumentView, 8);
