#include "sim/app/ControlFinder.h"

#include <QAbstractButton>
#include <QAbstractSpinBox>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QTextEdit>
#include <QVariant>

#include <limits>

namespace hostapp {
namespace {

// The property in which the plug-ins' picture controls publish the picture they show.
constexpr const char* kPictureIdProperty = "_rvadm_pictureid";

QString WithoutMnemonics(QString text)
{
    text.replace(QLatin1String("&&"), QLatin1String("\x01"));
    text.remove(QLatin1Char('&'));
    return text.replace(QLatin1Char('\x01'), QLatin1Char('&'));
}

bool IsInput(const QWidget& widget)
{
    if (const auto* combo = qobject_cast<const QComboBox*>(&widget))
        return combo->isEditable();
    return qobject_cast<const QLineEdit*>(&widget) || qobject_cast<const QAbstractSpinBox*>(&widget) ||
           qobject_cast<const QPlainTextEdit*>(&widget) || qobject_cast<const QTextEdit*>(&widget);
}

bool IsDropDown(const QWidget& widget)
{
    return qobject_cast<const QComboBox*>(&widget) != nullptr;
}

// How far `input` lies from `label` for a person reading left to right, then down; lower is
// nearer, max() for an input in neither place.
double Distance(const QWidget& label, const QWidget& input)
{
    const QRect l(label.mapToGlobal(QPoint(0, 0)), label.size());
    const QRect i(input.mapToGlobal(QPoint(0, 0)), input.size());
    const bool sameRow = i.top() < l.bottom() && l.top() < i.bottom();
    if (sameRow && i.left() >= l.center().x())
        return i.left() - l.right();
    constexpr double kBelowPenalty = 10000.0;
    if (i.top() >= l.center().y())
        return kBelowPenalty + (i.top() - l.bottom()) + std::abs(i.left() - l.left());
    return std::numeric_limits<double>::max();
}

}  // namespace

ControlFinder::ControlFinder(std::vector<QWidget*> roots)
    : m_roots(std::move(roots))
{
}

QString ControlFinder::TextOf(const QWidget& widget)
{
    if (const auto* button = qobject_cast<const QAbstractButton*>(&widget))
        return WithoutMnemonics(button->text());
    if (const auto* label = qobject_cast<const QLabel*>(&widget))
        return WithoutMnemonics(label->text());
    if (const auto* edit = qobject_cast<const QLineEdit*>(&widget))
        return edit->text();
    if (const auto* spin = qobject_cast<const QAbstractSpinBox*>(&widget))
        return spin->text();
    if (const auto* combo = qobject_cast<const QComboBox*>(&widget))
        return combo->currentIndex() < 0 ? combo->placeholderText() : combo->currentText();
    if (const auto* plain = qobject_cast<const QPlainTextEdit*>(&widget))
        return plain->toPlainText();
    if (const auto* rich = qobject_cast<const QTextEdit*>(&widget))
        return rich->toPlainText();
    if (const auto* group = qobject_cast<const QGroupBox*>(&widget))
        return WithoutMnemonics(group->title());
    return QString();
}

bool ControlFinder::IsPartOfControl(const QWidget& widget)
{
    const QWidget* parent = widget.parentWidget();
    return qobject_cast<const QLineEdit*>(&widget) && parent &&
           (qobject_cast<const QAbstractSpinBox*>(parent) || qobject_cast<const QComboBox*>(parent));
}

std::optional<int> ControlFinder::Position(const QString& word)
{
    bool ok = false;
    const QLatin1String prefix("nth:");
    const int number = word.startsWith(prefix) ? word.mid(prefix.size()).toInt(&ok) : 0;
    return ok && number >= 1 ? std::optional<int>(number - 1) : std::nullopt;
}

QString ControlFinder::PictureName(const QWidget& widget)
{
    const QVariant picture = widget.property(kPictureIdProperty);
    return picture.isValid() ? QLatin1String("picture:") + QString::number(picture.toInt()) : QString();
}

std::vector<QWidget*> ControlFinder::Visible() const
{
    std::vector<QWidget*> widgets;
    for (QWidget* root : m_roots)
        for (QWidget* widget : root->findChildren<QWidget*>())
            if (widget->isVisible() && !IsPartOfControl(*widget))
                widgets.push_back(widget);
    return widgets;
}

QWidget* ControlFinder::Find(const QString& text) const
{
    for (QWidget* widget : Visible())
        if (TextOf(*widget) == text || PictureName(*widget) == text)
            return widget;
    return nullptr;
}

QWidget* ControlFinder::FindInput(const QString& text) const
{
    return FindNear(text, IsInput);
}

QComboBox* ControlFinder::FindDropDown(const QString& text) const
{
    return qobject_cast<QComboBox*>(FindNear(text, IsDropDown));
}

QWidget* ControlFinder::FindNear(const QString& text, bool (*is)(const QWidget&)) const
{
    const std::vector<QWidget*> widgets = Visible();
    const std::optional<int> position = Position(text);
    int count = 0;
    for (QWidget* widget : widgets)
        if (is(*widget) && (position ? count++ == *position : TextOf(*widget) == text))
            return widget;
    for (QWidget* label : widgets) {
        if (is(*label) || (TextOf(*label) != text && PictureName(*label) != text))
            continue;
        QWidget* nearest = nullptr;
        double best = std::numeric_limits<double>::max();
        for (QWidget* input : widgets)
            if (is(*input) && input->window() == label->window())
                if (const double distance = Distance(*label, *input); distance < best) {
                    best = distance;
                    nearest = input;
                }
        if (nearest)
            return nearest;
    }
    return nullptr;
}

}  // namespace hostapp
