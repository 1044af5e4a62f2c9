#include "sim/app/TextEntry.h"

#include <QAbstractSpinBox>
#include <QComboBox>
#include <QLineEdit>
#include <QString>
#include <QtTest/QTest>

namespace hostapp {

void TextEntry::Replace(QWidget& input, const QString& text, Qt::Key finish)
{
    QWidget* target = &input;
    if (auto* combo = qobject_cast<QComboBox*>(&input))
        target = combo->lineEdit();
    input.setFocus(Qt::OtherFocusReason);
    if (auto* edit = qobject_cast<QLineEdit*>(target))
        edit->selectAll();
    else if (auto* spin = qobject_cast<QAbstractSpinBox*>(target))
        spin->selectAll();
    QTest::keyClicks(target, text);
    QTest::keyClick(target, finish);
}

}  // namespace hostapp
