#pragma once

class OspryDialog;
class ZoomInButton;
class ZoomMenu;
class ZoomOutButton;

namespace qRVADM {
class RVADM_Frame;
class RVADM_Item;
}  // namespace qRVADM

// The zoom row of the panel's bottom bar: zoom-out button, zoom menu, zoom-in button in a
// borderless frame. Every zoom chosen here goes to the canvas and, while the view link is on, to
// the host's first document view. Disabled while the canvas has no job. Items belong to the
// panel's item tree.
class ZoomSection
{
public:
    // Only as high as this unless the link toggle is higher still.
    static constexpr int kFrameHeight = 22;

    // `panel` outlives the section.
    explicit ZoomSection(OspryDialog& panel);
    virtual ~ZoomSection() = default;

    ZoomSection(const ZoomSection&) = delete;
    ZoomSection& operator=(const ZoomSection&) = delete;

    // Creates the frame, the menu with its entries and both buttons, all of one height (the menu
    // five heights wide); disabled, nothing shown in the menu.
    void Create();
    // Places the frame at the panel's bottom right of `leftNeighbour`, the three items in a row
    // inside it.
    void Layout(qRVADM::RVADM_Item& leftNeighbour);
    // Disabling also clears the menu's text and selection.
    void Enable(bool enable);
    // Shows the canvas's zoom factor in the menu (a level or the percentage as text).
    void ShowZoom(double factor);

    // A menu entry was chosen: a zoom percentage, or one of the fit values.
    void Choose(double value);
    // A zoom button's step past the menu's levels.
    void ZoomToCustomPercent(double percent);

    // Null before `Create`.
    qRVADM::RVADM_Frame* GetFrame() const { return m_frame; }
    ZoomMenu* GetMenu() const { return m_menu; }

private:
    void FitArtBoard();
    void FitGraphics();
    // `asPush`: the host's notification of its new zoom is not pulled back.
    void ZoomTo(double factor, bool asPush);
    void SizeItems();

    qRVADM::RVADM_Frame* m_frame = nullptr;
    OspryDialog& m_panel;
    ZoomInButton* m_zoomIn = nullptr;
    ZoomOutButton* m_zoomOut = nullptr;
    ZoomMenu* m_menu = nullptr;
};
