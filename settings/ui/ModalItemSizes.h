#pragma once

#include <cstdint>

namespace qRVADM {
class RVADM_Item;
} // namespace qRVADM

// Sizes the modal dialogs (the dot gain dialogs, Save Proof As...) give their items before
// placing them, from the modal dialogs' metrics and the items' texts, so that every layout pass
// starts from the same sizes.
namespace ModalItemSizes {

// The text's width plus the button margin, at least the minimum button width; button height.
void SizeButton(qRVADM::RVADM_Item& button);
// `width` wide, edit height.
void SizeEdit(qRVADM::RVADM_Item& edit, std::int32_t width);
// The item's best size for its text.
void FitToBest(qRVADM::RVADM_Item& item);
std::int32_t BestWidth(const qRVADM::RVADM_Item& item);

} // namespace ModalItemSizes
