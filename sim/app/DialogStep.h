#pragma once

#include <string>

class QDialog;

namespace hostapp {

// What a script does in a modal dialog before it clicks the dialog's answer: types into one of
// its edits, selects a row of one of its lists or chooses an entry of a drop-down list, as a
// person would.
struct DialogStep
{
    enum class Action
    {
        Type,    // `text` typed into the edit showing `control` or right of (else below) that label
        Select,  // the list row showing `text` selected with a click
        Choose,  // the entry `text` chosen in the drop-down list showing `control` or right of (else below) that label
    };

    Action action;
    std::string control;
    std::string text;

    // Carries the step out in `dialog`; the problem when it cannot be, else empty.
    std::string Perform(QDialog& dialog) const;
};

}  // namespace hostapp
