#pragma once

#include <QObject>

#include <deque>
#include <string>
#include <vector>

class QDialog;

namespace hostapp {

// What one modal dialog showed and how it was answered.
struct AnsweredDialog
{
    std::string title;                 // the window title
    std::vector<std::string> texts;    // the texts of its controls other than buttons, in creation order
    std::vector<std::string> buttons;  // the texts of its buttons, in creation order
    std::string answer;                // the button clicked, or "Escape"
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

    // The next dialog to open is answered by clicking the button showing `button`.
    void Arrange(const std::string& button);
    // Every dialog answered so far, oldest first.
    const std::vector<AnsweredDialog>& Answered() const { return m_answered; }
    // Why the last arranged answer could not be given (empty when it could), then forgets it.
    std::string TakeProblem();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void Answer(QDialog& dialog);

    std::deque<std::string> m_arranged;
    std::vector<AnsweredDialog> m_answered;
    std::string m_problem;
};

// One line for a person: "TITLE" (or untitled): "TEXT" ... [BUTTON] ... answered ANSWER.
std::string DescribeDialog(const AnsweredDialog& dialog);

}  // namespace hostapp
