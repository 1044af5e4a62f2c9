#pragma once

// Drives modal dialogs without sleeping: each step waits for the loop of the dialog showing its text
// (title or label) and acts on it, the next step armed first to find a nested dialog. An unexpected
// dialog, or one left open when the steps have run out, fails the test and is closed.

#include "toolkit/RVADM_ListBox.h"

#include <QTest>
#include <QtWidgets>

#include <gtest/gtest.h>

#include <deque>
#include <functional>

inline void PrintTo(const QString& text, std::ostream* out) { *out << '"' << text.toStdString() << '"'; }

namespace modal {

using Action = std::function<void(QDialog& dialog)>;
using Step = std::pair<QString, Action>;

template <class Widget>
QList<Widget*> Items(QDialog& dialog)
{
    return dialog.findChildren<Widget*>(QString(), Qt::FindDirectChildrenOnly);
}

// The texts of the dialog's own items of one kind, in creation order.
template <class Widget>
QStringList Texts(QDialog& dialog)
{
    QStringList texts;
    for (const Widget* item : Items<Widget>(dialog))
        texts.push_back(item->text());
    return texts;
}

inline QPushButton* Button(QDialog& dialog, const QString& text)
{
    return Items<QPushButton>(dialog).value(Texts<QPushButton>(dialog).indexOf(text));
}

inline QLineEdit* NameEdit(QDialog& dialog) { return Items<QLineEdit>(dialog).value(0); }
// The list box has no meta-object of its own: qobject_cast cannot tell it apart.
inline qRVADM::RVADM_ListBox& List(QDialog& dialog) { return dynamic_cast<qRVADM::RVADM_ListBox&>(*dialog.findChild<QListWidget*>()); }
inline QStringList Rows(QDialog& dialog)
{
    QStringList rows;
    for (int i = 0; i < List(dialog).count(); ++i)
        rows.push_back(List(dialog).item(i)->text());
    return rows;
}
inline QString Selected(QDialog& dialog) { return List(dialog).selectedItems().isEmpty() ? "" : List(dialog).selectedItems()[0]->text(); }

inline Action Press(const QString& text)
{
    return [text](QDialog& dialog) {
        ASSERT_NE(Button(dialog, text), nullptr) << text.toStdString();
        QTest::mouseClick(Button(dialog, text), Qt::LeftButton);
    };
}

// Clicks a row of the list box and lets the double-click interval end.
inline Action Pick(const QString& row)
{
    return [row](QDialog& dialog) {
        const QList<QListWidgetItem*> found = List(dialog).findItems(row, Qt::MatchExactly);
        ASSERT_EQ(found.size(), 1) << row.toStdString();
        QTest::mouseClick(List(dialog).viewport(), Qt::LeftButton, {}, List(dialog).visualItemRect(found[0]).center());
        List(dialog).CommitPendingSelection();
    };
}

// Replaces the text of the name field (row -1) or a numeric field as a person does: select all,
// delete, type, leave with Tab.
inline Action Type(int row, const QString& text)
{
    return [row, text](QDialog& dialog) {
        QWidget* field = row < 0 ? static_cast<QWidget*>(NameEdit(dialog)) : Items<QAbstractSpinBox>(dialog).at(row);
        QApplication::setActiveWindow(dialog.window());
        field->setFocus(Qt::OtherFocusReason);
        QTest::keyClick(field, Qt::Key_A, Qt::ControlModifier);
        QTest::keyClick(field, Qt::Key_Delete);
        QTest::keyClicks(field, text);
        QTest::keyClick(field, Qt::Key_Tab);
    };
}

inline Action All(std::vector<Action> actions)
{
    return [actions = std::move(actions)](QDialog& dialog) {
        for (const Action& action : actions)
            action(dialog);
    };
}

class Script : public QObject
{
public:
    explicit Script(std::vector<Step> steps) : m_steps(steps.begin(), steps.end()) { Arm(); }
    ~Script() override
    {
        for (const Step& step : m_steps)
            ADD_FAILURE() << "no dialog showed \"" << step.first.toStdString() << "\"";
    }

private:
    void Arm() { QTimer::singleShot(0, this, [this] { RunNext(); }); }

    void RunNext()
    {
        auto* dialog = qobject_cast<QDialog*>(QApplication::activeModalWidget());
        if (dialog == nullptr)
            return m_steps.empty() ? void() : Arm();
        const Step step = m_steps.empty() ? Step() : m_steps.front();
        if (m_steps.empty() || (dialog->windowTitle() != step.first && !Texts<QLabel>(*dialog).contains(step.first))) {
            ADD_FAILURE() << "expected \"" << step.first.toStdString() << "\", found \"" << dialog->windowTitle().toStdString()
                          << "\" showing " << Texts<QLabel>(*dialog).join(" | ").toStdString();
            m_steps.clear();
            Arm();
            dialog->reject();
            return;
        }
        m_steps.pop_front();
        Arm();
        step.second(*dialog);
    }

    std::deque<Step> m_steps;
};

} // namespace modal
