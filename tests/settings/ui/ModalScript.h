#pragma once

// Drives modal dialogs without sleeping: the interaction is arranged before the dialog runs. Each
// step waits for the event loop of the dialog it expects, checks that the active modal widget
// shows the expected text (its window title or one of its labels) and acts on it. The next step
// is armed before a step acts, so a step that opens a nested dialog finds its successor waiting
// inside the nested loop. A dialog that is not the one expected, or one still open when the steps
// have run out, fails the test and is closed, so a test never hangs.

#include <QObject>
#include <QStringList>

#include <deque>
#include <functional>
#include <utility>
#include <vector>

class QAbstractSpinBox;
class QDialog;
class QLineEdit;
class QPushButton;

namespace qRVADM {
class RVADM_ListBox;
} // namespace qRVADM

class ModalScript : public QObject
{
public:
    using Action = std::function<void(QDialog& dialog)>;
    using Step = std::pair<QString, Action>;

    explicit ModalScript(std::vector<Step> steps);
    // Fails for steps that never found their dialog.
    ~ModalScript() override;

    // Actions as a person does them.
    static Action Press(const char* button);
    // Clicks a row of the list box and lets the double-click interval end.
    static Action Pick(const char* row);
    static Action TypeName(const QString& text);
    static Action TypeField(int row, const QString& text);
    static Action All(std::vector<Action> actions);

    // What a dialog shows.
    static QPushButton* Button(QDialog& dialog, const char* text);
    // The name field: the line edit that is an item of its own.
    static QLineEdit* NameEdit(QDialog& dialog);
    // The numeric fields in row order, and their texts.
    static QList<QAbstractSpinBox*> Fields(QDialog& dialog);
    static QStringList FieldTexts(QDialog& dialog);
    // Every non-empty label text, in creation order.
    static QStringList Labels(QDialog& dialog);
    static qRVADM::RVADM_ListBox& List(QDialog& dialog);
    static QStringList Rows(QDialog& dialog);
    static QString Selected(QDialog& dialog);
    // Replaces the text of a field: select all, delete, type, leave with Tab.
    static void Type(QWidget& field, const QString& text);

private:
    void Arm();
    void RunNext();
    void CloseUnexpected(QDialog& dialog, const QString& why);

    std::deque<Step> m_steps;
};
