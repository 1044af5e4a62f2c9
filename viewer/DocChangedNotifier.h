#pragma once

#include "plugin/TKW_AINotifier.h"

class OspryPlugin;

// Hears "AI Document Changed Notifier" for the Generate/Update section and remembers the last
// document the section acted on (null at creation). Made inactive while a generation runs. The
// notifier registry owns it; it finds the section through the plug-in's panel.
class DocChangedNotifier final : public TKW_AINotifier
{
public:
    explicit DocChangedNotifier(OspryPlugin* plugin);

    ASErr Notify(AINotifierMessage* message) override;

    AIDocumentHandle GetLastDocument() const { return m_lastDocument; }
    void SetLastDocument(AIDocumentHandle document) { m_lastDocument = document; }

private:
    OspryPlugin* m_plugin;
    AIDocumentHandle m_lastDocument = nullptr;
};
