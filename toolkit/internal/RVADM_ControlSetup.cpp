#include "toolkit/internal/RVADM_ControlSetup.h"

#include "toolkit/RVADM_Item.h"

#include "RVADMQtManager.h"

#include <QWidget>

namespace qRVADM::internal {
namespace {

constexpr int kFontOfDialogFamily = 0;

} // namespace

void SetUpControl(RVADM_Item& item, const char* text, bool localize)
{
    item.SetFontSize(kFontOfDialogFamily);
    if (text != nullptr)
        item.SetText(text, localize, true);
}

void TakeNoFocusOnPanel(QWidget& widget)
{
    if (RVADMQtManager::QtManager::IsOnNonModalDialog(&widget))
        widget.setFocusPolicy(Qt::NoFocus);
}

} // namespace qRVADM::internal
