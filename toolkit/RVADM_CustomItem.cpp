#include "toolkit/RVADM_CustomItem.h"

#include "toolkit/ItemDefaultPainter.h"
#include "toolkit/RVADM_AppContextScope.h"
#include "toolkit/RVADM_Tracker.h"
#include "toolkit/RVADM_WidgetDrawer.h"

#include <QCursor>
#include <QPainter>

namespace qRVADM {
namespace {

struct ButtonAction
{
    Qt::MouseButton button;
    std::int32_t press;
};

constexpr ButtonAction kButtonActions[] = {
    {Qt::LeftButton, 2},
    {Qt::MiddleButton, 3},
    {Qt::RightButton, 4},
};

constexpr std::int32_t kDoubleClick = 1000;
constexpr std::int32_t kDragLeft = 1;
constexpr std::int32_t kMove = -1;
constexpr std::int32_t kKeyStroke = -15;
constexpr std::int32_t kSpaceReleased = -9;

struct KeyCode
{
    int qtKey;
    std::int32_t code;
};

constexpr KeyCode kKeyCodes[] = {
    {Qt::Key_Escape, 27},
    {Qt::Key_Space, 32},
    {Qt::Key_Shift, 241},
    {Qt::Key_Control, 244},
};

constexpr std::int32_t kDigitZero = 48;
constexpr std::int32_t kKeypadDigitZero = 224;

// 0 for a button without an action.
std::int32_t PressAction(Qt::MouseButton button)
{
    for (const ButtonAction& entry : kButtonActions) {
        if (entry.button == button)
            return entry.press;
    }
    return 0;
}

} // namespace

RVADM_CustomItem::RVADM_CustomItem(RVADM_ItemParent* parent)
    : RVADM_QMetaObjectProxy(parent, kKindCustomItem)
{
}

std::int32_t RVADM_CustomItem::TrackerKeyCode(int qtKey, Qt::KeyboardModifiers modifiers)
{
    if (qtKey == Qt::Key_0)
        return modifiers & Qt::KeypadModifier ? kKeypadDigitZero : kDigitZero;
    for (const KeyCode& entry : kKeyCodes) {
        if (entry.qtKey == qtKey)
            return entry.code;
    }
    return 0;
}

void RVADM_CustomItem::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    ItemDefaultPainter<RVADM_CustomItem> defaultPainter(*this);
    RVADM_WidgetDrawer drawer(painter, defaultPainter, *this);
    const RVADM_AppContextScope context;
    Draw(drawer);
}

void RVADM_CustomItem::RunTrack(std::int32_t action, std::int32_t key, const QPoint& position)
{
    const RVADM_AppContextScope context;
    Track(RVADM_Tracker(action, GetInputState(), key, RVADM_Point::FromQPoint(position)));
}

void RVADM_CustomItem::TrackKey(std::int32_t action, const QKeyEvent* event)
{
    RunTrack(action, TrackerKeyCode(event->key(), event->modifiers()), mapFromGlobal(QCursor::pos()));
}

void RVADM_CustomItem::OnKeyPress(QKeyEvent* event)
{
    TrackKey(kKeyStroke, event);
}

void RVADM_CustomItem::OnKeyRelease(QKeyEvent* event)
{
    const bool spaceUp = event->key() == Qt::Key_Space && !event->isAutoRepeat();
    TrackKey(spaceUp ? kSpaceReleased : kKeyStroke, event);
}

void RVADM_CustomItem::OnMousePress(QMouseEvent* event)
{
    if (const std::int32_t action = PressAction(event->button()))
        RunTrack(action, 0, event->pos());
}

void RVADM_CustomItem::OnMouseRelease(QMouseEvent* event)
{
    if (const std::int32_t action = PressAction(event->button()))
        RunTrack(-action, 0, event->pos());
}

void RVADM_CustomItem::OnMouseMove(QMouseEvent* event)
{
    RunTrack(event->buttons() & Qt::LeftButton ? kDragLeft : kMove, 0, event->pos());
}

void RVADM_CustomItem::OnMouseDoubleClick(QMouseEvent* event)
{
    RunTrack(kDoubleClick, 0, event->pos());
}

} // namespace qRVADM
