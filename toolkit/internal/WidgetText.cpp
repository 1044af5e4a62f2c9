#include "toolkit/internal/WidgetText.h"

#include <QAbstractButton>
#include <QAbstractSpinBox>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QTextEdit>

namespace qRVADM::internal {
namespace {

template <class W, QString (W::*Get)() const>
bool ReadText(const QWidget& widget, QString& text)
{
    const auto* typed = qobject_cast<const W*>(&widget);
    if (typed != nullptr)
        text = (typed->*Get)();
    return typed != nullptr;
}

template <class W, void (W::*Set)(const QString&)>
bool WriteText(QWidget& widget, const QString& text)
{
    auto* typed = qobject_cast<W*>(&widget);
    if (typed != nullptr)
        (typed->*Set)(text);
    return typed != nullptr;
}

using TextReader = bool (*)(const QWidget&, QString&);
using TextWriter = bool (*)(QWidget&, const QString&);

// By widget class; the first match wins.
constexpr TextReader kTextReaders[] = {
    ReadText<QAbstractButton, &QAbstractButton::text>,  ReadText<QLineEdit, &QLineEdit::text>,
    ReadText<QTextEdit, &QTextEdit::toPlainText>,       ReadText<QPlainTextEdit, &QPlainTextEdit::toPlainText>,
    ReadText<QGroupBox, &QGroupBox::title>,             ReadText<QLabel, &QLabel::text>,
    ReadText<QComboBox, &QComboBox::currentText>,       ReadText<QAbstractSpinBox, &QAbstractSpinBox::text>,
};

constexpr TextWriter kTextWriters[] = {
    WriteText<QAbstractButton, &QAbstractButton::setText>, WriteText<QLineEdit, &QLineEdit::setText>,
    WriteText<QTextEdit, &QTextEdit::setPlainText>,        WriteText<QPlainTextEdit, &QPlainTextEdit::setPlainText>,
    WriteText<QGroupBox, &QGroupBox::setTitle>,            WriteText<QLabel, &QLabel::setText>,
    WriteText<QComboBox, &QComboBox::setEditText>,
};

} // namespace

bool WidgetText::Read(const QWidget& widget, QString& text)
{
    for (TextReader read : kTextReaders) {
        if (read(widget, text))
            return true;
    }
    return false;
}

bool WidgetText::Write(QWidget& widget, const QString& text)
{
    for (TextWriter write : kTextWriters) {
        if (write(widget, text))
            return true;
    }
    return false;
}

} // namespace qRVADM::internal
