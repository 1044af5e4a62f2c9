#pragma once

#include "toolkit/IADMDrawer.h"

class QWidget;

namespace qRVADM {

// The drawer of a paint event: a painter on a widget and that widget's default painting. Borrows
// all three for the duration of one `Draw` call.
class RVADM_WidgetDrawer final : public IADMDrawer
{
public:
    RVADM_WidgetDrawer(QPainter& painter, DefaultPainter& defaultPainter, const QWidget& widget);

    QPainter& GetPainter() override;
    DefaultPainter& GetDefaultPainter() override;
    QColor GetColor(int colorId) const override;

private:
    QPainter& m_painter;
    DefaultPainter& m_defaultPainter;
    const QWidget& m_widget;
};

} // namespace qRVADM
