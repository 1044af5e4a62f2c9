#pragma once

#include "viewer/PanelMode.h"
#include "viewer/UpdateGenState.h"

class DocChangedNotifier;
class OspryDialog;
class OspryPlugin;
class UpdateGenButton;

namespace qRVADM {
class RVADM_Frame;
}

// The job life cycle: decides when the panel offers "Generate" or "Update" (its button and the
// plug-in's "Generate" menu command together), runs the engine's generation, and follows the
// host's document changes, closings and the engine's load type (polled every two seconds). The
// button and its frame belong to the panel's item tree; the notifiers and timers to the
// plug-in's registries, which find the section through the plug-in's panel. Host UI thread only.
class UpdateGenSection
{
public:
    // `panel` outlives the section.
    explicit UpdateGenSection(OspryDialog& panel);
    virtual ~UpdateGenSection() = default;

    UpdateGenSection(const UpdateGenSection&) = delete;
    UpdateGenSection& operator=(const UpdateGenSection&) = delete;

    // The section of `plugin`'s panel; null without panel or before its items exist.
    static UpdateGenSection* Of(const OspryPlugin* plugin);

    // Creates the button, sized for the longer of its two labels, registers the notifiers and
    // timers with the plug-in (the engine's two only with its generation suite) and starts in
    // state NoDocument.
    void Create();
    // The hidden button frame at the panel's bottom-right corner, clear of the resize grip; the
    // button centred in it.
    void Layout();
    void OnModeChanged(PanelMode mode);

    UpdateGenState GetState() const { return m_state; }
    // Refreshes the ink warning, stores `state` and sets the button and the menu command.
    // Without the generation suite DocumentChanged becomes CanGenerate.
    void SetState(UpdateGenState state);

    // A click (code 2 on the button, also from the menu command): generates in states
    // CanGenerate and DocumentChanged; refreshes the status and the ink warning in every state.
    void OnGenerateClicked();
    // The host's current document changed, or the panel was shown (after ForgetLastDocument).
    void OnDocumentChanged();
    void ForgetLastDocument();
    void OnDocumentClosed();
    // The dirty-document timer's tick: the engine's load type decides the state.
    void OnDirtyTick();
    // The engine pushed a job; `fit` shows the whole job.
    void OnEngineSync(bool fit);

    // Null before `Create`.
    UpdateGenButton* GetButton() const { return m_button; }
    qRVADM::RVADM_Frame* GetButtonFrame() const { return m_frame; }

private:
    void RegisterWithPlugin(OspryPlugin& plugin);
    // Button text, shown in Expanded mode, enabled; the menu command likewise.
    void Offer(const char* label);
    void DisableButtonAndMenu();
    void Generate();
    // Refreshes the panel's connection status.
    void RefreshStatus();
    void RefreshInkWarning();

    UpdateGenButton* m_button = nullptr;
    qRVADM::RVADM_Frame* m_frame = nullptr;
    UpdateGenState m_state = UpdateGenState::NoDocument;
    OspryDialog& m_panel;
    DocChangedNotifier* m_docChanged = nullptr;  // the plug-in's registries own the notifiers and timers
};
