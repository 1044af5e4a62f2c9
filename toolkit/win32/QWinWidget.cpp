#include "toolkit/win32/QWinWidget.h"

#include "toolkit/internal/RVADM_FocusRules.h"

#include <QChildEvent>
#include <QCoreApplication>
#include <QFocusEvent>
#include <QGuiApplication>
#include <QVariant>
#include <QWindow>
#include <qpa/qplatformnativeinterface.h>

namespace {

constexpr LONG_PTR kEmbeddedStyle = WS_CHILD | WS_CLIPSIBLINGS | WS_CLIPCHILDREN;

bool IsDown(int virtualKey)
{
    return (GetKeyState(virtualKey) & 0x8000) != 0;
}

} // namespace

QWinWidget::QWinWidget(HWND parentWindow, QObject* parent, Qt::WindowFlags flags)
    : QWidget(nullptr, flags)
    , m_parentWindow(parentWindow)
{
    if (parent != nullptr)
        connect(parent, &QObject::destroyed, this, [this] { delete this; });
    if (m_parentWindow != nullptr)
        Embed();
}

QWinWidget::~QWinWidget()
{
    EnableParent();
}

// The widget's own native window becomes a child window of the foreign parent; Qt treats it as
// foreign from then on and is told that it is embedded.
void QWinWidget::Embed()
{
    SetWindowLongPtrW(reinterpret_cast<HWND>(winId()), GWL_STYLE, kEmbeddedStyle);
    QWindow* window = windowHandle();
    window->setProperty("_q_embedded_native_parent_handle", QVariant::fromValue(reinterpret_cast<WId>(m_parentWindow)));
    auto* own = static_cast<HWND>(
        QGuiApplication::platformNativeInterface()->nativeResourceForWindow(QByteArrayLiteral("handle"), window));
    SetParent(own, m_parentWindow);
    window->setFlags(window->flags() | Qt::ForeignWindow);
    QEvent embedding(QEvent::EmbeddingControl);
    QCoreApplication::sendEvent(this, &embedding);
}

void QWinWidget::show()
{
    SaveFocus();
    QWidget::show();
}

void QWinWidget::showCentered()
{
    center();
    show();
}

void QWinWidget::center()
{
    for (const QWidget* child : findChildren<QWidget*>(QString(), Qt::FindDirectChildrenOnly)) {
        if (!child->isWindow()) {
            qWarning("QWinWidget::center: Call this function only for QWinWidgets with toplevel children");
            break;
        }
    }
    RECT bounds{};
    if (m_parentWindow == nullptr || !GetWindowRect(m_parentWindow, &bounds))
        return;
    const QPoint centre((bounds.left + bounds.right) / 2, (bounds.top + bounds.bottom) / 2);
    move(centre - QPoint(width() / 2, height() / 2));
}

void QWinWidget::SaveFocus()
{
    m_previousFocus = GetFocus();
    if (m_previousFocus == nullptr)
        m_previousFocus = m_parentWindow;
}

void QWinWidget::RestoreFocus()
{
    SetFocus(m_previousFocus != nullptr ? m_previousFocus : m_parentWindow);
    m_previousFocus = nullptr;
}

void QWinWidget::EnableParent()
{
    if (!m_parentDisabledByModal)
        return;
    EnableWindow(m_parentWindow, TRUE);
    m_parentDisabledByModal = false;
}

void QWinWidget::childEvent(QChildEvent* event)
{
    if (qRVADM::internal::WatchWidgetChild(*this, *event))
        EnableParent();
    QWidget::childEvent(event);
}

bool QWinWidget::eventFilter(QObject* watched, QEvent* event)
{
    auto* child = qobject_cast<QWidget*>(watched);
    if (child == nullptr || !child->isWindow() || m_parentWindow == nullptr)
        return QWidget::eventFilter(watched, event);
    switch (event->type()) {
    case QEvent::Show:
        if (m_previousFocus == nullptr)
            SaveFocus();
        hide();
        if (child->isModal()) {
            EnableWindow(m_parentWindow, FALSE);
            m_parentDisabledByModal = true;
        }
        break;
    case QEvent::Hide:
        EnableParent();
        RestoreFocus();
        if (child->testAttribute(Qt::WA_DeleteOnClose))
            deleteLater();
        break;
    case QEvent::Close:
        SetActiveWindow(m_parentWindow);
        if (child->testAttribute(Qt::WA_DeleteOnClose))
            deleteLater();
        break;
    case QEvent::WindowDeactivate:
        if (child->isVisible() && child->isModal())
            BringWindowToTop(m_parentWindow);
        break;
    default:
        break;
    }
    return QWidget::eventFilter(watched, event);
}

void QWinWidget::focusInEvent(QFocusEvent* event)
{
    const Qt::FocusReason reason = event->reason();
    if (reason == Qt::TabFocusReason || reason == Qt::BacktabFocusReason)
        qRVADM::internal::FocusContainerEdge(*this, reason == Qt::TabFocusReason, reason);
    QWidget::focusInEvent(event);
}

// Tab out of the last child or Shift+Tab out of the first leaves for the parent window instead of
// wrapping around inside the widget.
bool QWinWidget::focusNextPrevChild(bool next)
{
    if (m_parentWindow != nullptr && qRVADM::internal::FocusLeavesContainer(*this, next)) {
        SetFocus(m_parentWindow);
        return true;
    }
    return QWidget::focusNextPrevChild(next);
}

// The native focus arriving (WM_SETFOCUS) becomes a Qt focus-in whose reason tells where the
// user came from.
bool QWinWidget::nativeEvent(const QByteArray& eventType, void* message, long* result)
{
    const MSG* msg = static_cast<const MSG*>(message);
    if (msg->message == WM_SETFOCUS) {
        const bool mouseDown = IsDown(VK_LBUTTON) || IsDown(VK_RBUTTON);
        QFocusEvent focusIn(QEvent::FocusIn, qRVADM::internal::FocusReasonForArrival(mouseDown, IsDown(VK_SHIFT)));
        QCoreApplication::sendEvent(this, &focusIn);
    }
    return QWidget::nativeEvent(eventType, message, result);
}
