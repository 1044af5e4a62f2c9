// The host's panel window is a Qt container widget: the dialog becomes its child.

#include "toolkit/internal/RVADM_PanelEmbedding.h"

#include <QWidget>

namespace qRVADM::internal {

std::unique_ptr<QWidget> EmbedInPanel(QWidget& dialog, AIWindowRef window)
{
    dialog.setParent(static_cast<QWidget*>(window));
    dialog.move(0, 0);
    dialog.show();
    return nullptr;
}

QSize PanelContentSize(AIWindowRef window, const QWidget&)
{
    return static_cast<const QWidget*>(window)->size();
}

} // namespace qRVADM::internal
