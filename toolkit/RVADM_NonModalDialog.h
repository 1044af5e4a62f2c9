#pragma once

#include "toolkit/DialogMetrics.h"
#include "toolkit/RVADM_Dialog.h"

#include "plugin/suites/FourCC.h"
#include "plugin/suites/SPTypes.h"

#include <QWidget>

#include <memory>

namespace qRVADM {

class RVADM_Menu;
class RVADM_MenuEntry;

// A dialog shown inside a host panel. The application constructs it, calls `CreatePanel` once
// and deletes it (which destroys the host panel). The toolkit never calls `CommitItems` of a
// non-modal dialog.
//
// Keyboard focus belongs to the host's document unless the user works in the panel: Escape that
// no item takes, and Tab out of the last focusable item or Shift+Tab out of the first, give it
// back to the host; the panel comes to the front when it gets the focus. While a modal Qt window
// shown from the dialog is visible, the panel is disabled.
class RVADM_NonModalDialog : public QWidget, public RVADM_Dialog
{
    Q_OBJECT

public:
    // Codes of `OnPanelEvent`.
    enum PanelEvent : std::int32_t
    {
        kPanelResized = 1,
        kPanelClosed = 4,
        kPanelShown = 5,
        kPanelHidden = 6,
    };
    // The side of the resize-grip square in the panel's bottom-right corner; panels keep their
    // bottom bar this high (plus a gap) and clear of it.
    static constexpr std::int32_t kResizeGripSide = 17;
    // The panel kind whose host panel the user can resize.
    static constexpr int kResizableKind = 5;
    // `CreatePanel` without the host's panel, string or plug-in reference.
    static constexpr AIErr kNoHostPanelError = FourCC("!PNL");

    RVADM_NonModalDialog();
    ~RVADM_NonModalDialog() override;

    // Creates the host panel `name` (also its title, localised), installs its callbacks and
    // icon, and runs `Initialize`. Returns 0 or the host's error; nothing is created on error.
    AIErr CreatePanel(const char* name, int kind, bool twoState, int iconId);
    AIPanelRef GetPanel() const { return m_panel; }
    // Shows or hides the host panel; false without a panel.
    bool ShowPanel(bool show);
    bool IsPanelShown() const;
    // The panel's flyout menu, created by `CreateItems`; null before. Kept for the dialog's life.
    RVADM_Menu* GetFlyoutMenu() const { return m_flyoutMenu.get(); }

    QWidget* GetWidget() override;
    using internal::RVADM_ItemBase::GetWidget;
    const DialogMetrics& GetStyle() const override;
    bool IsResizable() const override;
    // Creates the panel's flyout menu; an application panel calls it first from its own.
    void CreateItems() override;
    // Embeds the dialog in the panel, places the panel on the screen, then the hooks run.
    void Initialize() override;
    // Also sizes the host panel, in host pixels.
    void SetSize(std::int32_t width, std::int32_t height) override;
    // The narrowest the user can make the host panel; the minimum height stays the toolkit's.
    void SetMinimumWidth(std::int32_t width);
    // The host panel grows and shrinks in steps of `pixels` when the user drags its height.
    void SetVerticalResizeIncrement(std::int32_t pixels);
    // The host panel was resized, closed with its close box, shown or hidden. The base follows
    // the panel's size (resized, shown) and takes the keyboard focus out of a closed panel; an
    // override calls it first.
    virtual void OnPanelEvent(std::int32_t code);
    // The user chose `entry` of the flyout menu; the base runs the entry's `OnSelect`.
    virtual void OnFlyoutMenu(RVADM_MenuEntry& entry);

    RVADM_DIALOG_QT_SLOTS

protected:
    // Events of type 1456 go to `OnCustomEvent` and are consumed.
    bool event(QEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;
    void childEvent(QChildEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void focusInEvent(QFocusEvent* event) override;
    bool focusNextPrevChild(bool next) override;
    void resizeEvent(QResizeEvent* event) override;

private:
    static RVADM_NonModalDialog* FromPanel(AIPanelRef panel);
    static void PanelSizeChanged(AIPanelRef panel);
    static void PanelVisibilityChanged(AIPanelRef panel, AIBoolean visible);
    static void PanelClosed(AIPanelRef panel);
    static void DeliverPanelEvent(AIPanelRef panel, std::int32_t code);

    // Logical pixels to the host's pixels.
    double HostPixelsPerPixel() const;
    void Embed();
    void PlaceOnScreen();
    void FollowPanelSize();
    void EnableAfterModal();

    DialogMetrics m_metrics;
    AIPanelRef m_panel = nullptr;
    AIWindowRef m_panelWindow = nullptr;
    int m_kind = 0;
    bool m_disabledByModal = false;
    std::unique_ptr<RVADM_Menu> m_flyoutMenu;
    // The native widget between the panel's window and the dialog, where the platform needs one.
    std::unique_ptr<QWidget> m_hostWidget;
};

} // namespace qRVADM
