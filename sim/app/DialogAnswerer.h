#pragma once

#include "sim/app/DialogStep.h"

#include <QObject>
#include <QPixmap>

#include <deque>
#include <string>
#include <vector>

class QAbstractButton;
class QDialog;

namespace hostapp {

// What one modal dialog showed and how it was answered.
struct AnsweredDialog
{
    std::string title;                 // the window title
    std::vector<std::string> texts;    // the texts of its controls other than buttons, in creation order
    std::vector<std::string> buttons;  // the texts of its buttons, in creation order
    std::string answer;                // the button clicked, or "Escape"
    QPixmap picture;                   // the dialog as it was shown, before its answer
};

// Answers the modal dialogs that open while nobody sits at the host (a script, --describe):
// each gets the button arranged for it, in arrangement order, or else Escape, as soon as its
// event loop runs, and again while it stays open after an answer. Installed on the application from construction to destruction; host UI thread.
class DialogAnswerer final : public QObject
{
public:
    DialogAnswerer();
    ~DialogAnswerer() override;
    DialogAnswerer(const DialogAnswerer&) = delete;
    DialogAnswerer& operator=(const DialogAnswerer&) = delete;

    // The next dialog to open is answered by clicking the button showing `button`, after the
    // steps arranged since the previous answer.
    void Arrange(const std::string& button);
    // A step the dialog of the next arranged answer takes before its button is clicked.
    void ArrangeStep(DialogStep step);
    // Every dialog answered so far, oldest first.
    const std::vector<AnsweredDialog>& Answered() const { return m_answered; }
    // Why the last arranged answer could not be given (empty when it could), then forgets it.
    std::string TakeProblem();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    struct Arrangement
    {
        std::vector<DialogStep> steps;
        std::string button;
    };

    void Answer(QDialog& dialog);
    // Takes the arrangement's steps, then finds its button; null, with the problem kept, when a
    // step fails or the button is missing or disabled.
    QAbstractButton* Prepare(QDialog& dialog, const Arrangement& arrangement);

    std::deque<Arrangement> m_arranged;
    std::vector<DialogStep> m_steps;  // for the next arranged answer
    std::vector<AnsweredDialog> m_answered;
    std::string m_problem;
};

// One line for a person: "TITLE" (or untitled): "TEXT" ... [BUTTON] ... answered ANSWER.
std::string DescribeDialog(const AnsweredDialog& dialog);

}  // namespace hostapp
