#include "viewer/canvas/CanvasCursor.h"

#include "toolkit/RVADM_Pictures.h"
#include "viewer/model/ToolBase.h"

#include <QCursor>
#include <QPixmap>
#include <QVariant>
#include <QWidget>

#include <cmath>
#include <optional>

namespace {

struct PictureCursor
{
    std::int32_t id;
    int hotX;  // logical pixels
    int hotY;
};

constexpr PictureCursor kPictureCursors[] = {
    {ToolBase::kZoomInCursor, 8, 8},
    {ToolBase::kZoomOutCursor, 8, 8},
    {ToolBase::kPanCursor, 11, 11},
};

constexpr int kFollowHostTheme = 0;

std::int32_t g_cursorId = -1;

// Null when `id` names no picture cursor or its picture cannot be loaded.
std::optional<QCursor> MakeCursor(std::int32_t id, double ratio)
{
    if (id == ToolBase::kArrowCursor)
        return QCursor(Qt::ArrowCursor);
    for (const PictureCursor& cursor : kPictureCursors) {
        if (cursor.id != id)
            continue;
        const QPixmap picture = qRVADM::LoadPicture(id, ratio, kFollowHostTheme);
        if (picture.isNull())
            return std::nullopt;
        // A fractional ratio puts the hot spot between pixels: the nearest holds it.
        return QCursor(picture, static_cast<int>(std::lround(cursor.hotX * ratio)),
                       static_cast<int>(std::lround(cursor.hotY * ratio)));
    }
    return std::nullopt;
}

}  // namespace

void CanvasCursor::Set(QWidget& canvas, std::int32_t id)
{
    if (id == g_cursorId)
        return;
    if (const std::optional<QCursor> cursor = MakeCursor(id, canvas.devicePixelRatioF())) {
        canvas.setCursor(*cursor);
        canvas.setProperty(kIdProperty, id);
        g_cursorId = id;
    }
}

std::int32_t CanvasCursor::CurrentId()
{
    return g_cursorId;
}
