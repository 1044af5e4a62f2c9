#pragma once

class LinkSectionViewChangeNTFY;
class OspryDialog;
class SyncViewButton;

namespace qRVADM {
class RVADM_Frame;
class RVADM_Item;
}  // namespace qRVADM

// The view link of the panel's bottom bar: a borderless frame holding the link toggle, and the
// notifier that pulls the host's view whenever it changes. The link is on exactly when the
// toggle is checked; it starts on. Items belong to the panel's item tree, the notifier to the
// plug-in's notifier registry.
class LinkSection
{
public:
    // `panel` outlives the section.
    explicit LinkSection(OspryDialog& panel);
    virtual ~LinkSection() = default;

    LinkSection(const LinkSection&) = delete;
    LinkSection& operator=(const LinkSection&) = delete;

    // Creates the frame, registers the notifier with the plug-in and creates the toggle, checked.
    void Create();
    // Places the frame right of `leftNeighbour` (overlapping its edge), the toggle inside it.
    void Layout(qRVADM::RVADM_Item& leftNeighbour);

    // Null before `Create`.
    qRVADM::RVADM_Frame* GetFrame() const { return m_frame; }
    // 0 before `Create`.
    int GetToggleHeight() const;

    bool IsLinked() const;
    // Checks or unchecks the toggle; turning the link on pulls the host's view at once.
    void SetLinked(bool linked);

private:
    // Host view -> canvas, when the link is on: the panel's preview pulls the host's first view.
    void PullHostView();

    qRVADM::RVADM_Frame* m_frame = nullptr;
    LinkSectionViewChangeNTFY* m_notifier = nullptr;
    SyncViewButton* m_button = nullptr;
    OspryDialog& m_panel;
};
