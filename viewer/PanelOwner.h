#pragma once

class OspryDialog;
class TKW_AIPlugin;

// What the viewer panel needs from the plug-in object that owns it: the registries that own the
// panel's notifiers and timers, the panel pointer, the "Generate" menu command's text and
// enabling, and the record of the panel's visibility for the next start. The owner reaches the
// panel only through OspryDialog's own operations. Host UI thread only.
class PanelOwner
{
public:
    // The plug-in the panel's notifiers and timers are made for and added to; its registries own
    // them.
    virtual TKW_AIPlugin& Registries() = 0;
    // The panel, or null while it does not exist.
    virtual OspryDialog* GetPanel() const = 0;
    // Called by the panel when it is made and (with null) when it goes.
    virtual void SetPanel(OspryDialog* panel) = 0;
    // The "Generate" command shows the translation of `text`; nothing when the command is gone.
    virtual void SetGenerateText(const char* text) = 0;
    // Enables the "Generate" command, or disables it without taking it out of the registry.
    virtual void SetGenerateEnabled(bool enabled) = 0;
    // The panel was shown or hidden; the next start shows it again when it was visible.
    virtual void RecordPanelVisible(bool visible) = 0;

protected:
    ~PanelOwner() = default;
};
