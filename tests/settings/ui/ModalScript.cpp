#include "ModalScript.h"

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

} // namespace

ModalScript::ModalScript()
{
    Arm();
}

ModalScript::~ModalScript()
{
    for (const Step& step : m_steps)
        ADD_FAILURE() << "no dialog showed \"" << step.expected.toStdString() << "\"";
}

ModalScript& ModalScript::Then(const char* expected, Action action)
{
    m_steps.push_back({QString::fromUtf8(expected), std::move(action)});
    return *this;
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
    if (!Shows(*dialog, step.expected)) {
        CloseUnexpected(*dialog, "expected \"" + step.expected + "\"");
        return;
    }
    m_steps.pop_front();
    Arm();
    step.action(*dialog);
}

void ModalScript::CloseUnexpected(QDialog& dialog, const QString& why)
{
    ADD_FAILURE() << why.toStdString() << ", found \"" << dialog.windowTitle().toStdString() << "\" showing "
                  << Labels(dialog).join(" | ").toStdString();
    m_steps.clear();
    Arm();
    dialog.reject();
}

QPushButton* ModalScript::Button(QDialog& dialog, const char* text)
{
    for (QPushButton* button : dialog.findChildren<QPushButton*>(QString(), Qt::FindDirectChildrenOnly)) {
        if (button->text() == QString::fromUtf8(text))
            return button;
    }
    return nullptr;
}

void ModalScript::Click(QDialog& dialog, const char* button)
{
    QPushButton* found = Button(dialog, button);
    if (found == nullptr) {
        ADD_FAILURE() << "no button \"" << button << "\"";
        return;
    }
    QTest::mouseClick(found, Qt::LeftButton);
}

QLineEdit* ModalScript::NameEdit(QDialog& dialog)
{
    return dialog.findChild<QLineEdit*>(QString(), Qt::FindDirectChildrenOnly);
}

QList<QAbstractSpinBox*> ModalScript::Fields(QDialog& dialog)
{
    return dialog.findChildren<QAbstractSpinBox*>(QString(), Qt::FindDirectChildrenOnly);
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

QStringList ModalScript::Labels(QDialog& dialog)
{
    QStringList texts;
    for (const QLabel* label : dialog.findChildren<QLabel*>(QString(), Qt::FindDirectChildrenOnly)) {
        if (!label->text().isEmpty())
            texts.push_back(label->text());
    }
    return texts;
}
