#pragma once

#include "viewer/model/UpdateGenState.h"
#include "viewer/model/UpdateGenTable.h"
#include "viewer/panel/PanelMode.h"

#include <cstdint>

class DocChangedNotifier;
class OspryDialog;
class PanelOwner;
class PreviewJob;
class UpdateGenButton;

namespace qRVADM {
class RVADM_Frame;
}

// The job life cycle: decides when the panel offers "Generate" or "Update" (its button and the
// plug-in's "Generate" menu command together), runs the engine's generation, and follows the
// host's document changes, closings and the engine's load type (polled every two seconds). The
// button and its frame belong to the panel's item tree; the notifiers and timers to the panel
// owner's registries. Host UI thread only.
class UpdateGenSection
{
public:
    // `panel` and `preview` (the panel's job view section) outlive the section.
    UpdateGenSection(OspryDialog& panel, PreviewJob& preview);
    virtual ~UpdateGenSection() = default;

    UpdateGenSection(const UpdateGenSection&) = delete;
    UpdateGenSection& operator=(const UpdateGenSection&) = delete;

    // Creates the button, sized for the longer of its two labels, registers the notifiers and
    // timers with the panel's owner (the engine's two only with its generation suite) and starts in
    // state NoDocument.
    void Create();
    // The hidden button frame at the panel's bottom-right corner, clear of the resize grip; the
    // button centred in it.
    void Layout();
    void OnModeChanged(PanelMode mode);

    UpdateGenState GetState() const { return m_state; }
    // Refreshes the ink warning, stores `state` and shows it on the button and the menu command
    // as the UpdateGenTable says. Without the generation suite DocumentChanged becomes
    // CanGenerate (which refreshes the ink warning once more).
    void SetState(UpdateGenState state);

    // Code 2 on the button, as a click delivers it.
    void ClickButton();
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
    void RegisterWithOwner(PanelOwner& owner);
    // SetState with the table's next state.
    void On(UpdateGenEvent event, std::int32_t loadType = 0);
    // An offer also shows the button in the Expanded mode.
    void Apply(const UpdateGenLook& look);
    void Generate();

    UpdateGenButton* m_button = nullptr;
    qRVADM::RVADM_Frame* m_frame = nullptr;
    UpdateGenState m_state = UpdateGenState::NoDocument;
    OspryDialog& m_panel;
    PreviewJob& m_preview;
    DocChangedNotifier* m_docChanged = nullptr;  // the plug-in's registries own the notifiers and timers
};
