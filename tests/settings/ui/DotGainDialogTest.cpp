// The dot gain list dialog and its flows, driven through the real dialogs on a simulated host,
// with the settings files checked on disk.

#include "DotGainTestFolder.h"
#include "ModalScript.h"

#include "settings/ui/DotGainCopyDialog.h"
#include "settings/ui/DotGainDialog.h"
#include "tests/toolkit/HostPanelFixture.h"
#include "toolkit/RVADM_ListBox.h"

#include <QApplication>
#include <QDialog>
#include <QLineEdit>
#include <QMouseEvent>
#include <QPushButton>
#include <QTest>

#include <gtest/gtest.h>

#include <filesystem>
#include <string>
#include <vector>

namespace {

using S = ModalScript;

constexpr const char* kList = "Dot Gain Settings";
constexpr const char* kNew = "New Dot Gain Settings";
constexpr const char* kEdit = "Edit Dot Gain Settings";
constexpr const char* kCopy = "Copy Dot Gain Settings";
constexpr const char* kNameExists = "The new Dot Gain Settings could not be created. Probably the name already exists.";
const std::vector<std::string> kOffsetOnly = {"Offset.press"};

// Which of "Copy ...", "Edit ..." and "Remove" are enabled.
std::vector<bool> SelectionButtons(QDialog& dialog)
{
    std::vector<bool> enabled;
    for (const char* text : {"Copy ...", "Edit ...", "Remove"})
        enabled.push_back(S::Button(dialog, text)->isEnabled());
    return enabled;
}

class DotGainDialogTest : public toolkittest::HostPanelFixture
{
protected:
    static void Run(std::vector<S::Step> steps)
    {
        S script(std::move(steps));
        DotGainDialog::Run();
    }

    DotGainTestFolder folder;
};

TEST_F(DotGainDialogTest, SelectionEnablesCopyEditAndRemoveExceptRemoveForTheDefault)
{
    folder.Store("Offset");
    folder.Store(PressStore::DefaultPressName());
    QStringList rows;
    std::vector<bool> none, onDefault, onOffset;
    int defaults = 0;
    Run({{kList, [&](QDialog& dialog) {
              rows = S::Rows(dialog);
              none = SelectionButtons(dialog);
              for (QPushButton* button : dialog.findChildren<QPushButton*>())
                  defaults += button->isDefault() ? 1 : 0;
              S::Pick("Default")(dialog);
              onDefault = SelectionButtons(dialog);
              S::Pick("Offset")(dialog);
              onOffset = SelectionButtons(dialog);
              S::Press("Close")(dialog);
          }}});
    EXPECT_EQ(rows, QStringList({"Default", "Offset"}));
    EXPECT_EQ(none, std::vector<bool>({false, false, false}));
    EXPECT_EQ(onDefault, std::vector<bool>({true, true, false}));
    EXPECT_EQ(onOffset, std::vector<bool>({true, true, true}));
    EXPECT_EQ(defaults, 0);
}

TEST_F(DotGainDialogTest, NewUnderAnExistingNameReopensTheEditorWithTheTypedValues)
{
    folder.Store("Offset");
    const std::string offset = folder.Text("Offset");
    QString proposed, nameAgain, selected;
    QStringList shown, fieldsAgain;
    Run({{kList, S::Press("New ...")},
         {kNew, [&](QDialog& dialog) {
              proposed = S::NameEdit(dialog)->text();
              shown = S::FieldTexts(dialog);
              S::All({S::TypeName("Offset"), S::TypeField(2, "55"), S::Press("Save")})(dialog);
          }},
         {kNameExists, S::Press("Close")},
         {kNew, [&](QDialog& dialog) {
              nameAgain = S::NameEdit(dialog)->text();
              fieldsAgain = S::FieldTexts(dialog);
              S::All({S::TypeName("Offset 2"), S::Press("Save")})(dialog);
          }},
         {kList, [&](QDialog& dialog) {
              selected = S::Selected(dialog);
              S::Press("Close")(dialog);
          }}});
    EXPECT_EQ(proposed, "Untitled");
    EXPECT_EQ(shown, QStringList({"0", "25", "50", "75", "100"}));
    EXPECT_EQ(nameAgain, "Offset");
    EXPECT_EQ(fieldsAgain, QStringList({"0", "25", "55", "75", "100"}));
    EXPECT_EQ(selected, "Offset 2");
    EXPECT_EQ(folder.Text("Offset"), offset);
    EXPECT_NE(folder.Text("Offset 2").find("Minimum Dot Gain: 0.000000\n25 Dot Gain: 25.000000\n50 Dot Gain: "
                                           "55.000000\n75 Dot Gain: 75.000000\nMaximum Dot Gain: 100.000000\n"),
              std::string::npos);
}

struct EmptyNameCase
{
    const char* button;
    const char* dialog;
    const char* confirm;
};

// The editor refuses an empty name as the copy dialog does.
const EmptyNameCase kEmptyNameCases[] = {{"New ...", kNew, "Save"}, {"Copy ...", kCopy, "Create"}};

class DotGainEmptyNameTest : public DotGainDialogTest, public testing::WithParamInterface<EmptyNameCase>
{
};

TEST_P(DotGainEmptyNameTest, KeepsTheDialogOpenWithTheFocusInTheName)
{
    folder.Store("Offset");
    const EmptyNameCase& c = GetParam();
    bool focusBack = false;
    Run({{kList, S::All({S::Pick("Offset"), S::Press(c.button)})},
         {c.dialog, S::All({S::TypeName(""), S::Press(c.confirm)})},
         {"Please enter some name for the new Dot Gain Settings.", S::Press("OK")},
         {c.dialog, [&](QDialog& dialog) {
              focusBack = dialog.focusWidget() == S::NameEdit(dialog);
              S::Press("Cancel")(dialog);
          }},
         {kList, S::Press("Close")}});
    EXPECT_TRUE(focusBack);
    EXPECT_EQ(folder.Entries(), kOffsetOnly);
}

INSTANTIATE_TEST_SUITE_P(Dialogs, DotGainEmptyNameTest, testing::ValuesIn(kEmptyNameCases),
                         [](const auto& info) { return std::string(info.param.confirm); });

TEST_F(DotGainDialogTest, DialogsTheHostDoesNotAllowStoreAndRemoveNothing)
{
    folder.Store("Offset");
    const std::string offset = folder.Text("Offset");
    host.SetUserInteractionAllowed(false);
    DotGainDialog::Run();
    host.SetUserInteractionAllowed(true);
    Run({{kList, [&](QDialog& dialog) {
              S::Pick("Offset")(dialog);
              host.SetUserInteractionAllowed(false);
              for (const char* button : {"New ...", "Copy ...", "Edit ...", "Remove"})
                  S::Press(button)(dialog);
              host.SetUserInteractionAllowed(true);
              S::Press("Close")(dialog);
          }}});
    EXPECT_EQ(folder.Entries(), kOffsetOnly);
    EXPECT_EQ(folder.Text("Offset"), offset);
}

TEST_F(DotGainDialogTest, CopyStoresTheWholeSettingUnderTheNewNameAndSelectsIt)
{
    folder.Store("Offset", {2, 30, 55, 80, 100}, 310);
    QString proposed, selected;
    Run({{kList, S::All({S::Pick("Offset"), S::Press("Copy ...")})},
         {kCopy, [&](QDialog& dialog) {
              proposed = S::NameEdit(dialog)->text();
              S::All({S::TypeName("Offset copy"), S::Press("Create")})(dialog);
          }},
         {kList, [&](QDialog& dialog) {
              selected = S::Selected(dialog);
              S::Press("Close")(dialog);
          }}});
    EXPECT_EQ(proposed, "Untitled");
    EXPECT_EQ(selected, "Offset copy");
    EXPECT_EQ(folder.Text("Offset copy"), folder.Text("Offset"));
}

struct RefusedName
{
    const char* what;
    std::string name;
};

std::string Repeated(const char* text, int times)
{
    std::string repeated;
    for (int i = 0; i < times; ++i)
        repeated += text;
    return repeated;
}

// Names a person may type or paste that no setting may have. 255 bytes pass the store but not
// the file system once ".press" is added; 600 bytes of "é" are cut to 510 by the name buffer.
const RefusedName kRefusedNames[] = {
    {"Existing", "Offset"},
    {"ExistingInOtherLetterCase", "oFFSET"},
    {"ExistingInOtherLetterCaseBeyondAscii", "Über"},
    {"Bytes255", Repeated("a", 255)},
    {"Bytes256", Repeated("a", 256)},
    {"MultiByteCutAtTheBufferLimit", Repeated("\xC3\xA9", 300)},
    {"Slash", "a/b"},
    {"Backslash", "a\\b"},
    {"DotDot", ".."},
    {"ParentPath", "../Offset"},
    {"DeviceName", "CON"},
    {"ControlCharacter", "tab\there"},
};

class DotGainRefusedNameTest : public DotGainDialogTest, public testing::WithParamInterface<RefusedName>
{
};

TEST_P(DotGainRefusedNameTest, CopyShowsTheNameExistsMessageAndWritesNothing)
{
    folder.Store("Offset");
    folder.Store("über");
    const std::vector<std::string> before = folder.Entries();
    const std::string offset = folder.Text("Offset");
    QString selected;
    Run({{kList, S::All({S::Pick("Offset"), S::Press("Copy ...")})},
         {kCopy, [](QDialog& dialog) {
              S::NameEdit(dialog)->setText(QString::fromStdString(GetParam().name));
              S::Press("Create")(dialog);
          }},
         {kNameExists, S::Press("Close")},
         {kList, [&](QDialog& dialog) {
              selected = S::Selected(dialog);
              S::Press("Close")(dialog);
          }}});
    EXPECT_EQ(selected, "Offset");
    EXPECT_EQ(folder.Entries(), before);
    EXPECT_EQ(folder.Text("Offset"), offset);
    EXPECT_FALSE(std::filesystem::exists(folder.Settings().parent_path() / "Offset.press"));
}

INSTANTIATE_TEST_SUITE_P(Names, DotGainRefusedNameTest, testing::ValuesIn(kRefusedNames),
                         [](const auto& info) { return std::string(info.param.what); });

TEST(DotGainCopyDialog, KeepsAtMost511BytesOfTheProposedNameWithoutCuttingACharacter)
{
    const std::string name = Repeated("\xC3\xA9", 300);
    const DotGainCopyDialog dialog(name.c_str());
    EXPECT_EQ(std::string(dialog.GetName()), name.substr(0, 510));
}

TEST_F(DotGainDialogTest, CopyOfASettingRemovedMeanwhileCreatesNothingAndRefillsTheList)
{
    folder.Store("Offset");
    QStringList rows{"not read"};
    Run({{kList, [&](QDialog& dialog) {
              S::Pick("Offset")(dialog);
              std::filesystem::remove(folder.File("Offset"));
              S::Press("Copy ...")(dialog);
          }},
         {kCopy, S::Press("Create")},
         {kNameExists, S::Press("Close")},
         {kList, [&](QDialog& dialog) {
              rows = S::Rows(dialog);
              S::Press("Close")(dialog);
          }}});
    EXPECT_TRUE(rows.isEmpty());
    EXPECT_TRUE(folder.Entries().empty());
}

TEST_F(DotGainDialogTest, EditByDoubleClickChangesOnlyTheCurveAndShowsTheNameAsText)
{
    folder.Store("Offset", {2, 30, 55, 80, 100}, 310);
    bool nameEditable = true;
    QStringList labels, shown;
    Run({{kList, [](QDialog& dialog) {
              qRVADM::RVADM_ListBox& list = S::List(dialog);
              const QPoint centre = list.visualItemRect(list.item(0)).center();
              QTest::mouseClick(list.viewport(), Qt::LeftButton, {}, centre);
              QMouseEvent second(QEvent::MouseButtonDblClick, centre, list.viewport()->mapToGlobal(centre),
                                 Qt::LeftButton, Qt::LeftButton, Qt::NoModifier);
              QApplication::sendEvent(list.viewport(), &second);
          }},
         {kEdit, [&](QDialog& dialog) {
              nameEditable = S::NameEdit(dialog) != nullptr;
              labels = S::Labels(dialog);
              shown = S::FieldTexts(dialog);
              S::All({S::TypeField(3, "85.5"), S::Press("Save")})(dialog);
          }},
         {kList, S::Press("Close")}});
    EXPECT_FALSE(nameEditable);
    EXPECT_TRUE(labels.contains("Offset"));
    EXPECT_EQ(shown, QStringList({"2", "30", "55", "80", "100"}));
    const std::unique_ptr<PressSettings> stored = PressStore::Load("Offset");
    ASSERT_NE(stored, nullptr);
    EXPECT_FLOAT_EQ(static_cast<float>(stored->DotGain75), 85.5f);
    EXPECT_DOUBLE_EQ(stored->TACLimit, 310.0);
    EXPECT_EQ(folder.Entries(), kOffsetOnly);
}

TEST_F(DotGainDialogTest, EditOfASettingThatNoLongerLoadsSaysSo)
{
    folder.Store("Offset");
    folder.Write("Broken", "Version: 0\n");
    QStringList rows;
    Run({{kList, [&](QDialog& dialog) {
              rows = S::Rows(dialog);
              S::Pick("Offset")(dialog);
              std::filesystem::remove(folder.File("Offset"));
              S::Press("Edit ...")(dialog);
          }},
         {"The Dot Gain Settings 'Offset' could not be retrieved.", S::Press("Close")},
         {kList, S::All({S::Pick("Broken"), S::Press("Edit ...")})},
         {"The Dot Gain Settings 'Broken' could not be retrieved.", S::Press("Close")},
         {kList, S::Press("Close")}});
    EXPECT_EQ(rows, QStringList({"Broken", "Offset"}));
    EXPECT_EQ(folder.Text("Broken"), "Version: 0\n");
}

TEST_F(DotGainDialogTest, EditThatCannotBeWrittenSaysSoAndKeepsTheSelection)
{
    folder.Store("Offset");
    QString selected;
    Run({{kList, S::All({S::Pick("Offset"), S::Press("Edit ...")})},
         {kEdit, [&](QDialog& dialog) {
              std::filesystem::remove(folder.File("Offset"));
              std::filesystem::create_directory(folder.File("Offset"));
              S::Press("Save")(dialog);
          }},
         {"The modifications could not be saved.", S::Press("Close")},
         {kList, [&](QDialog& dialog) {
              selected = S::Selected(dialog);
              S::Press("Close")(dialog);
          }}});
    EXPECT_EQ(selected, "Offset");
    EXPECT_TRUE(std::filesystem::is_directory(folder.File("Offset")));
}

struct RemoveCase
{
    const char* what;
    const char* answer;
    bool removedMeanwhile;
    QStringList rows;
    QString selected;
};

const RemoveCase kRemoveCases[] = {
    {"Confirmed", "Remove", false, {"Web"}, ""},
    {"Declined", "Cancel", false, {"Offset", "Web"}, "Offset"},
    {"RemovedMeanwhile", "Remove", true, {"Web"}, ""},
};

class DotGainRemoveTest : public DotGainDialogTest, public testing::WithParamInterface<RemoveCase>
{
};

TEST_P(DotGainRemoveTest, RemovesOnlyWhenConfirmedAndShowsWhatIsLeft)
{
    const RemoveCase& c = GetParam();
    folder.Store("Offset");
    folder.Store("Web");
    QStringList rows;
    QString selected;
    Run({{kList, [&](QDialog& dialog) {
              S::Pick("Offset")(dialog);
              if (c.removedMeanwhile)
                  std::filesystem::remove(folder.File("Offset"));
              S::Press("Remove")(dialog);
          }},
         {"This will permanently remove the Dot Gain Settings. This might also affect other workstations.",
          S::Press(c.answer)},
         {kList, [&](QDialog& dialog) {
              rows = S::Rows(dialog);
              selected = S::Selected(dialog);
              S::Press("Close")(dialog);
          }}});
    EXPECT_EQ(rows, c.rows);
    EXPECT_EQ(selected, c.selected);
    EXPECT_EQ(folder.Entries().size(), static_cast<std::size_t>(c.rows.size()));
}

INSTANTIATE_TEST_SUITE_P(Answers, DotGainRemoveTest, testing::ValuesIn(kRemoveCases),
                         [](const auto& info) { return std::string(info.param.what); });

TEST_F(DotGainDialogTest, NewInAFolderThatCannotBeMadeReportsTheFailure)
{
    // The shared documents "folder" is a file: the settings folder cannot exist.
    const TemporaryFolder other;
    const EnvironmentGuard shared(platform::kSharedDocumentsVariable, other.Write("file", "x"));
    QStringList rows{"not read"};
    Run({{kList, [&](QDialog& dialog) {
              rows = S::Rows(dialog);
              S::Press("New ...")(dialog);
          }},
         {kNew, S::Press("Save")},
         {kNameExists, S::Press("Close")},
         {kNew, S::Press("Cancel")},
         {kList, S::Press("Close")}});
    EXPECT_TRUE(rows.isEmpty());
    EXPECT_EQ(other.Entries(), std::vector<std::string>{"file"});
}

} // namespace
