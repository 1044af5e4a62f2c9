#pragma once

#include "toolkit/TrackerCodes.h"

#include <QPoint>
#include <QRect>

#include <cstdint>

namespace qRVADM {

// A rectangle in the host's dialog-item convention: right and bottom are exclusive, so a widget
// geometry (x, y, w, h) is the rectangle (x, y, x + w, y + h).
struct RVADM_Rect
{
    std::int32_t left = 0;
    std::int32_t top = 0;
    std::int32_t right = 0;
    std::int32_t bottom = 0;

    std::int32_t Width() const { return right - left; }
    std::int32_t Height() const { return bottom - top; }
    QRect ToQRect() const { return QRect(left, top, right - left, bottom - top); }
    // The rectangle shrunk by `inset` on every side.
    RVADM_Rect Inset(std::int32_t inset) const { return {left + inset, top + inset, right - inset, bottom - inset}; }
    static RVADM_Rect FromQRect(const QRect& r) { return {r.x(), r.y(), r.x() + r.width(), r.y() + r.height()}; }
    bool operator==(const RVADM_Rect& o) const
    {
        return left == o.left && top == o.top && right == o.right && bottom == o.bottom;
    }
    bool operator!=(const RVADM_Rect& o) const { return !(*this == o); }
};

struct RVADM_Point
{
    std::int32_t h = 0;
    std::int32_t v = 0;

    QPoint ToQPoint() const { return QPoint(h, v); }
    static RVADM_Point FromQPoint(const QPoint& p) { return {p.x(), p.y()}; }
    bool operator==(const RVADM_Point& o) const { return h == o.h && v == o.v; }
};

// Notification codes delivered to `RVADM_Item::Notify`.
enum NotifyCode : std::int32_t
{
    kNotifyBoundsChanged = 1,
    kNotifyUserChanged = 2,
    kNotifyIntermediateChange = 3,
    kNotifySelectionChanged = 9,
};

// Item kind codes; each control's constructor passes its own.
enum ItemKind : std::uint32_t
{
    kKindFrame = 1,
    kKindListBox = 4,
    kKindPicturePushButton = 7,
    kKindPictureLabel = 9,
    kKindDropDownList = 17,
    kKindCheckBox = 22,
    kKindTextEdit = 23,
    kKindTextPushButton = 29,
    kKindRadioButton = 30,
    kKindLabel = 31,
    kKindCustomItem = 35,
    kKindMultiLineEdit = 36,
};

// Placement flags (`ItemAlignment`), a bit set.
enum ItemAlignment : std::uint32_t
{
    kAlignMoveLeft = 0x1,
    kAlignMoveRight = 0x2,
    kAlignStretchLeft = 0x4,
    kAlignStretchRight = 0x8,
    kAlignCenterHorizontal = 0x10,
    kAlignMoveTop = 0x20,
    kAlignMoveBottom = 0x40,
    kAlignStretchTop = 0x80,
    kAlignStretchBottom = 0x100,
    kAlignCenterVertical = 0x200,
    kAlignNone = 0x400,
};

// Spacing argument of the MoveBelow/Above/RightOf/LeftOf helpers: use the metrics' gap.
constexpr std::int32_t DefaultSpacing = -9999;

} // namespace qRVADM
