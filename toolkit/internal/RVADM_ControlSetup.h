#pragma once

class QWidget;

namespace qRVADM {
class RVADM_Item;
} // namespace qRVADM

namespace qRVADM::internal {

// The start every control shares, after its widget exists: the font of its dialog family, then,
// when `text` is not null, the text through `SetText` (translated when `localize`), fitted.
void SetUpControl(RVADM_Item& item, const char* text, bool localize);

// Buttons take no keyboard focus on a non-modal dialog: the focus stays with the host.
void TakeNoFocusOnPanel(QWidget& widget);

} // namespace qRVADM::internal
