#include "toolkit/RVADM_NumericEdit.h"

#include "toolkit/RVADM_Host.h"
#include "toolkit/RVADM_HostFocus.h"
#include "toolkit/internal/Utf8Buffer.h"

#include "RVADMQtManager.h"

#include <QFocusEvent>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QLineEdit>
#include <QSignalBlocker>
#include <QStyle>
#include <QWheelEvent>

#include <algorithm>
#include <cmath>
#include <limits>

namespace qRVADM {
namespace {

constexpr const char* kChangedSlot = "OnNumericTextEditChanged";
constexpr double kControlStepFactor = 0.5;
constexpr double kShiftStepFactor = 10.0;
// Keeps log10(resolution) of 0.1, 0.01, ... from falling just below the integer.
constexpr double kResolutionSlack = 0.0001;
constexpr double kMaxWidthDigits = 40;
constexpr int kSampleMargin = 5;

// floor(v + 0.5), computed so that negative values round half up as well, saturated to 32 bits.
std::int32_t RoundHalfUp(double v)
{
    double rounded = 0;
    if (v >= 0) {
        rounded = std::trunc(v + 0.5);
    } else {
        const double c = std::trunc(v - 1);
        rounded = c + std::trunc(v - c + 0.5);
    }
    if (!(rounded > std::numeric_limits<std::int32_t>::min()))
        return std::numeric_limits<std::int32_t>::min();
    if (rounded >= std::numeric_limits<std::int32_t>::max())
        return std::numeric_limits<std::int32_t>::max();
    return static_cast<std::int32_t>(rounded);
}

int PrecisionFromResolution(double resolution)
{
    if (resolution <= 0 || resolution >= 1)
        return -1;
    return static_cast<int>(-std::floor(std::log10(resolution) + kResolutionSlack));
}

bool IsCommitKey(int key, bool onPanel)
{
    return key == Qt::Key_Return || key == Qt::Key_Enter || (onPanel && key == Qt::Key_Escape);
}

}  // namespace

RVADM_NumericEdit::RVADM_NumericEdit(RVADM_ItemParent* parent, double minimum, double maximum, double resolution,
                                     bool immediate, int precision)
    : RVADM_QMetaObjectProxy<RVADM_Item, QAbstractSpinBox>(parent, kKind)
    , m_minimum(minimum)
    , m_maximum(maximum)
    , m_immediate(immediate)
    , m_numbers(RVADM_Host::Get().user, RVADM_Host::Get().unicodeString)
    , m_controller({0.0, UnitPoint}, m_numbers, [this] { return text(); },
                   [this](const QString& shown) { SetTextInternal(shown, true); },
                   [this](const QString& shown) { SetTextInternal(shown, false); })
{
    setButtonSymbols(QAbstractSpinBox::NoButtons);
    setFocusPolicy(Qt::StrongFocus);
    SetUnits(UnitNone);
    m_controller.SetMinimum(minimum);
    m_controller.SetMaximum(maximum);
    if (precision >= 0) {
        m_controller.SetPrecision(precision);
        AdjustWidthToRange();
    } else {
        m_controller.SetPrecision(PrecisionFromResolution(resolution));
    }
    SetFontSize(0);
    m_controller.SetDefaultValueFunction([this](ADMUnits unit) { return GetFloatValue(unit); });
    m_controller.FormatImmediate();
    if (m_immediate) {
        connect(this, SIGNAL(editingFinished()), &m_controller, SLOT(FormatImmediate()));
        connect(lineEdit(), SIGNAL(textEdited(const QString&)), this, SLOT(ParseAndCallOnNumericTextEditChanged()));
    } else {
        connect(this, SIGNAL(editingFinished()), this, SLOT(ParseAndCallOnNumericTextEditChanged()));
    }
}

double RVADM_NumericEdit::GetFloatValue(ADMUnits unit) const
{
    return m_controller.GetDimension().ConvertedTo(unit).value;
}

void RVADM_NumericEdit::SetFloatValue(double value, ADMUnits unit)
{
    m_controller.SetDimension({value, unit});
}

double RVADM_NumericEdit::GetPointValue() const
{
    return GetFloatValue(UnitPoint);
}

void RVADM_NumericEdit::SetPointValue(double value)
{
    SetFloatValue(value, UnitPoint);
}

std::int32_t RVADM_NumericEdit::GetIntValue() const
{
    return RoundHalfUp(GetPointValue());
}

void RVADM_NumericEdit::SetIntValue(std::int32_t value)
{
    SetPointValue(value);
}

std::int32_t RVADM_NumericEdit::GetMinIntValue() const
{
    return RoundHalfUp(m_minimum);
}

std::int32_t RVADM_NumericEdit::GetMaxIntValue() const
{
    return RoundHalfUp(m_maximum);
}

std::int32_t RVADM_NumericEdit::GetIntIncrement() const
{
    return RoundHalfUp(m_increment);
}

void RVADM_NumericEdit::SetUnits(ADMUnits unit)
{
    const bool keepEmpty = KeepsEmpty();
    m_unit = unit;
    m_controller.ConvertTo(unit);
    if (!keepEmpty)
        m_controller.SetValue(m_controller.GetDimension());
}

void RVADM_NumericEdit::SetAllowEmpty(bool allow)
{
    m_allowEmpty = allow;
    if (!allow)
        m_controller.SetValue(m_controller.GetDimension());
}

int RVADM_NumericEdit::GetPrecision() const
{
    const int precision = m_controller.GetPrecision();
    return std::max(0, precision < 0 ? DimensionController::PrecisionForUnit(m_controller.GetDimension().unit)
                                     : precision);
}

void RVADM_NumericEdit::SetPrecision(int precision)
{
    m_controller.SetPrecision(precision);
}

void RVADM_NumericEdit::AddNamedValue(const char* name, double value)
{
    m_controller.AddNamedValue(QString::fromUtf8(name != nullptr ? name : ""), value);
}

void RVADM_NumericEdit::ShowSpinButtons(bool show)
{
    setButtonSymbols(show ? QAbstractSpinBox::UpDownArrows : QAbstractSpinBox::NoButtons);
    Repolish();
    resize(sizeHint());
}

void RVADM_NumericEdit::SetReadOnly(bool readOnly)
{
    setReadOnly(readOnly);
    setFocusPolicy(readOnly ? Qt::ClickFocus : Qt::StrongFocus);
    Repolish();
}

void RVADM_NumericEdit::SetWidthDigits(int digits)
{
    m_widthDigits = std::max(1, digits);
    resize(sizeHint());
}

void RVADM_NumericEdit::AdjustWidthToRange()
{
    const double widest = std::fabs(m_maximum) >= std::fabs(m_minimum) ? m_maximum : m_minimum;
    const double magnitude = std::fabs(widest);
    double digits = magnitude >= 10 ? std::floor(std::log10(magnitude)) : 0;
    if (widest < 0)
        digits += 1;
    digits = std::min(digits, kMaxWidthDigits);
    SetWidthDigits(static_cast<int>(digits) + GetPrecision() + 1);
}

bool RVADM_NumericEdit::ParseString(const char* text, double& value) const
{
    const std::optional<double> parsed = m_controller.Evaluate(QString::fromUtf8(text != nullptr ? text : ""), 0.0);
    if (parsed)
        value = *parsed;
    return parsed.has_value();
}

void RVADM_NumericEdit::FormatValue(double points, char* buffer, std::size_t size) const
{
    const Dimension value = Dimension{points, UnitPoint}.ConvertedTo(m_controller.GetDimension().unit);
    internal::Utf8Buffer::Copy(m_controller.Format(value, -1).toUtf8(), buffer, size);
}

bool RVADM_NumericEdit::IsModified() const
{
    return lineEdit()->isModified();
}

void RVADM_NumericEdit::SetModified(bool modified)
{
    lineEdit()->setModified(modified);
}

void RVADM_NumericEdit::SetTextInternal(const QString& shown, bool parse)
{
    if (shown != text()) {
        const QSignalBlocker blocker(lineEdit());
        const bool modified = IsModified();
        lineEdit()->setText(shown);
        SetModified(modified);
    }
    if (m_immediate && parse) {
        m_controller.ParseImmediate();
        NotifyDialog();
    }
    if (hasFocus())
        lineEdit()->selectAll();
    else
        lineEdit()->setCursorPosition(0);
}

void RVADM_NumericEdit::ReplaceText(const QString& shown)
{
    SetTextInternal(shown, false);
    SetModified(false);
}

bool RVADM_NumericEdit::TakeChangedFlag()
{
    const bool changed = IsModified();
    SetModified(false);
    return changed;
}

void RVADM_NumericEdit::stepBy(int steps)
{
    StepWith(steps, QGuiApplication::keyboardModifiers());
}

QSize RVADM_NumericEdit::sizeHint() const
{
    QSize hint = QAbstractSpinBox::sizeHint();
    const int frames = 2 * style()->pixelMetric(QStyle::PM_DefaultFrameWidth, nullptr, this);
    hint.setWidth(std::max(hint.width(), lineEdit()->sizeHint().width() + frames));
    if (m_widthDigits > 0) {
        QString sample(m_widthDigits, QLatin1Char('0'));
        if (GetPrecision() > 0)
            sample += QLatin1Char('.');
        const ADMUnits unit = m_controller.GetDimension().unit;
        if (Dimension::SpaceBeforeSuffix(unit))
            sample += QLatin1Char(' ');
        sample += QString::fromUtf8(Dimension::Suffix(unit));
        hint.setWidth(std::max(hint.width(), fontMetrics().horizontalAdvance(sample) + frames + kSampleMargin));
    }
    return hint;
}

void RVADM_NumericEdit::ParseAndCallOnNumericTextEditChanged(bool forceFullParse)
{
    if (!KeepsEmpty()) {
        if (m_immediate && !forceFullParse)
            m_controller.ParseImmediate();
        else
            m_controller.Parse();
    }
    NotifyDialog();
}

QAbstractSpinBox::StepEnabled RVADM_NumericEdit::stepEnabled() const
{
    StepEnabled enabled = StepNone;
    if (isReadOnly())
        return enabled;
    const double points = GetPointValue();
    if (points > m_minimum)
        enabled |= StepDownEnabled;
    if (points < m_maximum)
        enabled |= StepUpEnabled;
    return enabled;
}

void RVADM_NumericEdit::keyPressEvent(QKeyEvent* event)
{
    if (isReadOnly()) {
        event->accept();
        return;
    }
    const int key = event->key();
    if (IsCommitKey(key, RVADMQtManager::QtManager::IsOnNonModalDialog(this))) {
        CommitKey(event);
    } else if (key == Qt::Key_Up || key == Qt::Key_Down) {
        // Stepped here: Qt's own handling multiplies steps with Control held.
        event->accept();
        const bool up = key == Qt::Key_Up;
        if (stepEnabled() & (up ? StepUpEnabled : StepDownEnabled))
            StepWith(up ? 1 : -1, event->modifiers());
    } else {
        QAbstractSpinBox::keyPressEvent(event);
    }
}

// Return and Enter commit the entry; on a panel Escape too, and the focus goes back to the host.
// On a modal dialog the key goes on to the default button only when the entry was valid and
// is shown as typed.
void RVADM_NumericEdit::CommitKey(QKeyEvent* event)
{
    const bool onPanel = RVADMQtManager::QtManager::IsOnNonModalDialog(this);
    const QSignalBlocker blocker(this);
    const std::optional<double> typed = m_controller.Evaluate(text(), 0.0);
    const bool modified = IsModified();
    QAbstractSpinBox::keyPressEvent(event);
    if (onPanel) {
        event->accept();
        clearFocus();
        RVADM_HostFocus::ReturnFocusToHost();
    }
    SetModified(modified);
    m_controller.Parse();
    NotifyDialog();
    if (onPanel)
        return;
    const double tolerance = 0.5 * std::pow(10.0, -GetPrecision());
    const bool unchanged = typed && std::fabs(*typed - m_controller.GetDimension().value) <= tolerance;
    event->setAccepted(!unchanged);
}

void RVADM_NumericEdit::wheelEvent(QWheelEvent* event)
{
    if (isReadOnly() || !hasFocus() || !rect().contains(event->position().toPoint())) {
        event->ignore();
        return;
    }
    const QPoint angle = event->angleDelta();
    const int delta = std::abs(angle.x()) > std::abs(angle.y()) ? angle.x() : angle.y();
    QWheelEvent vertical(event->position(), event->globalPosition(), QPoint(), QPoint(0, delta), event->buttons(),
                         Qt::NoModifier, event->phase(), event->inverted(), event->source());
    QAbstractSpinBox::wheelEvent(&vertical);
    event->setAccepted(vertical.isAccepted());
}

void RVADM_NumericEdit::focusInEvent(QFocusEvent* event)
{
    if (event->reason() == Qt::PopupFocusReason) {
        QAbstractSpinBox::focusInEvent(event);
        return;
    }
    if (m_allowEmpty)
        m_textAtFocusIn = text();
    QAbstractSpinBox::focusInEvent(event);
    if (KeepsEmpty())
        return;
    const QString before = text();
    m_controller.Parse();
    if (text() != before)
        SetModified(true);
}

void RVADM_NumericEdit::focusOutEvent(QFocusEvent* event)
{
    if (event->reason() == Qt::PopupFocusReason) {
        QAbstractSpinBox::focusOutEvent(event);
        return;
    }
    bool clear = false;
    if (m_allowEmpty && !m_controller.Evaluate(text(), 0.0)) {
        if (m_textAtFocusIn.isNull()) {
            clear = true;
        } else {
            const QSignalBlocker blocker(lineEdit());
            lineEdit()->setText(m_textAtFocusIn);
        }
    }
    QAbstractSpinBox::focusOutEvent(event);
    if (clear) {
        const QSignalBlocker blocker(lineEdit());
        lineEdit()->clear();
    }
    if (event->reason() != Qt::ActiveWindowFocusReason)
        lineEdit()->setCursorPosition(0);
}

// Steps are in the current unit; Control halves them, Shift makes them ten times larger.
void RVADM_NumericEdit::StepWith(int steps, Qt::KeyboardModifiers modifiers)
{
    if (steps == 0)
        return;
    m_controller.ParseImmediate();
    const double before = GetPointValue();
    SetModified(true);
    double amount = steps * m_increment;
    if (modifiers & Qt::ControlModifier)
        amount *= kControlStepFactor;
    if (modifiers & Qt::ShiftModifier)
        amount *= kShiftStepFactor;
    m_controller.StepBy(amount);
    if (!m_immediate && m_notifyOnStep && GetPointValue() != before)
        NotifyDialog();
}

// An allow-empty field left empty is not parsed, so that it stays empty.
bool RVADM_NumericEdit::KeepsEmpty() const
{
    return m_allowEmpty && text().isEmpty();
}

void RVADM_NumericEdit::Repolish()
{
    style()->unpolish(this);
    style()->polish(this);
}

void RVADM_NumericEdit::NotifyDialog()
{
    CallDialogSlot(kChangedSlot);
}

}  // namespace qRVADM
