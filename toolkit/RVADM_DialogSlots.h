#pragma once

// The notification slots every toolkit dialog exposes to Qt, in their fixed order, each with the
// way it delivers its item's notification. Expanded three times: as virtual operations of
// `RVADM_Dialog`, as their definitions, and as Qt slots of the QObject dialog classes (moc
// expands `RVADM_DIALOG_QT_SLOTS`).

namespace qRVADM::internal {

enum class SlotDelivery
{
    UserChanged,          // code 2
    Intermediate,         // code 3
    SelectionChanged,     // code 9
    Async,                // `OnAsyncNotify` (item)
    DoubleClickTarget,    // code 2 to the item's enabled double-click target
    TextEditCommitted,    // code 2; a text edit only when modified, clearing the mark first
    NumericEditCommitted, // code 2 only when the numeric edit's changed flag was set (cleared)
};

} // namespace qRVADM::internal

#define RVADM_DIALOG_SLOT_LIST(X)                                                                 \
    X(OnButtonClicked, UserChanged)                                                               \
    X(OnPictureButtonClicked, UserChanged)                                                        \
    X(OnLabelClicked, UserChanged)                                                                \
    X(OnHyperlinkClicked, UserChanged)                                                            \
    X(OnPictureLabelClicked, UserChanged)                                                         \
    X(OnRadioButtonClicked, UserChanged)                                                          \
    X(OnCheckBoxClicked, UserChanged)                                                             \
    X(OnListBoxChanged, UserChanged)                                                              \
    X(OnListBoxChangedAsync, Async)                                                               \
    X(OnListBoxItemDoubleClicked, DoubleClickTarget)                                              \
    X(OnComboBoxChanged, UserChanged)                                                             \
    X(OnComboBoxEdited, UserChanged)                                                              \
    X(OnComboBoxEditedAsync, Async)                                                               \
    X(OnSliderChanged, UserChanged)                                                               \
    X(OnSliderMoved, Intermediate)                                                                \
    X(OnScrollBarChanged, UserChanged)                                                            \
    X(OnTextEditChanged, TextEditCommitted)                                                       \
    X(OnIntermediateTextEditChanged, Intermediate)                                                \
    X(OnNumericTextEditChanged, NumericEditCommitted)                                             \
    X(OnTextEditSelectionChanged, SelectionChanged)                                               \
    X(OnActiveTabPanelChanged, UserChanged)

#define RVADM_DIALOG_FORWARD_SLOT(name, delivery)                                                 \
    void name() override { RVADM_Dialog::name(); }

// Placed in the body of a Q_OBJECT class derived from `RVADM_Dialog`; leaves the access private.
#define RVADM_DIALOG_QT_SLOTS                                                                     \
public Q_SLOTS:                                                                                   \
    RVADM_DIALOG_SLOT_LIST(RVADM_DIALOG_FORWARD_SLOT)                                             \
                                                                                                  \
protected:                                                                                        \
    QObject* SignalSender() const override { return sender(); }                                   \
                                                                                                  \
private:
