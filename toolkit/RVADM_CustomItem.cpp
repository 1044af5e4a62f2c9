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
    {Qt::LeftButton, kTrackLeftDown},
    {Qt::MiddleButton, kTrackMiddleDown},
    {Qt::RightButton, kTrackRightDown},
};

struct KeyCode
{
    int qtKey;
    std::int32_t code;
};

constexpr KeyCode kKeyCodes[] = {
    {Qt::Key_Escape, kTrackKeyEscape},
    {Qt::Key_Space, kTrackKeySpace},
    {Qt::Key_Shift, kTrackKeyShift},
    {Qt::Key_Control, kTrackKeyControl},
};

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
        return modifiers & Qt::KeypadModifier ? kTrackKeyKeypadDigitZero : kTrackKeyDigitZero;
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
    TrackKey(kTrackKeyStroke, event);
}

void RVADM_CustomItem::OnKeyRelease(QKeyEvent* event)
{
    const bool spaceUp = event->key() == Qt::Key_Space && !event->isAutoRepeat();
    TrackKey(spaceUp ? kTrackSpaceUp : kTrackKeyStroke, event);
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
    RunTrack(event->buttons() & Qt::LeftButton ? kTrackDragLeft : kTrackMove, 0, event->pos());
}

void RVADM_CustomItem::OnMouseDoubleClick(QMouseEvent* event)
{
    RunTrack(kTrackDoubleClick, 0, event->pos());
}

} // namespace qRVADM
