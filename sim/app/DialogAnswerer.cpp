#include "sim/app/DialogAnswerer.h"

#include "sim/app/ControlFinder.h"

#include <QAbstractButton>
#include <QApplication>
#include <QDialog>
#include <QEvent>
#include <QPointer>
#include <QTimer>
#include <QtTest/QTest>

#include <sstream>
#include <utility>

namespace hostapp {
namespace {

constexpr const char* kEscape = "Escape";
// Set on a dialog once its answer is on the way, so that a second Show event answers nothing.
constexpr const char* kAnsweringProperty = "hostappAnswering";

AnsweredDialog Contents(QDialog& dialog)
{
    AnsweredDialog seen;
    seen.title = dialog.windowTitle().toStdString();
    for (const QWidget* widget : dialog.findChildren<QWidget*>()) {
        const std::string text = ControlFinder::TextOf(*widget).toStdString();
        if (text.empty() || !widget->isVisible() || ControlFinder::IsPartOfControl(*widget))
            continue;
        (qobject_cast<const QAbstractButton*>(widget) ? seen.buttons : seen.texts).push_back(text);
    }
    return seen;
}

// The enabled button showing `text`, or with "nth:N" the Nth visible button with a text (in creation
// order, as `DescribeDialog` lists them) when it is enabled.
QAbstractButton* EnabledButton(QDialog& dialog, const QString& text)
{
    const std::optional<int> position = ControlFinder::Position(text);
    int count = 0;
    for (QAbstractButton* button : dialog.findChildren<QAbstractButton*>()) {
        const QString shown = ControlFinder::TextOf(*button);
        if (!button->isVisible() || shown.isEmpty())
            continue;
        if (position && count++ == *position)
            return button->isEnabled() ? button : nullptr;
        if (!position && shown == text && button->isEnabled())
            return button;
    }
    return nullptr;
}

}  // namespace

DialogAnswerer::DialogAnswerer()
{
    qApp->installEventFilter(this);
}

DialogAnswerer::~DialogAnswerer()
{
    qApp->removeEventFilter(this);
}

void DialogAnswerer::Arrange(const std::string& button)
{
    m_arranged.push_back(Arrangement{std::exchange(m_steps, {}), button});
}

void DialogAnswerer::ArrangeStep(DialogStep step)
{
    m_steps.push_back(std::move(step));
}

std::string DialogAnswerer::TakeProblem()
{
    return std::exchange(m_problem, std::string());
}

bool DialogAnswerer::eventFilter(QObject* watched, QEvent* event)
{
    auto* dialog = qobject_cast<QDialog*>(watched);
    if (event->type() != QEvent::Show || dialog == nullptr || !dialog->isModal() ||
        dialog->property(kAnsweringProperty).toBool())
        return false;
    dialog->setProperty(kAnsweringProperty, true);
    // Answered from inside the dialog's own event loop, once it runs.
    QTimer::singleShot(0, dialog, [this, dialog] { Answer(*dialog); });
    return false;
}

void DialogAnswerer::Answer(QDialog& dialog)
{
    AnsweredDialog seen = Contents(dialog);
    QAbstractButton* button = nullptr;
    if (!m_arranged.empty()) {
        const Arrangement arrangement = std::move(m_arranged.front());
        m_arranged.pop_front();
        button = Prepare(dialog, arrangement);
    }
    seen.answer = button != nullptr ? ControlFinder::TextOf(*button).toStdString() : kEscape;
    seen.picture = dialog.grab();
    m_answered.push_back(std::move(seen));
    if (button != nullptr)
        button->click();
    else
        QTest::keyClick(&dialog, Qt::Key_Escape);
    // Still open, the dialog ran another one from its answer (a list's "New ..."): it takes the
    // next answer.
    if (dialog.isVisible())
        QTimer::singleShot(0, &dialog, [this, &dialog] {
            if (dialog.isVisible())
                Answer(dialog);
        });
}

QAbstractButton* DialogAnswerer::Prepare(QDialog& dialog, const Arrangement& arrangement)
{
    for (const DialogStep& step : arrangement.steps)
        if (std::string problem = step.Perform(dialog); !problem.empty()) {
            m_problem = std::move(problem);
            return nullptr;
        }
    QAbstractButton* button = EnabledButton(dialog, QString::fromStdString(arrangement.button));
    if (button == nullptr)
        m_problem = "dialog \"" + dialog.windowTitle().toStdString() + "\" has no enabled button \"" +
                    arrangement.button + "\"";
    return button;
}

std::string DescribeDialog(const AnsweredDialog& dialog)
{
    std::ostringstream line;
    line << (dialog.title.empty() ? "untitled" : "\"" + dialog.title + "\"") << ":";
    for (const std::string& text : dialog.texts)
        line << " \"" << text << "\"";
    for (const std::string& button : dialog.buttons)
        line << " [" << button << "]";
    line << " answered " << dialog.answer;
    return line.str();
}

}  // namespace hostapp
