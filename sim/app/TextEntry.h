#pragma once

#include <Qt>

class QString;
class QWidget;

namespace hostapp {

// Typing into an edit the way a person does: the focus goes into it, what it shows is selected
// and replaced by the typed keys, and a last key ends the entry.
class TextEntry
{
public:
    // Types `text` into `input` (a line edit, spin box, editable drop-down or text edit), then
    // `finish`: Return on a panel, Tab in a dialog, where Return would press the default button.
    static void Replace(QWidget& input, const QString& text, Qt::Key finish);
};

}  // namespace hostapp
