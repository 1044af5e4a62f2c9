#pragma once

#include <Qt>
#include <QPoint>
#include <QString>

#include <optional>
#include <vector>

class QWidget;

namespace hostapp {

// A person's mouse and keyboard on a plug-in's canvas and in the host's document view, for the
// host scripts' canvas and key commands. The canvas is the panel widget that publishes the id of
// its tool cursor in the widget property "_hueline_cursorid" (the viewer's preview). The buttons
// and the keys held (Shift, Control, Alt, the space bar) are kept across commands, as a real
// mouse and keyboard keep them, and go with every event sent. Host UI thread.
class CanvasInput
{
public:
    // The first visible canvas below `roots`, or null.
    static QWidget* FindCanvas(const std::vector<QWidget*>& roots);
    // The tool cursor the canvas shows, by its name ("zoom-in", "zoom-out", "pan", "arrow"), or
    // "none" before any.
    static QString CursorName(const QWidget& canvas);
    // The key named "space", "control", "alt" or "shift"; empty for other names.
    static std::optional<Qt::Key> KeyNamed(const QString& name);

    // Mouse events at `point`, in the canvas's logical pixels.
    void Press(QWidget& canvas, const QPoint& point, Qt::MouseButton button);
    void Move(QWidget& canvas, const QPoint& point);
    void Release(QWidget& canvas, const QPoint& point, Qt::MouseButton button);
    // A key pressed or released with the focus in `target`.
    void Key(QWidget& target, Qt::Key key, bool press);

private:
    void SendMouse(QWidget& canvas, int type, const QPoint& point, Qt::MouseButton button);

    Qt::MouseButtons m_buttons = Qt::NoButton;
    Qt::KeyboardModifiers m_modifiers = Qt::NoModifier;
};

}  // namespace hostapp
