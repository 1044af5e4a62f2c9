#pragma once

#include "toolkit/RVADM_DialogSlots.h"
#include "toolkit/RVADM_ItemParent.h"

#include <cstddef>

class QEvent;
class QObject;

namespace qRVADM {

class DialogMetrics;
class RVADM_Item;
class RVADM_Tracker;

// Abstract dialog: a top-level item parent whose parent is the screen. The application creates
// its items in `CreateItems`, fills them in `InitItems`, positions them in `Layout` (re-run on
// every resize), copies their values back in `CommitItems` and reacts in `OnNotify`.
class RVADM_Dialog : public RVADM_ItemParent
{
public:
    using ItemMember = void (RVADM_Dialog::*)(RVADM_Item* item);
    // The toolkit's own Qt event type, passed to `OnCustomEvent`.
    static constexpr int kCustomEventType = 1456;

    RVADM_Dialog() = default;

    RVADM_Dialog* GetDialog() const override;

    void SetLocalRect(const RVADM_Rect& rect) override;
    // A dialog's parent is the screen.
    void ParentToLocalPoint(RVADM_Point& point) const override;
    void LocalToParentPoint(RVADM_Point& point) const override;
    void ParentToLocalRect(RVADM_Rect& rect) const override;
    void LocalToParentRect(RVADM_Rect& rect) const override;

    virtual void CreateItems();
    virtual void InitItems();
    // Called by `EndModal` of a modal dialog that is not cancelled; never by the toolkit for a
    // non-modal dialog.
    virtual void CommitItems();
    virtual void Layout();
    // Every code-2 notification of an item that does not override `Notify`.
    virtual void OnNotify(RVADM_Item* item);
    virtual void OnAsyncNotify(RVADM_Item* item);
    // Qt events of type 1456, before normal processing.
    virtual void OnCustomEvent(QEvent* event);
    // A null or empty text gives an empty title.
    virtual void SetTitle(const char* text, bool localize = false);
    virtual void GetTitle(char* buffer, std::size_t size) const;
    virtual void Center();
    // Fixed size for a dialog that is not resizable.
    virtual void SetSize(std::int32_t width, std::int32_t height);
    virtual const DialogMetrics& GetStyle() const = 0;
    virtual void GetFrameRect(RVADM_Rect& rect) const;
    virtual void Update();
    virtual bool IsResizable() const = 0;
    // Margins, size 100 x 100, `CreateItems`, layout enabled, `InitItems`, `OnResize`.
    virtual void Initialize();
    // Runs `Layout` (with layout disabled) when layout is enabled.
    virtual void OnResize();
    virtual bool Track(RVADM_Tracker tracker);

#define RVADM_DIALOG_DECLARE_SLOT(name, delivery) virtual void name();
    RVADM_DIALOG_SLOT_LIST(RVADM_DIALOG_DECLARE_SLOT)
#undef RVADM_DIALOG_DECLARE_SLOT

    // The sender of the signal being handled when that is an item, else the item of a named-slot
    // call (null outside one).
    virtual RVADM_Item* GetNotifyingItem() const;
    // `Notify` (code) of the item inside the host's application context; nothing for null.
    virtual void NotifyItem(RVADM_Item* item, std::int32_t code);
    // Calls `member` with the item inside the host's application context; nothing for nulls.
    virtual void NotifyItemWith(ItemMember member, RVADM_Item* item);

    // Grows a dialog that is not resizable so that it holds all its items plus the right and
    // bottom margins. Does nothing when called again from inside itself.
    void FitToItems();
    bool IsLayoutEnabled() const { return m_layoutEnabled; }

protected:
    // Called first by the destructor of every dialog class that owns the dialog's widget, while
    // the dialog still lives: the keyboard focus leaves its items without any notification and
    // their signals no longer reach the dialog, so that nothing calls into the dialog while Qt
    // deletes its widgets after the dialog's own destructors have run.
    void StopNotifying();
    // The sender of the signal being handled (QObject::sender of the dialog's widget).
    virtual QObject* SignalSender() const = 0;

private:
    friend class RVADM_Item;
    void SetNotifyingItem(RVADM_Item* item) { m_notifyingItem = item; }
    void Deliver(internal::SlotDelivery delivery);

    RVADM_Item* m_notifyingItem = nullptr;
    bool m_layoutEnabled = false;
};

} // namespace qRVADM
