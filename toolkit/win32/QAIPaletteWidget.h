#pragma once

#include "toolkit/win32/QWinWidget.h"

namespace qRVADM {

// The container of a non-modal dialog inside a host panel's native window. Windows only.
class QAIPaletteWidget : public QWinWidget
{
    Q_OBJECT

public:
    QAIPaletteWidget(HWND panelWindow, QObject* parent);
};

} // namespace qRVADM
