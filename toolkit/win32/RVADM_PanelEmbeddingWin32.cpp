// The host's panel window is a native window: the dialog lives in a palette widget embedded in it.

#include "toolkit/internal/RVADM_PanelEmbedding.h"

#include "toolkit/win32/QAIPaletteWidget.h"

#include <cmath>

namespace qRVADM::internal {

std::unique_ptr<QWidget> EmbedInPanel(QWidget& dialog, AIWindowRef window)
{
    auto host = std::make_unique<QAIPaletteWidget>(static_cast<HWND>(window), nullptr);
    dialog.setParent(host.get());
    dialog.move(0, 0);
    dialog.show();
    host->resize(PanelContentSize(window, dialog));
    host->show();
    return host;
}

QSize PanelContentSize(AIWindowRef window, const QWidget& dialog)
{
    RECT client{};
    if (!GetClientRect(static_cast<HWND>(window), &client))
        return dialog.size();
    const double ratio = dialog.devicePixelRatioF();
    return QSize(static_cast<int>(std::lround((client.right - client.left) / ratio)),
                 static_cast<int>(std::lround((client.bottom - client.top) / ratio)));
}

} // namespace qRVADM::internal
