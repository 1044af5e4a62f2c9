#include "toolkit/win32/QAIPaletteWidget.h"

namespace qRVADM {

// Qt paints the panel's background itself, in the palette of the toolkit's theme.
QAIPaletteWidget::QAIPaletteWidget(HWND panelWindow, QObject* parent)
    : QWinWidget(panelWindow, parent)
{
    setAttribute(Qt::WA_StyledBackground);
    setAutoFillBackground(true);
}

} // namespace qRVADM
