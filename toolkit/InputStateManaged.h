#pragma once

#include "toolkit/RVADM_Types.h"

#include <QKeyEvent>
#include <QMouseEvent>

namespace qRVADM {

// A widget of class W that records the `InputState` bits (modifiers, mouse buttons, space bar)
// of every key and mouse event before its own hook for that event and then W's handler run.
template <class W>
class InputStateManaged : public W
{
public:
    using W::W;

    std::uint32_t GetInputState() const { return m_inputState; }

protected:
    virtual void OnKeyPress(QKeyEvent*) {}
    virtual void OnKeyRelease(QKeyEvent*) {}
    virtual void OnMousePress(QMouseEvent*) {}
    virtual void OnMouseRelease(QMouseEvent*) {}
    virtual void OnMouseMove(QMouseEvent*) {}
    virtual void OnMouseDoubleClick(QMouseEvent*) {}

    void keyPressEvent(QKeyEvent* event) override
    {
        RecordKey(event, true);
        OnKeyPress(event);
        W::keyPressEvent(event);
    }

    void keyReleaseEvent(QKeyEvent* event) override
    {
        RecordKey(event, false);
        OnKeyRelease(event);
        W::keyReleaseEvent(event);
    }

    void mousePressEvent(QMouseEvent* event) override
    {
        RecordMouse(event);
        if (!m_inDoubleClick)
            OnMousePress(event);
        W::mousePressEvent(event);
    }

    void mouseReleaseEvent(QMouseEvent* event) override
    {
        RecordMouse(event);
        OnMouseRelease(event);
        W::mouseReleaseEvent(event);
    }

    void mouseMoveEvent(QMouseEvent* event) override
    {
        RecordMouse(event);
        OnMouseMove(event);
        W::mouseMoveEvent(event);
    }

    void mouseDoubleClickEvent(QMouseEvent* event) override
    {
        RecordMouse(event);
        OnMouseDoubleClick(event);
        // QWidget turns a double click into a press; that press belongs to this event's hook.
        m_inDoubleClick = true;
        W::mouseDoubleClickEvent(event);
        m_inDoubleClick = false;
    }

private:
    static constexpr std::uint32_t kModifierBits = kInputShift | kInputControl | kInputAlt;
    static constexpr std::uint32_t kButtonBits = kInputLeftButton | kInputMiddleButton | kInputRightButton;

    void RecordModifiers(Qt::KeyboardModifiers modifiers)
    {
        m_inputState &= ~kModifierBits;
        if (modifiers & Qt::ShiftModifier)
            m_inputState |= kInputShift;
        if (modifiers & Qt::ControlModifier)
            m_inputState |= kInputControl;
        if (modifiers & Qt::AltModifier)
            m_inputState |= kInputAlt;
    }

    void RecordKey(const QKeyEvent* event, bool pressed)
    {
        if (event->key() == Qt::Key_Space) {
            if (pressed)
                m_inputState |= kInputSpace;
            else
                m_inputState &= ~static_cast<std::uint32_t>(kInputSpace);
        }
        RecordModifiers(event->modifiers());
    }

    void RecordMouse(const QMouseEvent* event)
    {
        m_inputState &= ~kButtonBits;
        if (event->buttons() & Qt::LeftButton)
            m_inputState |= kInputLeftButton;
        if (event->buttons() & Qt::MiddleButton)
            m_inputState |= kInputMiddleButton;
        if (event->buttons() & Qt::RightButton)
            m_inputState |= kInputRightButton;
        RecordModifiers(event->modifiers());
    }

    std::uint32_t m_inputState = 0;
    bool m_inDoubleClick = false;
};

} // namespace qRVADM
