#include "viewer/HostDocument.h"

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

}  // namespace HostDocument
