#include "toolkit/RVADM_Dialog.h"

#include "toolkit/DialogMetrics.h"
#include "toolkit/RVADM_AppContextScope.h"
#include "toolkit/RVADM_Item.h"
#include "toolkit/RVADM_TextEdit.h"
#include "toolkit/RVADM_Tracker.h"
#include "toolkit/RectAlignment.h"
#include "toolkit/internal/RVADM_DoubleClickSource.h"
#include "toolkit/internal/RVADM_NumericEditAccess.h"
#include "toolkit/internal/Utf8Buffer.h"

#include "support/Localization.h"

#include <QApplication>
#include <QCursor>
#include <QScreen>
#include <QSignalBlocker>
#include <QWidget>
#include <QWindow>

namespace qRVADM {
namespace {

constexpr std::int32_t kInitialSize = 100;

// Process-wide: fitting resizes the dialog, which may lay it out and fit again.
bool g_fittingToItems = false;

class FittingGuard
{
public:
    FittingGuard() { g_fittingToItems = true; }
    ~FittingGuard() { g_fittingToItems = false; }
    FittingGuard(const FittingGuard&) = delete;
    FittingGuard& operator=(const FittingGuard&) = delete;
};

bool Contains(const RVADM_Rect& outer, const RVADM_Rect& inner)
{
    return inner.left >= outer.left && inner.top >= outer.top && inner.right <= outer.right &&
           inner.bottom <= outer.bottom;
}

// A text edit reports an unchanged commit as not modified; other items always notify.
bool TakeTextEditModified(RVADM_Item& item)
{
    auto* edit = dynamic_cast<RVADM_TextEdit*>(&item);
    if (edit == nullptr)
        return true;
    if (!edit->IsModified())
        return false;
    edit->setModified(false);
    return true;
}

RVADM_Item* EnabledDoubleClickTarget(RVADM_Item* item)
{
    const auto* source = dynamic_cast<const internal::RVADM_DoubleClickSource*>(item);
    RVADM_Item* target = source != nullptr ? source->GetDoubleClickTarget() : nullptr;
    return target != nullptr && target->IsEnabled() ? target : nullptr;
}

bool TakeNumericChanged(RVADM_Item* item)
{
    auto* numeric = dynamic_cast<internal::RVADM_NumericEditAccess*>(item);
    return numeric != nullptr && numeric->TakeChangedFlag();
}

} // namespace

RVADM_Dialog* RVADM_Dialog::GetDialog() const
{
    return const_cast<RVADM_Dialog*>(this);
}

void RVADM_Dialog::SetLocalRect(const RVADM_Rect& rect)
{
    const QWidget* widget = GetWidget();
    if (widget == nullptr)
        return;
    const QSize extra = widget->size() - widget->contentsRect().size();
    SetSize(rect.Width() + extra.width(), rect.Height() + extra.height());
}

void RVADM_Dialog::ParentToLocalPoint(RVADM_Point& point) const
{
    ScreenToLocalPoint(point);
}

void RVADM_Dialog::LocalToParentPoint(RVADM_Point& point) const
{
    LocalToScreenPoint(point);
}

void RVADM_Dialog::ParentToLocalRect(RVADM_Rect& rect) const
{
    ScreenToLocalRect(rect);
}

void RVADM_Dialog::LocalToParentRect(RVADM_Rect& rect) const
{
    LocalToScreenRect(rect);
}

void RVADM_Dialog::StopNotifying()
{
    QWidget* widget = GetWidget();
    if (widget == nullptr)
        return;
    QWidget* focus = QApplication::focusWidget();
    if (focus != nullptr && widget->isAncestorOf(focus)) {
        const QSignalBlocker quiet(focus);
        focus->clearFocus();
    }
    for (QObject* child : widget->findChildren<QObject*>())
        QObject::disconnect(child, nullptr, widget, nullptr);
}

void RVADM_Dialog::CreateItems() {}
void RVADM_Dialog::InitItems() {}
void RVADM_Dialog::CommitItems() {}
void RVADM_Dialog::Layout() {}
void RVADM_Dialog::OnNotify(RVADM_Item*) {}
void RVADM_Dialog::OnAsyncNotify(RVADM_Item*) {}
void RVADM_Dialog::OnCustomEvent(QEvent*) {}

void RVADM_Dialog::SetTitle(const char* text, bool localize)
{
    QWidget* widget = GetWidget();
    if (widget == nullptr)
        return;
    const bool empty = text == nullptr || *text == '\0';
    widget->setWindowTitle(empty ? QString() : QString::fromUtf8(localize ? LocalizeKey(text) : text));
}

void RVADM_Dialog::GetTitle(char* buffer, std::size_t size) const
{
    const QWidget* widget = GetWidget();
    internal::Utf8Buffer::Copy(widget != nullptr ? widget->windowTitle().toUtf8() : QByteArray(), buffer, size);
}

void RVADM_Dialog::Center()
{
    QWidget* widget = GetWidget();
    if (widget == nullptr)
        return;
    QRect target;
    if (const QWidget* parent = widget->parentWidget()) {
        target = parent->window()->frameGeometry();
    } else {
        QScreen* screen = widget->windowHandle() != nullptr ? widget->windowHandle()->screen()
                                                            : QGuiApplication::screenAt(QCursor::pos());
        if (screen == nullptr)
            screen = QGuiApplication::primaryScreen();
        if (screen == nullptr)
            return;
        target = screen->availableGeometry();
    }
    const QRect frame = widget->frameGeometry();
    widget->move(target.left() + (target.width() - frame.width()) / 2,
                 target.top() + (target.height() - frame.height()) / 2);
}

void RVADM_Dialog::SetSize(std::int32_t width, std::int32_t height)
{
    QWidget* widget = GetWidget();
    if (widget == nullptr)
        return;
    if (IsResizable())
        widget->resize(width, height);
    else
        widget->setFixedSize(width, height);
}

void RVADM_Dialog::GetFrameRect(RVADM_Rect& rect) const
{
    const QWidget* widget = GetWidget();
    rect = widget != nullptr ? RVADM_Rect::FromQRect(widget->frameGeometry()) : RVADM_Rect{};
}

void RVADM_Dialog::Update()
{
    if (QWidget* widget = GetWidget())
        widget->update();
}

void RVADM_Dialog::Initialize()
{
    SetMarginsFromMetrics(GetStyle());
    SetSize(kInitialSize, kInitialSize);
    CreateItems();
    m_layoutEnabled = true;
    InitItems();
    OnResize();
}

void RVADM_Dialog::OnResize()
{
    if (!m_layoutEnabled)
        return;
    m_layoutEnabled = false;
    Layout();
    m_layoutEnabled = true;
}

bool RVADM_Dialog::Track(RVADM_Tracker)
{
    return true;
}

#define RVADM_DIALOG_DEFINE_SLOT(name, delivery)                                                  \
    void RVADM_Dialog::name() { Deliver(internal::SlotDelivery::delivery); }
RVADM_DIALOG_SLOT_LIST(RVADM_DIALOG_DEFINE_SLOT)
#undef RVADM_DIALOG_DEFINE_SLOT

RVADM_Item* RVADM_Dialog::GetNotifyingItem() const
{
    if (auto* item = dynamic_cast<RVADM_Item*>(SignalSender()))
        return item;
    return m_notifyingItem;
}

void RVADM_Dialog::NotifyItem(RVADM_Item* item, std::int32_t code)
{
    if (item == nullptr)
        return;
    RVADM_AppContextScope context;
    item->Notify(code);
}

void RVADM_Dialog::NotifyItemWith(ItemMember member, RVADM_Item* item)
{
    if (member == nullptr || item == nullptr)
        return;
    RVADM_AppContextScope context;
    (this->*member)(item);
}

void RVADM_Dialog::Deliver(internal::SlotDelivery delivery)
{
    RVADM_Item* item = GetNotifyingItem();
    if (item == nullptr)
        return;
    switch (delivery) {
    case internal::SlotDelivery::UserChanged:
        NotifyItem(item, kNotifyUserChanged);
        break;
    case internal::SlotDelivery::Intermediate:
        NotifyItem(item, kNotifyIntermediateChange);
        break;
    case internal::SlotDelivery::SelectionChanged:
        NotifyItem(item, kNotifySelectionChanged);
        break;
    case internal::SlotDelivery::Async:
        NotifyItemWith(&RVADM_Dialog::OnAsyncNotify, item);
        break;
    case internal::SlotDelivery::DoubleClickTarget:
        NotifyItem(EnabledDoubleClickTarget(item), kNotifyUserChanged);
        break;
    case internal::SlotDelivery::TextEditCommitted:
        if (TakeTextEditModified(*item))
            NotifyItem(item, kNotifyUserChanged);
        break;
    case internal::SlotDelivery::NumericEditCommitted:
        if (TakeNumericChanged(item))
            NotifyItem(item, kNotifyUserChanged);
        break;
    }
}

void RVADM_Dialog::FitToItems()
{
    QWidget* widget = GetWidget();
    if (g_fittingToItems || widget == nullptr || IsResizable())
        return;
    const FittingGuard guard;
    RVADM_Rect items;
    for (QWidget* child : widget->findChildren<QWidget*>()) {
        if (dynamic_cast<RVADM_Item*>(child) == nullptr)
            continue;
        const QPoint topLeft = child->parentWidget()->mapTo(widget, child->pos());
        items = RectAlignment::Union(items, RVADM_Rect::FromQRect(QRect(topLeft, child->size())));
    }
    const std::int32_t margin = GetStyle().Get(DialogMetrics::kMargin);
    items.right += margin;
    items.bottom += margin;
    RVADM_Rect local;
    GetLocalRect(local);
    if (!Contains(local, items))
        SetLocalRect(RectAlignment::Union(local, items));
}

} // namespace qRVADM
