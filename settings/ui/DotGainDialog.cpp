#include "settings/ui/DotGainDialog.h"

#include "settings/PressError.h"
#include "settings/PressStore.h"
#include "settings/ui/DotGainCopyDialog.h"
#include "settings/ui/DotGainMessages.h"
#include "settings/ui/DotGainSettingsDialog.h"
#include "settings/ui/ModalItemSizes.h"
#include "support/FileName.h"
#include "toolkit/RVADM_CriticalMessageDialog.h"
#include "toolkit/RVADM_ListBox.h"
#include "toolkit/RVADM_TextPushButton.h"

#include <QString>

#include <memory>
#include <optional>

using namespace qRVADM;
using DotGainMessages::Message;

namespace {

constexpr std::int32_t kListSize = 240;
constexpr std::size_t kNameBufferSize = 512;
// The curve of a new setting: each point prints as itself.
constexpr PressDotGain kNewCurve = {0.0, 25.0, 50.0, 75.0, 100.0};

// The listed setting whose name equals `name` but perhaps for letter case: settings folders are
// shared with systems whose file names ignore it. Nothing when there is none.
std::optional<std::string> ListedAs(const std::string& name)
{
    const QString wanted = QString::fromStdString(name);
    for (const std::string& listed : PressStore::Names()) {
        if (QString::fromStdString(listed).compare(wanted, Qt::CaseInsensitive) == 0)
            return listed;
    }
    return std::nullopt;
}

// Stores `record` as the new setting `name`. False, with nothing written, after telling the user
// why the name cannot be used: it differs from a listed one only in letter case, or not every
// workstation sharing the folder can keep it (Windows ones included). Throws, with nothing
// written and the record's name unchanged, when the name is taken or the store or the folder
// refuses it.
bool SaveAsNew(PressSettings& record, const std::string& name)
{
    const std::optional<std::string> listed = ListedAs(name);
    if (listed == name)
        throw PressError();
    if (listed) {
        DotGainMessages::ShowNameInUse(name, *listed);
        return false;
    }
    if (const FileName::Fault fault = FileName::PlainNameFault(name); fault != FileName::Fault::None) {
        DotGainMessages::ShowNameRefused(fault, name);
        return false;
    }
    PressStore::Save(record, name, false);
    return true;
}

// Why a setting did not load: its folder went away, or the file itself.
PressProblem LoadProblem()
{
    return PressStore::FolderExists() ? PressProblem::Refused : PressProblem::FolderMissing;
}

// Runs the editor on `record`; on "Save" the curve is in the record and `name` holds the name
// typed. False for every other ending.
bool RunEditor(PressSettings& record, std::string& name, bool isNew, const char* title)
{
    DotGainSettingsDialog editor(record, name, isNew);
    if (editor.Modal(title, true) != 1)
        return false;
    name = editor.GetName();
    return true;
}

// The name asked for a copy, or nothing when the user cancelled.
std::optional<std::string> AskCopyName()
{
    DotGainCopyDialog dialog(PressStore::UniqueUntitledName());
    if (dialog.Modal("Copy Dot Gain Settings", true) != 1)
        return std::nullopt;
    return std::string(dialog.GetName());
}

bool ConfirmRemoval()
{
    const RVADM_CriticalMessageDialog confirm(
        "Remove Dot Gain Settings", true,
        "This will permanently remove the Dot Gain Settings. This might also affect other workstations.", true,
        "Remove", "Cancel", false);
    return confirm.GetClickedIndex() == 0;
}

} // namespace

void DotGainDialog::Run()
{
    DotGainDialog dialog;
}

DotGainDialog::DotGainDialog()
{
    Modal("Dot Gain Settings", true);
}

// There is no default button: Return in the list must not close the dialog or act on a setting.
void DotGainDialog::CreateItems()
{
    m_list = new RVADM_ListBox(this, false);
    m_list->SetAccessibleName("Dot Gain Settings", true);
    m_close = new RVADM_TextPushButton(this, "Close", true);
    m_new = new RVADM_TextPushButton(this, "New ...", true);
    m_copy = new RVADM_TextPushButton(this, "Copy ...", true);
    m_edit = new RVADM_TextPushButton(this, "Edit ...", true);
    m_remove = new RVADM_TextPushButton(this, "Remove", true);
    for (QPushButton* button : {m_close, m_new, m_copy, m_edit, m_remove})
        button->setAutoDefault(false);
    SetCancelItem(m_close);
    m_list->SetDoubleClickItem(m_edit);
    SetTabOrder({m_list, m_new, m_copy, m_edit, m_remove, m_close});
}

void DotGainDialog::InitItems()
{
    PressStore::InitFolder();
    Fill(std::string());
    UpdateButtons();
}

void DotGainDialog::Layout()
{
    RVADM_Item* const buttons[] = {m_new, m_copy, m_edit, m_remove, m_close};
    for (RVADM_Item* button : buttons)
        ModalItemSizes::SizeButton(*button);
    m_list->SetSize(kListSize, kListSize);

    RVADM_Item::PlaceInParent(m_list, kAlignNone | kAlignMoveTop | kAlignMoveLeft);
    RVADM_Item::MoveRightOf(m_list, m_new, kAlignNone | kAlignMoveTop);
    RVADM_Item::MoveBelow(m_new, m_copy, kAlignNone | kAlignMoveLeft);
    RVADM_Item::MoveBelow(m_copy, m_edit, kAlignNone | kAlignMoveLeft);
    RVADM_Item::MoveBelow(m_edit, m_remove, kAlignNone | kAlignMoveLeft);
    RVADM_Item::MoveRightOf(m_list, m_close, kAlignNone | kAlignMoveBottom);
    RVADM_Item::AlignItems(kAlignStretchRight, m_new, m_copy, m_edit, m_remove, m_close);
    RVADM_Item::FitParentTo(m_close, kAlignNone | kAlignStretchBottom | kAlignStretchRight);
}

void DotGainDialog::OnNotify(RVADM_Item* item)
{
    if (item == m_close)
        EndModal(1, false);
    else if (item == m_list)
        UpdateButtons();
    else if (item == m_remove)
        RemoveSelected();
    else if (item == m_copy)
        CopySelected();
    else if (item == m_new)
        CreateSetting();
    else if (item == m_edit)
        EditSelected();
}

void DotGainDialog::Fill(const std::string& selected)
{
    m_list->RemoveAllEntries();
    for (const std::string& name : PressStore::Names()) {
        auto* entry = new RVADM_ListEntry(m_list, name.c_str());
        if (name == selected)
            entry->Select(true);
    }
}

void DotGainDialog::UpdateButtons()
{
    const bool selected = m_list->GetSelectedEntry(0) != nullptr;
    m_copy->Enable(selected);
    m_edit->Enable(selected);
    m_remove->Enable(selected && SelectedName() != PressStore::DefaultPressName());
}

std::string DotGainDialog::SelectedName() const
{
    const RVADM_ListEntry* entry = m_list->GetSelectedEntry(0);
    if (entry == nullptr)
        return std::string();
    char name[kNameBufferSize];
    entry->GetText(name, sizeof name);
    return name;
}

// Saving under a name that exists, or that the store refuses, says so and reopens the editor
// with everything typed; "Cancel" ends the loop.
void DotGainDialog::CreateSetting()
{
    std::unique_ptr<PressSettings> record;
    try {
        record = std::make_unique<PressSettings>(PressStore::UniqueUntitledName());
    } catch (const PressError&) {
        DotGainMessages::Show(Message::NameExists);
        return;
    }
    record->SetDotGain(kNewCurve.Minimum, kNewCurve.At25, kNewCurve.At50, kNewCurve.At75, kNewCurve.Maximum);
    std::string name = record->Name;
    while (RunEditor(*record, name, true, "New Dot Gain Settings")) {
        try {
            if (SaveAsNew(*record, name)) {
                Fill(record->Name);
                UpdateButtons();
                return;
            }
        } catch (const PressError& error) {
            DotGainMessages::ShowProblem(error.Problem(), Message::NameExists);
        }
    }
}

void DotGainDialog::CopySelected()
{
    const std::string source = SelectedName();
    const std::optional<std::string> name = AskCopyName();
    if (!name)
        return;
    const std::unique_ptr<PressSettings> record = PressStore::Load(source);
    try {
        if (!record)
            throw PressError(LoadProblem());
        SaveAsNew(*record, *name);
    } catch (const PressError& error) {
        DotGainMessages::ShowProblem(error.Problem(), Message::NameExists);
    }
    Fill(record ? record->Name : std::string());
    UpdateButtons();
}

// The list is not refilled: only the curve of the listed setting changed.
void DotGainDialog::EditSelected()
{
    const std::unique_ptr<PressSettings> record = PressStore::Load(SelectedName());
    if (!record) {
        if (LoadProblem() == PressProblem::FolderMissing)
            DotGainMessages::ShowProblem(PressProblem::FolderMissing, Message::CouldNotLoad);
        else
            DotGainMessages::ShowCouldNotLoad(SelectedName());
        return;
    }
    std::string name = record->Name;
    if (!RunEditor(*record, name, false, "Edit Dot Gain Settings"))
        return;
    try {
        PressStore::Save(*record, record->Name, true);
    } catch (const PressError& error) {
        DotGainMessages::ShowProblem(error.Problem(), Message::CouldNotSave);
    }
}

void DotGainDialog::RemoveSelected()
{
    const std::string name = SelectedName();
    if (!ConfirmRemoval())
        return;
    try {
        PressStore::Remove(name);
    } catch (const PressError& error) {
        // The default setting and names the store refuses stay silently; the refill shows
        // what is there.
        if (error.Problem() != PressProblem::Refused)
            DotGainMessages::ShowProblem(error.Problem(), Message::CouldNotSave);
    }
    Fill(std::string());
    UpdateButtons();
}
