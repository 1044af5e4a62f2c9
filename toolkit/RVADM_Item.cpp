#include "toolkit/RVADM_Item.h"

#include "toolkit/DefaultPainter.h"
#include "toolkit/DialogMetrics.h"
#include "toolkit/IADMDrawer.h"
#include "toolkit/RVADM_Dialog.h"
#include "toolkit/RVADM_ItemParent.h"
#include "toolkit/RVADM_RadioGroup.h"
#include "toolkit/RVADM_Tracker.h"
#include "toolkit/internal/RVADM_AccessibleFactory.h"
#include "toolkit/internal/RVADM_NumericEditAccess.h"
#include "toolkit/internal/Utf8Buffer.h"
#include "toolkit/internal/WidgetText.h"

#include "RVADMQtManager.h"
#include "support/Localization.h"

#include <QAbstractButton>
#include <QAccessible>
#include <QApplication>
#include <QButtonGroup>
#include <QFontMetrics>
#include <QTextDocument>
#include <QToolButton>

#include <cstring>
#include <stdexcept>
#include <vector>

namespace qRVADM {
namespace {

struct FontVariant
{
    int pixelSize;
    int weight;
    bool italic;
    bool fixedFamily;
};

constexpr const char* kFixedFamily = "Consolas,Lucida Console,Courier New";
constexpr int kPanelFontVariant = 2;
constexpr int kDialogFontVariant = 1;

// Variants 1..13.
constexpr FontVariant kFontVariants[] = {
    {12, 50, false, false}, {10, 50, false, false}, {12, 50, true, false}, {10, 50, true, false},
    {12, 75, false, false}, {10, 75, false, false}, {12, 75, true, false}, {10, 75, true, false},
    {12, 50, false, true},  {12, 50, true, true},   {12, 75, false, true}, {12, 75, true, true},
    {11, 50, false, false},
};

QFont FontFor(const QFont& current, int variant)
{
    constexpr int count = static_cast<int>(sizeof kFontVariants / sizeof kFontVariants[0]);
    if (variant < 1 || variant > count)
        return QApplication::font();
    const FontVariant& entry = kFontVariants[variant - 1];
    QFont font = current;
    font.setPixelSize(entry.pixelSize);
    font.setWeight(entry.weight);
    font.setItalic(entry.italic);
    if (entry.fixedFamily)
        font.setFamily(QString::fromLatin1(kFixedFamily));
    return font;
}

std::int32_t ToDevice(std::int32_t value, double factor)
{
    return static_cast<std::int32_t>(value * factor);
}

RVADM_ItemParent* ResolveParent(RVADM_ItemParent* parent, RVADM_RadioGroup* group)
{
    return group != nullptr ? group->GetParent() : parent;
}

const DialogMetrics& MetricsOf(const RVADM_Item& item)
{
    const RVADM_Dialog* dialog = item.GetDialog();
    return dialog != nullptr ? dialog->GetStyle() : DialogMetrics::ForModalDialogs();
}

} // namespace

RVADM_Item::RVADM_Item(RVADM_ItemParent* parent, std::uint32_t kind)
    : m_parent(ResolveParent(parent, dynamic_cast<RVADM_RadioGroup*>(parent)))
    , m_radioGroup(dynamic_cast<RVADM_RadioGroup*>(parent))
    , m_kind(kind)
{
    internal::InstallAccessibleFactory();
}

RVADM_Item::~RVADM_Item() = default;

RVADM_Dialog* RVADM_Item::GetDialog() const
{
    return m_parent != nullptr ? m_parent->GetDialog() : nullptr;
}

QWidget* RVADM_Item::GetWidget()
{
    return m_widget;
}

QWidget* RVADM_Item::GetParentWidget() const
{
    return m_parent != nullptr ? m_parent->GetWidget() : nullptr;
}

void RVADM_Item::AttachWidget(QWidget* widget)
{
    m_widget = widget;
    auto* button = qobject_cast<QAbstractButton*>(widget);
    if (m_radioGroup != nullptr && button != nullptr)
        m_radioGroup->GetButtonGroup().addButton(button);
}

void RVADM_Item::Notify(std::int32_t code)
{
    RVADM_Dialog* dialog = GetDialog();
    if (code == kNotifyUserChanged && dialog != nullptr)
        dialog->OnNotify(this);
}

void RVADM_Item::SetTipString(const char* text, bool localize, bool richText)
{
    if (m_widget == nullptr)
        return;
    if (text == nullptr) {
        m_widget->setToolTip(QString());
        return;
    }
    QString tip = QString::fromUtf8(localize ? LocalizeKey(text) : text);
    if (!richText && Qt::mightBeRichText(tip))
        tip = Qt::convertFromPlainText(tip, Qt::WhiteSpacePre);
    m_widget->setToolTip(tip);
}

void RVADM_Item::SetAccessibleName(const char* text, bool localize)
{
    const QString name = QString::fromUtf8(text == nullptr ? "" : localize ? LocalizeKey(text) : text);
    // Qt announces every setting; a section refreshed by a timer must not repeat itself.
    if (m_widget != nullptr && m_widget->accessibleName() != name)
        m_widget->setAccessibleName(name);
}

void RVADM_Item::SetAccessibleDescription(const char* text, bool localize)
{
    const QString description = QString::fromUtf8(text == nullptr ? "" : localize ? LocalizeKey(text) : text);
    if (m_widget != nullptr && m_widget->accessibleDescription() != description)
        m_widget->setAccessibleDescription(description);
}

void RVADM_Item::Announce()
{
    // Nobody can read what is not shown.
    if (m_widget == nullptr || !m_widget->isVisible())
        return;
    QAccessibleEvent alert(m_widget, QAccessible::Alert);
    QAccessible::updateAccessibility(&alert);
}

void RVADM_Item::SetText(const char* text, bool localize, bool fit)
{
    const char* given = text != nullptr ? text : "";
    const std::size_t length = std::strlen(given);
    m_cachedText = std::make_unique<char[]>(length + 1);
    std::memcpy(m_cachedText.get(), given, length + 1);
    SetTextInt(QString::fromUtf8(localize ? LocalizeKey(given) : given));
    if (fit)
        FitToBestSize();
}

void RVADM_Item::SetTextW(const char16_t* text, bool, bool fit)
{
    SetTextInt(text != nullptr ? QString::fromUtf16(text) : QString());
    if (fit)
        FitToBestSize();
}

void RVADM_Item::GetText(char* buffer, std::size_t size, bool fromWidget) const
{
    if (!fromWidget) {
        internal::Utf8Buffer::Copy(QByteArray(m_cachedText ? m_cachedText.get() : ""), buffer, size);
        return;
    }
    QString text;
    GetTextInt(text);
    internal::Utf8Buffer::Copy(text.toUtf8(), buffer, size);
}

void RVADM_Item::GetTextW(char16_t* buffer, std::size_t size, bool fromWidget) const
{
    QString text;
    if (fromWidget)
        GetTextInt(text);
    internal::Utf8Buffer::CopyUtf16(text, buffer, size);
}

void RVADM_Item::Show(bool show)
{
    if (m_widget != nullptr)
        m_widget->setVisible(show);
}

bool RVADM_Item::IsVisible() const
{
    return m_widget != nullptr && !m_widget->isHidden();
}

void RVADM_Item::SetFocus(bool focus)
{
    if (m_widget == nullptr)
        return;
    if (focus && m_widget->focusPolicy() != Qt::NoFocus)
        m_widget->setFocus(Qt::OtherFocusReason);
    else
        m_widget->clearFocus();
}

bool RVADM_Item::HasFocus() const
{
    return m_widget != nullptr && m_widget->hasFocus();
}

void RVADM_Item::Invalidate()
{
    if (m_widget != nullptr)
        m_widget->update();
}

bool RVADM_Item::Track(RVADM_Tracker)
{
    return true;
}

void RVADM_Item::Draw(IADMDrawer& drawer)
{
    drawer.GetDefaultPainter().Paint(drawer.GetPainter());
}

void RVADM_Item::GetBoundsRect(RVADM_Rect& rect) const
{
    rect = m_widget != nullptr ? RVADM_Rect::FromQRect(m_widget->geometry()) : RVADM_Rect{};
}

void RVADM_Item::SetBoundsRect(const RVADM_Rect& rect)
{
    if (m_widget != nullptr)
        m_widget->setGeometry(rect.ToQRect());
    Notify(kNotifyBoundsChanged);
}

void RVADM_Item::GetBestSize(RVADM_Point& size) const
{
    const QSize hint = m_widget != nullptr ? m_widget->sizeHint() : QSize(0, 0);
    size = {hint.width(), hint.height()};
}

void RVADM_Item::Enable(bool enable)
{
    if (m_widget != nullptr)
        m_widget->setEnabled(enable);
}

bool RVADM_Item::IsEnabled() const
{
    return m_widget != nullptr && m_widget->isEnabled();
}

void RVADM_Item::GetTextInt(QString& text) const
{
    text.clear();
    if (m_widget != nullptr)
        internal::WidgetText::Read(*m_widget, text);
}

void RVADM_Item::SetTextInt(const QString& text)
{
    if (m_widget != nullptr && internal::WidgetText::Write(*m_widget, text))
        return;
    if (auto* numeric = dynamic_cast<internal::RVADM_NumericEditAccess*>(this)) {
        numeric->ReplaceText(text);
        return;
    }
    throw std::runtime_error("Call to SetTextInt() failed!");
}

RVADM_Rect RVADM_Item::Bounds() const
{
    RVADM_Rect r;
    GetBoundsRect(r);
    return r;
}

std::int32_t RVADM_Item::GetLeft() const { return Bounds().left; }
std::int32_t RVADM_Item::GetTop() const { return Bounds().top; }
std::int32_t RVADM_Item::GetRight() const { return Bounds().right; }
std::int32_t RVADM_Item::GetBottom() const { return Bounds().bottom; }
std::int32_t RVADM_Item::GetWidth() const { return Bounds().Width(); }
std::int32_t RVADM_Item::GetHeight() const { return Bounds().Height(); }

void RVADM_Item::GetSize(std::int32_t& width, std::int32_t& height) const
{
    const RVADM_Rect r = Bounds();
    width = r.Width();
    height = r.Height();
}

void RVADM_Item::SetWidth(std::int32_t width)
{
    RVADM_Rect r = Bounds();
    r.right = r.left + width;
    SetBoundsRect(r);
}

void RVADM_Item::SetHeight(std::int32_t height)
{
    RVADM_Rect r = Bounds();
    r.bottom = r.top + height;
    SetBoundsRect(r);
}

void RVADM_Item::MoveTo(std::int32_t x, std::int32_t y)
{
    MoveBy(x, y, false);
}

void RVADM_Item::Move(std::int32_t dx, std::int32_t dy)
{
    MoveBy(dx, dy, true);
}

void RVADM_Item::MoveBy(std::int32_t x, std::int32_t y, bool relative)
{
    const RVADM_Rect r = Bounds();
    const std::int32_t left = relative ? r.left + x : x;
    const std::int32_t top = relative ? r.top + y : y;
    SetBoundsRect({left, top, left + r.Width(), top + r.Height()});
}

void RVADM_Item::SetSize(std::int32_t width, std::int32_t height)
{
    const RVADM_Rect r = Bounds();
    SetBoundsRect({r.left, r.top, r.left + width, r.top + height});
}

void RVADM_Item::Grow(std::int32_t dw, std::int32_t dh)
{
    if (dw == 0 && dh == 0)
        return;
    const RVADM_Rect r = Bounds();
    SetBoundsRect({r.left, r.top, r.right + dw, r.bottom + dh});
}

void RVADM_Item::FitToBestSize()
{
    RVADM_Point best;
    GetBestSize(best);
    SetSize(best.h, best.v);
}

std::int32_t RVADM_Item::GetDeviceWidth() const
{
    std::int32_t width = 0;
    std::int32_t height = 0;
    GetDeviceSize(width, height);
    return width;
}

std::int32_t RVADM_Item::GetDeviceHeight() const
{
    std::int32_t width = 0;
    std::int32_t height = 0;
    GetDeviceSize(width, height);
    return height;
}

void RVADM_Item::GetDeviceSize(std::int32_t& width, std::int32_t& height) const
{
    RVADM_Rect r;
    GetDeviceBoundsRect(r);
    width = r.Width();
    height = r.Height();
}

void RVADM_Item::GetDeviceBoundsRect(RVADM_Rect& rect) const
{
    const RVADM_Rect r = Bounds();
    const double ratio = m_widget != nullptr ? m_widget->devicePixelRatio() : 1;
    rect = {ToDevice(r.left, ratio), ToDevice(r.top, ratio), ToDevice(r.right, ratio), ToDevice(r.bottom, ratio)};
}

void RVADM_Item::SetDeviceBoundsRect(const RVADM_Rect& rect)
{
    const double factor = 1.0 / (m_widget != nullptr ? m_widget->devicePixelRatio() : 1);
    SetBoundsRect({ToDevice(rect.left, factor), ToDevice(rect.top, factor), ToDevice(rect.right, factor),
                   ToDevice(rect.bottom, factor)});
}

void RVADM_Item::SetFontSize(int variant)
{
    if (m_widget == nullptr)
        return;
    if (variant == 0) {
        variant = RVADMQtManager::QtManager::IsOnNonModalDialog(m_widget) ? kPanelFontVariant : kDialogFontVariant;
    }
    m_widget->setFont(FontFor(m_widget->font(), variant));
    FitToBestSize();
}

std::int32_t RVADM_Item::GetTextWidth(const char* text) const
{
    if (m_widget == nullptr || text == nullptr)
        return -1;
    return QFontMetrics(m_widget->font()).boundingRect(QString::fromUtf8(text)).width() + 1;
}

void RVADM_Item::SetAutoRaise(bool autoRaise)
{
    if (auto* button = qobject_cast<QToolButton*>(m_widget))
        button->setAutoRaise(autoRaise);
}

void RVADM_Item::AlignTo(const RVADM_Rect& reference, std::uint32_t flags)
{
    SetBoundsRect(RectAlignment::Align(reference, Bounds(), flags));
}

void RVADM_Item::AlignTo(RVADM_Item* reference, RVADM_Item* item, std::uint32_t flags)
{
    if (reference == nullptr || item == nullptr)
        return;
    item->AlignTo(reference->Bounds(), flags);
}

void RVADM_Item::AlignItems(std::uint32_t flags, RVADM_Item* item1, RVADM_Item* item2, RVADM_Item* item3,
                            RVADM_Item* item4, RVADM_Item* item5, RVADM_Item* item6, RVADM_Item* item7,
                            RVADM_Item* item8, RVADM_Item* item9, RVADM_Item* item10)
{
    std::vector<RVADM_Item*> items;
    for (RVADM_Item* item : {item1, item2, item3, item4, item5, item6, item7, item8, item9, item10}) {
        if (item != nullptr)
            items.push_back(item);
    }
    RVADM_Rect reference;
    for (const RVADM_Item* item : items)
        reference = RectAlignment::Union(reference, item->Bounds());
    for (RVADM_Item* item : items)
        item->AlignTo(reference, flags);
}

void RVADM_Item::PlaceInParent(RVADM_Item* item, std::uint32_t flags)
{
    if (item == nullptr || item->GetParent() == nullptr)
        return;
    RVADM_Rect inner;
    item->GetParent()->GetInnerRect(inner);
    item->AlignTo(inner, flags);
}

void RVADM_Item::FitParentTo(RVADM_Item* item, std::uint32_t flags)
{
    if (item == nullptr || item->GetParent() == nullptr)
        return;
    RVADM_ItemParent& parent = *item->GetParent();
    RVADM_Rect inner;
    parent.GetInnerRect(inner);
    parent.SetInnerRect(RectAlignment::Align(item->Bounds(), inner, flags));
}

void RVADM_Item::MoveBeside(RVADM_Item* reference, RVADM_Item* item, std::uint32_t flags, std::int32_t spacing,
                            RectAlignment::Side side)
{
    if (reference == nullptr || item == nullptr)
        return;
    if (flags != kAlignNone)
        AlignTo(reference, item, flags);
    if (spacing == DefaultSpacing)
        spacing = MetricsOf(*item).GapBeside(side, reference->GetKind(), item->GetKind());
    item->SetBoundsRect(RectAlignment::MoveBeside(reference->Bounds(), item->Bounds(), side, spacing));
}

void RVADM_Item::MoveBelow(RVADM_Item* reference, RVADM_Item* item, std::uint32_t flags, std::int32_t spacing)
{
    MoveBeside(reference, item, flags, spacing, RectAlignment::Side::Below);
}

void RVADM_Item::MoveAbove(RVADM_Item* reference, RVADM_Item* item, std::uint32_t flags, std::int32_t spacing)
{
    MoveBeside(reference, item, flags, spacing, RectAlignment::Side::Above);
}

void RVADM_Item::MoveRightOf(RVADM_Item* reference, RVADM_Item* item, std::uint32_t flags, std::int32_t spacing)
{
    MoveBeside(reference, item, flags, spacing, RectAlignment::Side::RightOf);
}

void RVADM_Item::MoveLeftOf(RVADM_Item* reference, RVADM_Item* item, std::uint32_t flags, std::int32_t spacing)
{
    MoveBeside(reference, item, flags, spacing, RectAlignment::Side::LeftOf);
}

void RVADM_Item::ConnectToDialog(const char* signal, const char* slot, bool queued)
{
    RVADM_Dialog* dialog = GetDialog();
    QWidget* receiver = dialog != nullptr ? dialog->GetWidget() : nullptr;
    if (m_widget == nullptr || receiver == nullptr ||
        !QObject::connect(m_widget, signal, receiver, slot, queued ? Qt::QueuedConnection : Qt::AutoConnection)) {
        throw std::runtime_error("Connection to dialog slot failed!");
    }
}

void RVADM_Item::DisconnectFromDialog(const char* slot)
{
    RVADM_Dialog* dialog = GetDialog();
    QWidget* receiver = dialog != nullptr ? dialog->GetWidget() : nullptr;
    if (m_widget != nullptr && receiver != nullptr)
        QObject::disconnect(m_widget, nullptr, receiver, slot);
}

void RVADM_Item::CallDialogSlot(const char* name)
{
    RVADM_Dialog* dialog = GetDialog();
    QWidget* receiver = dialog != nullptr ? dialog->GetWidget() : nullptr;
    if (receiver == nullptr)
        throw std::runtime_error("Meta-call to dialog slot failed!");
    dialog->SetNotifyingItem(this);
    bool called = false;
    try {
        called = QMetaObject::invokeMethod(receiver, name, Qt::DirectConnection);
    } catch (...) {
        dialog->SetNotifyingItem(nullptr);
        throw;
    }
    dialog->SetNotifyingItem(nullptr);
    if (!called)
        throw std::runtime_error("Meta-call to dialog slot failed!");
}

} // namespace qRVADM
