#include "settings/ui/ModalItemSizes.h"

#include "toolkit/DialogMetrics.h"
#include "toolkit/RVADM_Item.h"

#include <algorithm>

namespace ModalItemSizes {
namespace {

const qRVADM::DialogMetrics& Metrics()
{
    return qRVADM::DialogMetrics::ForModalDialogs();
}

} // namespace

void SizeButton(qRVADM::RVADM_Item& button)
{
    using qRVADM::DialogMetrics;
    const std::int32_t width = std::max(Metrics().Get(DialogMetrics::kButtonMinWidth),
                                        DialogMetrics::TextWidth(button) + Metrics().Get(DialogMetrics::kButtonExtraWidth));
    button.SetSize(width, Metrics().Get(DialogMetrics::kButtonHeight));
}

void SizeEdit(qRVADM::RVADM_Item& edit, std::int32_t width)
{
    edit.SetSize(width, Metrics().Get(qRVADM::DialogMetrics::kEditHeight));
}

void FitToBest(qRVADM::RVADM_Item& item)
{
    qRVADM::RVADM_Point best;
    item.GetBestSize(best);
    item.SetSize(best.h, best.v);
}

std::int32_t BestWidth(const qRVADM::RVADM_Item& item)
{
    qRVADM::RVADM_Point best;
    item.GetBestSize(best);
    return best.h;
}

} // namespace ModalItemSizes
