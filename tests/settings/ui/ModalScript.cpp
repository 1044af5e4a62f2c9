#include "ModalScript.h"

#include "toolkit/RVADM_ListBox.h"

#include <QAbstractSpinBox>
#include <QApplication>
#include <QDialog>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>
#include <QTimer>

#include <gtest/gtest.h>

namespace {

bool Shows(QDialog& dialog, const QString& text)
{
    return dialog.windowTitle() == text || ModalScript::Labels(dialog).contains(text);
}

template <class Widget>
QList<Widget*> Items(QDialog& dialog)
{
    return dialog.findChildren<Widget*>(QString(), Qt::FindDirectChildrenOnly);
}

} // namespace

ModalScript::ModalScript(std::vector<Step> steps)
    : m_steps(steps.begin(), steps.end())
{
    Arm();
}

ModalScript::~ModalScript()
{
    for (const Step& step : m_steps)
        ADD_FAILURE() << "no dialog showed \"" << step.first.toStdString() << "\"";
}

void ModalScript::Arm()
{
    QTimer::singleShot(0, this, &ModalScript::RunNext);
}

void ModalScript::RunNext()
{
    auto* dialog = qobject_cast<QDialog*>(QApplication::activeModalWidget());
    if (dialog == nullptr) {
        if (!m_steps.empty())
            Arm();
        return;
    }
    if (m_steps.empty()) {
        CloseUnexpected(*dialog, "a dialog is left open");
        return;
    }
    const Step step = m_steps.front();
    if (!Shows(*dialog, step.first)) {
        CloseUnexpected(*dialog, "expected \"" + step.first + "\"");
        return;
    }
    m_steps.pop_front();
    Arm();
    step.second(*dialog);
}

void ModalScript::CloseUnexpected(QDialog& dialog, const QString& why)
{
    ADD_FAILURE() << why.toStdString() << ", found \"" << dialog.windowTitle().toStdString() << "\" showing "
                  << Labels(dialog).join(" | ").toStdString();
    m_steps.clear();
    Arm();
    dialog.reject();
}

ModalScript::Action ModalScript::Press(const char* button)
{
    return [button](QDialog& dialog) {
        QPushButton* found = Button(dialog, button);
        ASSERT_NE(found, nullptr) << button;
        QTest::mouseClick(found, Qt::LeftButton);
    };
}

ModalScript::Action ModalScript::Pick(const char* row)
{
    return [row](QDialog& dialog) {
        qRVADM::RVADM_ListBox& list = List(dialog);
        const QList<QListWidgetItem*> found = list.findItems(QString::fromUtf8(row), Qt::MatchExactly);
        ASSERT_EQ(found.size(), 1) << row;
        QTest::mouseClick(list.viewport(), Qt::LeftButton, {}, list.visualItemRect(found.front()).center());
        list.CommitPendingSelection();
    };
}

ModalScript::Action ModalScript::TypeName(const QString& text)
{
    return [text](QDialog& dialog) { Type(*NameEdit(dialog), text); };
}

ModalScript::Action ModalScript::TypeField(int row, const QString& text)
{
    return [row, text](QDialog& dialog) { Type(*Fields(dialog).at(row), text); };
}

ModalScript::Action ModalScript::All(std::vector<Action> actions)
{
    return [actions = std::move(actions)](QDialog& dialog) {
        for (const Action& action : actions)
            action(dialog);
    };
}

QPushButton* ModalScript::Button(QDialog& dialog, const char* text)
{
    for (QPushButton* button : Items<QPushButton>(dialog)) {
        if (button->text() == QString::fromUtf8(text))
            return button;
    }
    return nullptr;
}

QLineEdit* ModalScript::NameEdit(QDialog& dialog)
{
    return dialog.findChild<QLineEdit*>(QString(), Qt::FindDirectChildrenOnly);
}

QList<QAbstractSpinBox*> ModalScript::Fields(QDialog& dialog)
{
    return Items<QAbstractSpinBox>(dialog);
}

QStringList ModalScript::FieldTexts(QDialog& dialog)
{
    QStringList texts;
    for (const QAbstractSpinBox* field : Fields(dialog))
        texts.push_back(field->text());
    return texts;
}

QStringList ModalScript::Labels(QDialog& dialog)
{
    QStringList texts;
    for (const QLabel* label : Items<QLabel>(dialog)) {
        if (!label->text().isEmpty())
            texts.push_back(label->text());
    }
    return texts;
}

qRVADM::RVADM_ListBox& ModalScript::List(QDialog& dialog)
{
    // The list box has no meta-object of its own: qobject_cast cannot tell it apart.
    return dynamic_cast<qRVADM::RVADM_ListBox&>(*dialog.findChild<QListWidget*>());
}

QStringList ModalScript::Rows(QDialog& dialog)
{
    QStringList rows;
    const qRVADM::RVADM_ListBox& list = List(dialog);
    for (int i = 0; i < list.count(); ++i)
        rows.push_back(list.item(i)->text());
    return rows;
}

QString ModalScript::Selected(QDialog& dialog)
{
    const QList<QListWidgetItem*> selected = List(dialog).selectedItems();
    return selected.isEmpty() ? QString() : selected.front()->text();
}

void ModalScript::Type(QWidget& field, const QString& text)
{
    QApplication::setActiveWindow(field.window());
    field.setFocus(Qt::OtherFocusReason);
    QTest::keyClick(&field, Qt::Key_A, Qt::ControlModifier);
    QTest::keyClick(&field, Qt::Key_Delete);
    QTest::keyClicks(&field, text);
    QTest::keyClick(&field, Qt::Key_Tab);
}
