#pragma once

#include "viewer/events/PanelNotifier.h"

// "AI Document Changed Notifier" for the Generate/Update section, registered as
// "TKOYUpdateGenSectionDocChanged"; it keeps the last document the section acted on (null at
// creation). Made inactive while a generation runs.
class DocChangedNotifier final : public PanelNotifier
{
public:
    DocChangedNotifier(PanelOwner& owner, Handler handler);

    AIDocumentHandle GetLastDocument() const { return m_lastDocument; }
    void SetLastDocument(AIDocumentHandle document) { m_lastDocument = document; }

private:
    AIDocumentHandle m_lastDocument = nullptr;
};
