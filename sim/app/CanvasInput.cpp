#include "sim/app/CanvasInput.h"

#include <QApplication>
#include <QCursor>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QVariant>
#include <QWidget>

namespace hostapp {
namespace {

constexpr const char* kCursorIdProperty = "_hueline_cursorid";

struct NamedCursor
{
    int id;
    const char* name;
};

// The viewer's tool cursors by their picture ids (docs/pictures.md); -4 is Qt's arrow.
constexpr NamedCursor kCursors[] = {
    {16204, "zoom-in"},
    {16205, "zoom-out"},
    {16207, "pan"},
    {-4, "arrow"},
};

struct NamedKey
{
    const char* name;
    Qt::Key key;
    Qt::KeyboardModifier modifier;  // NoModifier for the space bar
};

constexpr NamedKey kKeys[] = {
    {"space", Qt::Key_Space, Qt::NoModifier},
    {"control", Qt::Key_Control, Qt::ControlModifier},
    {"alt", Qt::Key_Alt, Qt::AltModifier},
    {"shift", Qt::Key_Shift, Qt::ShiftModifier},
};

}  // namespace

QWidget* CanvasInput::FindCanvas(const std::vector<QWidget*>& roots)
{
    for (QWidget* root : roots)
        for (QWidget* widget : root->findChildren<QWidget*>())
            if (widget->isVisible() && widget->property(kCursorIdProperty).isValid())
                return widget;
    return nullptr;
}

QString CanvasInput::CursorName(const QWidget& canvas)
{
    const int id = canvas.property(kCursorIdProperty).toInt();
    for (const NamedCursor& cursor : kCursors)
        if (cursor.id == id)
            return QString::fromLatin1(cursor.name);
    return QStringLiteral("none");
}

std::optional<Qt::Key> CanvasInput::KeyNamed(const QString& name)
{
    for (const NamedKey& entry : kKeys)
        if (name == QLatin1String(entry.name))
            return entry.key;
    return std::nullopt;
}

void CanvasInput::Press(QWidget& canvas, const QPoint& point, Qt::MouseButton button)
{
    m_buttons |= button;
    SendMouse(canvas, QEvent::MouseButtonPress, point, button);
}

void CanvasInput::Move(QWidget& canvas, const QPoint& point)
{
    SendMouse(canvas, QEvent::MouseMove, point, Qt::NoButton);
}

void CanvasInput::Release(QWidget& canvas, const QPoint& point, Qt::MouseButton button)
{
    m_buttons &= ~button;
    SendMouse(canvas, QEvent::MouseButtonRelease, point, button);
}

void CanvasInput::Key(QWidget& target, Qt::Key key, bool press)
{
    // A modifier key's own event carries the modifiers from before it, as a real keyboard's does:
    // QKeyEvent::modifiers() then reports them as they are after it.
    QKeyEvent event(press ? QEvent::KeyPress : QEvent::KeyRelease, key, m_modifiers);
    for (const NamedKey& entry : kKeys)
        if (entry.key == key && entry.modifier != Qt::NoModifier)
            m_modifiers.setFlag(entry.modifier, press);
    QApplication::sendEvent(&target, &event);
}

void CanvasInput::SendMouse(QWidget& canvas, int type, const QPoint& point, Qt::MouseButton button)
{
    QCursor::setPos(canvas.mapToGlobal(point));
    QMouseEvent event(static_cast<QEvent::Type>(type), point, canvas.mapToGlobal(point), button, m_buttons, m_modifiers);
    QApplication::sendEvent(&canvas, &event);
}

}  // namespace hostapp
