#include "toolkit/internal/RVADM_FocusRules.h"

#include <QApplication>
#include <QChildEvent>
#include <QWidget>

#include <cmath>
#include <vector>

namespace qRVADM::internal {
namespace {

// Height of a panel's title bar at UI scale factor 1.
constexpr double kPanelTitleHeight = 32.0;

bool TakesTabFocus(const QWidget& container, const QWidget& widget)
{
    return (widget.focusPolicy() & Qt::TabFocus) == Qt::TabFocus && widget.focusProxy() == nullptr &&
           widget.isEnabled() && widget.isVisibleTo(&container) && container.isAncestorOf(&widget);
}

// The widgets inside `container` that Tab reaches, in the order of the window's focus chain.
std::vector<QWidget*> TabChain(const QWidget& container)
{
    std::vector<QWidget*> chain;
    for (QWidget* widget = container.nextInFocusChain(); widget != nullptr && widget != &container;
         widget = widget->nextInFocusChain()) {
        if (TakesTabFocus(container, *widget))
            chain.push_back(widget);
        if (widget->isWindow() && widget != container.window())
            break;
    }
    return chain;
}

} // namespace

Qt::FocusReason FocusReasonForArrival(bool mouseButtonDown, bool shiftDown)
{
    if (mouseButtonDown)
        return Qt::MouseFocusReason;
    return shiftDown ? Qt::BacktabFocusReason : Qt::TabFocusReason;
}

bool FocusLeavesContainer(const QWidget& container, bool forward)
{
    const QWidget* focus = QApplication::focusWidget();
    if (focus == nullptr || !container.isAncestorOf(focus))
        return false;
    const std::vector<QWidget*> chain = TabChain(container);
    return chain.empty() || focus == (forward ? chain.back() : chain.front());
}

bool FocusContainerEdge(QWidget& container, bool forward, Qt::FocusReason reason)
{
    const std::vector<QWidget*> chain = TabChain(container);
    if (chain.empty())
        return false;
    QWidget* edge = forward ? chain.front() : chain.back();
    edge->setFocus(reason);
    edge->setAttribute(Qt::WA_KeyboardFocusChange);
    edge->window()->setAttribute(Qt::WA_KeyboardFocusChange);
    return true;
}

bool WatchWidgetChild(QObject& watcher, const QChildEvent& event)
{
    QObject* child = event.child();
    if (!child->isWidgetType())
        return false;
    if (event.added())
        child->installEventFilter(&watcher);
    return event.removed();
}

AIPoint PanelScreenPosition(const AIRect& windowBounds, double uiScaleFactor)
{
    return {windowBounds.left - static_cast<ASInt32>(std::lround(uiScaleFactor)),
            windowBounds.top - static_cast<ASInt32>(std::lround(kPanelTitleHeight * uiScaleFactor))};
}

} // namespace qRVADM::internal
