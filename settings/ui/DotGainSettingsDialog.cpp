#include "settings/ui/DotGainSettingsDialog.h"

#include "settings/PressSettings.h"
#include "settings/ui/DotGainMessages.h"
#include "settings/ui/DotGainPoints.h"
#include "settings/ui/ModalItemSizes.h"
#include "toolkit/RVADM_Frame.h"
#include "toolkit/RVADM_Label.h"
#include "toolkit/RVADM_NumericEdit.h"
#include "toolkit/RVADM_TextEdit.h"
#include "toolkit/RVADM_TextPushButton.h"

#include <algorithm>
#include <utility>

using namespace qRVADM;

namespace {

constexpr double kFieldMinimum = 0.0;
constexpr double kFieldMaximum = 100.0;
constexpr double kFieldResolution = 0.1;
constexpr int kFieldPrecision = 6;
constexpr std::size_t kNameBufferSize = 512;
constexpr std::int32_t kSeparatorHeight = 2;
constexpr std::int32_t kFirstRowBelowSeparator = 24;
constexpr std::int32_t kRowSpacing = 12;
constexpr std::int32_t kNameBesideButtons = 12;

constexpr std::uint32_t kTopLeft = kAlignNone | kAlignMoveTop | kAlignMoveLeft;
constexpr std::uint32_t kLeftEdges = kAlignNone | kAlignMoveLeft;
constexpr std::uint32_t kCentred = kAlignNone | kAlignCenterVertical;

std::string TextOf(const RVADM_Item& item)
{
    char text[kNameBufferSize];
    item.GetText(text, sizeof text, true);
    return text;
}

} // namespace

DotGainSettingsDialog::DotGainSettingsDialog(PressSettings& record, std::string name, bool isNew)
    : m_record(record)
    , m_name(std::move(name))
    , m_isNew(isNew)
{
}

void DotGainSettingsDialog::CreateItems()
{
    m_save = new RVADM_TextPushButton(this, "Save", true);
    m_cancel = new RVADM_TextPushButton(this, "Cancel", true);
    SetDefaultItem(m_save);
    SetCancelItem(m_cancel);
    m_nameLabel = new RVADM_Label(this, "Name:", true);
    if (m_isNew) {
        m_nameEdit = new RVADM_TextEdit(this, nullptr);
        m_nameField = m_nameEdit;
        m_nameLabel->SetBuddy(m_nameEdit);
    } else {
        m_nameField = new RVADM_Label(this, nullptr);
    }
    m_separator = new RVADM_Frame(this);
    m_separator->SetFrameStyle(QFrame::HLine, QFrame::Sunken);
    for (std::size_t i = 0; i < m_rows.size(); ++i) {
        Row& row = m_rows[i];
        row.label = new RVADM_Label(this, DotGainPoints::kPoints[i].label, true);
        row.label->SetJustify(Qt::AlignRight | Qt::AlignVCenter);
        row.field = new RVADM_NumericEdit(this, kFieldMinimum, kFieldMaximum, kFieldResolution, false, kFieldPrecision);
        row.label->SetBuddy(row.field);
        row.percent = new RVADM_Label(this, "%", true);
    }
}

void DotGainSettingsDialog::InitItems()
{
    m_nameField->SetText(m_name.c_str());
    const PressDotGain curve = m_record.GetDotGain();
    for (std::size_t i = 0; i < m_rows.size(); ++i)
        m_rows[i].field->SetFloatValue(static_cast<float>(curve.*DotGainPoints::kPoints[i].value), UnitNone);
    // The keyboard starts at the first thing to type: the name of a new setting, else the curve.
    if (m_nameEdit != nullptr)
        m_nameEdit->SelectAll();
    (m_nameEdit != nullptr ? static_cast<RVADM_Item*>(m_nameEdit) : m_rows[0].field)->SetFocus(true);
}

void DotGainSettingsDialog::CommitItems()
{
    if (m_nameEdit != nullptr)
        m_name = TextOf(*m_nameEdit);
    const PressDotGain curve = TypedCurve();
    m_record.SetDotGain(curve.Minimum, curve.At25, curve.At50, curve.At75, curve.Maximum);
}

void DotGainSettingsDialog::OnNotify(RVADM_Item* item)
{
    if (item == m_cancel)
        EndModal(0, true);
    else if (item == m_save)
        Save();
}

void DotGainSettingsDialog::Save()
{
    if (m_nameEdit != nullptr && !DotGainMessages::ConfirmNameGiven(TextOf(*m_nameEdit).c_str(), *m_nameEdit))
        return;
    if (!m_validation.Check(TypedCurve())) {
        DotGainMessages::Show(DotGainMessages::Message::InvalidSettings, m_validation.Message());
        return;
    }
    EndModal(1, false);
}

PressDotGain DotGainSettingsDialog::TypedCurve() const
{
    PressDotGain curve;
    for (std::size_t i = 0; i < m_rows.size(); ++i)
        curve.*DotGainPoints::kPoints[i].value = m_rows[i].field->GetFloatValue(UnitNone);
    return curve;
}

void DotGainSettingsDialog::Layout()
{
    ModalItemSizes::SizeButton(*m_save);
    ModalItemSizes::SizeButton(*m_cancel);
    ModalItemSizes::FitToBest(*m_nameLabel);
    if (m_nameEdit != nullptr)
        ModalItemSizes::SizeEdit(*m_nameEdit, ModalItemSizes::BestWidth(*m_nameEdit));
    else
        ModalItemSizes::FitToBest(*m_nameField);
    m_separator->SetSize(1, kSeparatorHeight);

    RVADM_Item::PlaceInParent(m_nameLabel, kTopLeft);
    RVADM_Item::MoveBelow(m_nameLabel, m_separator, kLeftEdges);
    LayoutRows();
    RVADM_Item::MoveRightOf(m_nameLabel, m_nameField, kCentred);
    LayoutName();
    m_separator->SetWidth(m_nameField->GetRight() - m_separator->GetLeft());

    const std::int32_t height = 2 * m_save->GetHeight() + m_rows.back().field->GetBottom();
    SetInnerRect({0, 0, m_separator->GetWidth(), height});
    RVADM_Item::PlaceInParent(m_cancel, kAlignNone | kAlignMoveBottom | kAlignMoveRight);
    RVADM_Item::MoveLeftOf(m_cancel, m_save, kCentred);
}

// The row labels share the widest one's width; each row is centred on its label.
void DotGainSettingsDialog::LayoutRows()
{
    std::int32_t labelWidth = 0;
    for (const Row& row : m_rows)
        labelWidth = std::max(labelWidth, ModalItemSizes::BestWidth(*row.label));
    RVADM_Item* above = m_separator;
    std::int32_t spacing = kFirstRowBelowSeparator;
    for (const Row& row : m_rows) {
        ModalItemSizes::FitToBest(*row.label);
        row.label->SetWidth(labelWidth);
        ModalItemSizes::SizeEdit(*row.field, ModalItemSizes::BestWidth(*row.field));
        ModalItemSizes::FitToBest(*row.percent);
        RVADM_Item::MoveBelow(above, row.label, kLeftEdges, spacing);
        RVADM_Item::MoveRightOf(row.label, row.field, kCentred);
        RVADM_Item::MoveRightOf(row.field, row.percent, kCentred);
        above = row.label;
        spacing = kRowSpacing;
    }
}

// A name field ending left of the first "%" reaches it and then doubles; it always leaves room
// for both buttons.
void DotGainSettingsDialog::LayoutName()
{
    const std::int32_t percentRight = m_rows.front().percent->GetRight();
    if (m_nameField->GetRight() < percentRight)
        m_nameField->SetWidth(2 * (percentRight - m_nameField->GetLeft()));
    const std::int32_t buttonsWidth = m_save->GetWidth() + m_cancel->GetWidth() + kNameBesideButtons;
    m_nameField->SetWidth(std::max(m_nameField->GetWidth(), buttonsWidth));
}
