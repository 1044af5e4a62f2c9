#pragma once

#include "toolkit/RVADM_Types.h"
#include "toolkit/internal/RVADM_ItemBase.h"

class QPoint;

namespace qRVADM {

class DialogMetrics;

// Anything that contains items: a local coordinate system (its widget's) with margins.
class RVADM_ItemParent : public virtual internal::RVADM_ItemBase
{
public:
    RVADM_ItemParent() = default;

    // The content rectangle of the widget, exclusive.
    virtual void GetLocalRect(RVADM_Rect& rect) const;
    // Resizes the widget so that its content rectangle gets the size of `rect`; position kept.
    virtual void SetLocalRect(const RVADM_Rect& rect);
    virtual void ScreenToLocalPoint(RVADM_Point& point) const;
    virtual void LocalToScreenPoint(RVADM_Point& point) const;
    virtual void ParentToLocalPoint(RVADM_Point& point) const;
    virtual void LocalToParentPoint(RVADM_Point& point) const;
    // Rectangles move by the displacement of their top-left corner.
    virtual void ScreenToLocalRect(RVADM_Rect& rect) const;
    virtual void LocalToScreenRect(RVADM_Rect& rect) const;
    virtual void ParentToLocalRect(RVADM_Rect& rect) const;
    virtual void LocalToParentRect(RVADM_Rect& rect) const;

    // Negative margins become 0.
    void SetMargins(const RVADM_Rect& margins);
    void SetMargins(std::int32_t all);
    const RVADM_Rect& GetMargins() const { return m_margins; }
    // The local rectangle shrunk by the margins.
    void GetInnerRect(RVADM_Rect& rect) const;
    // Sets the local rectangle to `rect` grown by the margins.
    void SetInnerRect(const RVADM_Rect& rect);
    // Dialog margins: top from index 17, the others from index 18.
    void SetMarginsFromMetrics(const DialogMetrics& metrics);
    // Frame margins for a frame width m: m, m/2, m, m.
    void SetMarginsFromFrameWidth(std::int32_t width);

private:
    void MapPoint(RVADM_Point& point, QPoint (QWidget::*map)(const QPoint&) const) const;
    // Moves `rect` by the displacement that `convert` gives its top-left corner.
    void MapRect(RVADM_Rect& rect, void (RVADM_ItemParent::*convert)(RVADM_Point&) const) const;

    RVADM_Rect m_margins; // left, top, right, bottom
};

} // namespace qRVADM
