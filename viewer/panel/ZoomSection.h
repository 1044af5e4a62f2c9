#pragma once

class CanvasZoom;
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

    // `panel` and `canvas` (the panel's job view section) outlive the section.
    ZoomSection(OspryDialog& panel, CanvasZoom& canvas);
    virtual ~ZoomSection() = default;

    ZoomSection(const ZoomSection&) = delete;
    ZoomSection& operator=(const ZoomSection&) = delete;

    // Creates the frame, the menu with its entries and both buttons, all of one height (the menu
    // five heights wide); disabled, nothing shown in the menu.
    void Create();
    // Places the frame at the panel's bottom right of `leftNeighbour`, the three items in a row
    // inside it; the frame is as high as the view link's toggle when that is higher.
    void Layout(qRVADM::RVADM_Item& leftNeighbour, int toggleHeight);
    // Disabling also clears the menu's text and selection.
    void Enable(bool enable);
    // Shows the canvas's zoom factor in the menu (a level or the percentage as text).
    void ShowZoom(double factor);

    // Null before `Create`.
    qRVADM::RVADM_Frame* GetFrame() const { return m_frame; }

private:
    // A menu entry was chosen: a zoom percentage, or one of the fit values.
    void Choose(double value);
    void SizeItems();

    qRVADM::RVADM_Frame* m_frame = nullptr;
    OspryDialog& m_panel;
    CanvasZoom& m_canvas;
    ZoomInButton* m_zoomIn = nullptr;
    ZoomOutButton* m_zoomOut = nullptr;
    ZoomMenu* m_menu = nullptr;
};
