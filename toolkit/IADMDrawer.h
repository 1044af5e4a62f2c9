#pragma once

class QColor;
class QPainter;

namespace qRVADM {

class DefaultPainter;

// What an item's `Draw` hook paints with: a painter that is active on the item's widget, the
// item's default painting and the theme's drawing colours.
class IADMDrawer
{
public:
    IADMDrawer() = default;
    IADMDrawer(const IADMDrawer&) = delete;
    IADMDrawer& operator=(const IADMDrawer&) = delete;
    virtual ~IADMDrawer();

    virtual QPainter& GetPainter() = 0;
    virtual DefaultPainter& GetDefaultPainter() = 0;
    // A theme colour by the manager library's control colour id (1 is the drawing colour).
    virtual QColor GetColor(int colorId) const = 0;
};

} // namespace qRVADM
