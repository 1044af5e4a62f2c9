#pragma once

#include "toolkit/InputStateManaged.h"
#include "toolkit/RVADM_Item.h"
#include "toolkit/RVADM_QMetaObjectProxy.h"

#include <QWidget>

namespace qRVADM {

// Owner-drawn item: paint events run `Draw` and key and mouse events run `Track` with a tracker,
// both inside the host's application context. Tracker actions: press 2/3/4 and release -2/-3/-4
// for the left, middle and right button, 1000 for a double click, 1 for a move with the left
// button held and -1 for any other move, -15 for a key press or release and -9 for the release
// of the space bar (not auto-repeated).
class RVADM_CustomItem : public RVADM_QMetaObjectProxy<RVADM_Item, InputStateManaged<QWidget>>
{
public:
    explicit RVADM_CustomItem(RVADM_ItemParent* parent);

    // The tracker key code of a Qt key: Escape 27, Space 32, Shift 241, Control 244, the digit 0
    // 48 (224 from the keypad), every other key 0.
    static std::int32_t TrackerKeyCode(int qtKey, Qt::KeyboardModifiers modifiers);

protected:
    void paintEvent(QPaintEvent* event) override;
    void OnKeyPress(QKeyEvent* event) override;
    void OnKeyRelease(QKeyEvent* event) override;
    void OnMousePress(QMouseEvent* event) override;
    void OnMouseRelease(QMouseEvent* event) override;
    void OnMouseMove(QMouseEvent* event) override;
    void OnMouseDoubleClick(QMouseEvent* event) override;

private:
    void RunTrack(std::int32_t action, std::int32_t key, const QPoint& position);
    void TrackKey(std::int32_t action, const QKeyEvent* event);
};

} // namespace qRVADM
