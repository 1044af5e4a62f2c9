#include "viewer/canvas/HostDocument.h"

#include "plugin/HostSuites.h"
#include "plugin/suites/AIDocumentSuite.h"

namespace HostDocument {

AIDocumentHandle Current()
{
    const AIDocumentSuite* documents = HostSuite<AIDocumentSuite>();
    AIDocumentHandle current = nullptr;
    if (documents == nullptr || documents->GetCurrentDocument(&current) != kNoErr)
        return nullptr;
    return current;
}

bool IsOpen(AIDocumentHandle document)
{
    const AIDocumentSuite* documents = HostSuite<AIDocumentSuite>();
    AIBoolean open = 0;
    return document != nullptr && documents != nullptr && documents->IsDocumentOpen(document, &open) == kNoErr &&
           open != 0;
}

bool IsCurrentRgb()
{
    const AIDocumentSuite* documents = HostSuite<AIDocumentSuite>();
    ASInt32 model = 0;
    return documents != nullptr && documents->GetDocumentColorModel(&model) == kNoErr && model == kAIRGBColorModel;
}

PageGeometry CurrentPage()
{
    const AIDocumentSuite* documents = HostSuite<AIDocumentSuite>();
    AIReal width = 0.0;
    AIReal height = 0.0;
    AIRealPoint origin{0.0, 0.0};
    if (documents != nullptr) {
        documents->GetDocumentPageSize(&width, &height);
        documents->GetDocumentPageOrigin(&origin);
    }
    return PageGeometry{width, height, origin.h, origin.v};
}

JobCoordinates CurrentPageCoordinates()
{
    const PageGeometry page = CurrentPage();
    return JobCoordinates::ForPage(page.height, page.originX, page.originY);
}

}  // namespace HostDocument
