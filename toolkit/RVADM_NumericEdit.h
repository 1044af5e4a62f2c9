#pragma once

#include "toolkit/DimensionController.h"
#include "toolkit/DimensionUserSuite.h"
#include "toolkit/RVADM_Item.h"
#include "toolkit/RVADM_QMetaObjectProxy.h"
#include "toolkit/internal/RVADM_NumericEditAccess.h"

#include <QAbstractSpinBox>
#include <QString>

#include <cstddef>
#include <cstdint>

namespace qRVADM {

// A numeric field: a spin box without buttons showing a number with its unit suffix. Values are
// held by the `DimensionController`; ranges and point values are in points. Created by a dialog's
// `CreateItems`; the dialog's widget owns it. Changes reach the dialog through its slot
// "OnNumericTextEditChanged".
class RVADM_NumericEdit : public RVADM_QMetaObjectProxy<RVADM_Item, QAbstractSpinBox>,
                          public internal::RVADM_NumericEditAccess
{
    Q_OBJECT

public:
    static constexpr std::uint32_t kKind = 23;

    // `immediate`: every keystroke is taken (and notified) at once rather than when editing
    // finishes. A negative `precision` is taken from `resolution` when that lies in (0, 1).
    RVADM_NumericEdit(RVADM_ItemParent* parent, double minimum, double maximum, double resolution, bool immediate,
                      int precision);

    double GetFloatValue(ADMUnits unit) const;
    void SetFloatValue(double value, ADMUnits unit);
    double GetPointValue() const;
    void SetPointValue(double value);
    // Points rounded half up.
    std::int32_t GetIntValue() const;
    void SetIntValue(std::int32_t value);
    std::int32_t GetMinIntValue() const;
    std::int32_t GetMaxIntValue() const;

    double GetIncrement() const { return m_increment; }
    void SetIncrement(double increment) { m_increment = increment; }
    std::int32_t GetIntIncrement() const;
    void SetIntIncrement(std::int32_t increment) { m_increment = increment; }

    ADMUnits GetUnits() const { return m_unit; }
    // Converts the value to `unit` and shows it; with allow-empty an empty field stays empty.
    void SetUnits(ADMUnits unit);
    void SetAllowEmpty(bool allow);

    // Decimals shown, resolved by unit, never below 0.
    int GetPrecision() const;
    void SetPrecision(int precision);
    void AddNamedValue(const char* name, double value);

    void ShowSpinButtons(bool show);
    void SetReadOnly(bool readOnly);
    void SetNotifyOnStep(bool notify) { m_notifyOnStep = notify; }
    void SetWidthDigits(int digits);
    // Width for the widest limit with the current precision.
    void AdjustWidthToRange();

    // Evaluates `text` (UTF-8) in the current unit with default 0; false when it does not parse.
    bool ParseString(const char* text, double& value) const;
    // `points` in the current unit with the unit's precision, copied as UTF-8 (always terminated,
    // never cutting a character).
    void FormatValue(double points, char* buffer, std::size_t size) const;

    // The changed flag: the line edit's modified mark.
    bool IsModified() const;
    void SetModified(bool modified);

    // Shows `text` without the line edit's signals, keeping the modified mark. An immediate edit
    // then takes it (with `parse`) and notifies the dialog.
    void SetTextInternal(const QString& text, bool parse);

    void ReplaceText(const QString& text) override;
    bool TakeChangedFlag() override;

    void stepBy(int steps) override;
    QSize sizeHint() const override;

public Q_SLOTS:
    void ParseAndCallOnNumericTextEditChanged(bool forceFullParse = false);

protected:
    StepEnabled stepEnabled() const override;
    void keyPressEvent(QKeyEvent* event) override;
    void wheelEvent(QWheelEvent* event) override;
    void focusInEvent(QFocusEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;

private:
    void StepWith(int steps, Qt::KeyboardModifiers modifiers);
    void CommitKey(QKeyEvent* event);
    bool KeepsEmpty() const;
    void Repolish();
    void NotifyDialog();

    double m_minimum;
    double m_maximum;
    bool m_immediate;
    ADMUnits m_unit = UnitNone;
    bool m_allowEmpty = false;
    bool m_notifyOnStep = true;
    double m_increment = 1.0;
    int m_widthDigits = -1;
    QString m_textAtFocusIn;
    DimensionUserSuite m_numbers;
    DimensionController m_controller;
};

}  // namespace qRVADM
