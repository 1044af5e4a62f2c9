#pragma once

#include "toolkit/RVADM_Types.h"
#include "toolkit/RectAlignment.h"
#include "toolkit/internal/RVADM_ItemBase.h"

#include <cstddef>
#include <memory>

class QString;

namespace qRVADM {

class IADMDrawer;
class RVADM_ItemParent;
class RVADM_RadioGroup;
class RVADM_Tracker;

// Base of all controls: one Qt widget with a kind code, a rectangle in its parent's coordinates,
// a text, an enabled and a visible state. Items are created with `new` by the application; the
// widget's Qt parent (the parent item's widget) deletes them with the dialog.
class RVADM_Item : public virtual internal::RVADM_ItemBase
{
public:
    // An item created on a radio group lies on the group's parent.
    RVADM_Item(RVADM_ItemParent* parent, std::uint32_t kind);
    ~RVADM_Item() override;

    RVADM_Dialog* GetDialog() const override;
    QWidget* GetWidget() override;
    using internal::RVADM_ItemBase::GetWidget;

    // Code 2 goes to the owning dialog's `OnNotify`; other codes do nothing.
    virtual void Notify(std::int32_t code);
    // A null text clears the tip. Unless `richText`, a text that could be rich text shows literally.
    virtual void SetTipString(const char* text, bool localize = false, bool richText = false);
    // Shows `text` (translated when `localize`) and caches `text` itself; `fit` resizes the item
    // to its best size, top-left kept. A null text counts as empty.
    virtual void SetText(const char* text, bool localize = false, bool fit = false);
    // What a screen reader calls the item and says about it (translated when `localize`; null
    // clears it). Setting a different text announces the change; setting the same one does not.
    void SetAccessibleName(const char* text, bool localize = false);
    void SetAccessibleDescription(const char* text, bool localize = false);
    // Asks screen readers to speak the shown item now, for a change a person must not miss.
    void Announce();
    // As `SetText` for UTF-16, without translation and leaving the cached text alone.
    virtual void SetTextW(const char16_t* text, bool unused = false, bool fit = false);
    // `fromWidget`: the widget's text; otherwise the cached text ("" when none). Always terminated,
    // never cutting a character.
    virtual void GetText(char* buffer, std::size_t size, bool fromWidget = false) const;
    // `fromWidget`: the widget's text as UTF-16; otherwise an empty string.
    virtual void GetTextW(char16_t* buffer, std::size_t size, bool fromWidget = false) const;
    virtual void Show(bool show);
    virtual bool IsVisible() const;
    virtual void SetFocus(bool focus);
    virtual bool HasFocus() const;
    virtual void Invalidate();
    // Input hook; the default consumes the tracker.
    virtual bool Track(RVADM_Tracker tracker);
    // Drawing hook; the default runs the drawer's default painter.
    virtual void Draw(IADMDrawer& drawer);
    virtual void GetBoundsRect(RVADM_Rect& rect) const;
    // Sets the geometry, then `Notify` (1).
    virtual void SetBoundsRect(const RVADM_Rect& rect);
    virtual void GetBestSize(RVADM_Point& size) const;
    virtual void Enable(bool enable);
    virtual bool IsEnabled() const;
    virtual void GetTextInt(QString& text) const;
    // Throws std::runtime_error "Call to SetTextInt() failed!" for a widget it cannot set.
    virtual void SetTextInt(const QString& text);

    std::uint32_t GetKind() const { return m_kind; }
    RVADM_ItemParent* GetParent() const { return m_parent; }

    std::int32_t GetLeft() const;
    std::int32_t GetTop() const;
    std::int32_t GetRight() const;
    std::int32_t GetBottom() const;
    std::int32_t GetWidth() const;
    std::int32_t GetHeight() const;
    void GetSize(std::int32_t& width, std::int32_t& height) const;
    void SetWidth(std::int32_t width);
    void SetHeight(std::int32_t height);
    void MoveTo(std::int32_t x, std::int32_t y);
    void Move(std::int32_t dx, std::int32_t dy);
    void SetSize(std::int32_t width, std::int32_t height);
    void Grow(std::int32_t dw, std::int32_t dh);

    // Device-pixel forms: coordinates scaled by the widget's device pixel ratio, truncated.
    std::int32_t GetDeviceWidth() const;
    std::int32_t GetDeviceHeight() const;
    void GetDeviceSize(std::int32_t& width, std::int32_t& height) const;
    void GetDeviceBoundsRect(RVADM_Rect& rect) const;
    void SetDeviceBoundsRect(const RVADM_Rect& rect);

    // Font variant 1..13 (0: 2 on a non-modal dialog, else 1); fits the item to its best size.
    void SetFontSize(int variant);
    // Width of `text` in the item's font + 1; -1 without widget or text.
    std::int32_t GetTextWidth(const char* text) const;
    void SetAutoRaise(bool autoRaise);

    // Placement; flags are `ItemAlignment` bits, spacing in pixels or `DefaultSpacing`.
    void AlignTo(const RVADM_Rect& reference, std::uint32_t flags);
    static void AlignTo(RVADM_Item* reference, RVADM_Item* item, std::uint32_t flags);
    static void AlignItems(std::uint32_t flags, RVADM_Item* item1, RVADM_Item* item2, RVADM_Item* item3 = nullptr,
                           RVADM_Item* item4 = nullptr, RVADM_Item* item5 = nullptr, RVADM_Item* item6 = nullptr,
                           RVADM_Item* item7 = nullptr, RVADM_Item* item8 = nullptr, RVADM_Item* item9 = nullptr,
                           RVADM_Item* item10 = nullptr);
    static void PlaceInParent(RVADM_Item* item, std::uint32_t flags);
    static void FitParentTo(RVADM_Item* item, std::uint32_t flags);
    static void MoveBelow(RVADM_Item* reference, RVADM_Item* item, std::uint32_t flags,
                          std::int32_t spacing = DefaultSpacing);
    static void MoveAbove(RVADM_Item* reference, RVADM_Item* item, std::uint32_t flags,
                          std::int32_t spacing = DefaultSpacing);
    static void MoveRightOf(RVADM_Item* reference, RVADM_Item* item, std::uint32_t flags,
                            std::int32_t spacing = DefaultSpacing);
    static void MoveLeftOf(RVADM_Item* reference, RVADM_Item* item, std::uint32_t flags,
                           std::int32_t spacing = DefaultSpacing);

    // Connects a widget signal to a dialog slot (SIGNAL()/SLOT() strings); throws
    // std::runtime_error "Connection to dialog slot failed!".
    void ConnectToDialog(const char* signal, const char* slot, bool queued = false);
    void DisconnectFromDialog(const char* slot);
    // Invokes the dialog slot `name` with this item as the notifying item; throws
    // std::runtime_error "Meta-call to dialog slot failed!".
    void CallDialogSlot(const char* name);

protected:
    // The widget a new item's widget is parented to: the parent item's widget.
    QWidget* GetParentWidget() const;
    // Called once by the class that creates the widget; the item does not own it.
    void AttachWidget(QWidget* widget);

private:
    RVADM_Rect Bounds() const;
    void MoveBy(std::int32_t x, std::int32_t y, bool relative);
    void FitToBestSize();
    static void MoveBeside(RVADM_Item* reference, RVADM_Item* item, std::uint32_t flags, std::int32_t spacing,
                           RectAlignment::Side side);

    std::unique_ptr<char[]> m_cachedText;
    QWidget* m_widget = nullptr;
    RVADM_ItemParent* m_parent;
    RVADM_RadioGroup* m_radioGroup;
    std::uint32_t m_kind;
};

} // namespace qRVADM
