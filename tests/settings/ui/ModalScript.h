#pragma once

// Drives modal dialogs without sleeping: the interaction is arranged before the dialog runs. Each
// step waits for the event loop of the dialog it expects, checks that the active modal widget
// shows the expected text (its window title or the text of one of its labels) and acts on it.
// The next step is armed before a step acts, so a step that opens a nested dialog finds its
// successor waiting inside the nested loop. A dialog that is not the one expected, or one still
// open when the steps have run out, fails the test and is closed, so a test never hangs.

#include <QObject>
#include <QString>

#include <deque>
#include <functional>

class QAbstractSpinBox;
class QDialog;
class QLineEdit;
class QPushButton;

class ModalScript : public QObject
{
public:
    using Action = std::function<void(QDialog& dialog)>;

    ModalScript();
    // Fails when steps are left that never found their dialog.
    ~ModalScript() override;

    // Adds a step for the dialog showing `expected`.
    ModalScript& Then(const char* expected, Action action);

    // Helpers for actions.
    static QPushButton* Button(QDialog& dialog, const char* text);
    static void Click(QDialog& dialog, const char* button);
    // The name field: the one line edit that is an item of its own.
    static QLineEdit* NameEdit(QDialog& dialog);
    // The numeric fields in row order.
    static QList<QAbstractSpinBox*> Fields(QDialog& dialog);
    // Replaces the text of a field as a person does: select all, type, leave with Tab.
    static void Type(QWidget& field, const QString& text);
    // Every non-empty label text, in creation order.
    static QStringList Labels(QDialog& dialog);

private:
    struct Step
    {
        QString expected;
        Action action;
    };

    void Arm();
    void RunNext();
    void CloseUnexpected(QDialog& dialog, const QString& why);

    std::deque<Step> m_steps;
};
