// The dot gain list dialog and its flows, driven through the real dialogs on a simulated host.

#include "DotGainTestFolder.h"
#include "ModalScript.h"

#include "settings/ui/DotGainCopyDialog.h"
#include "settings/ui/DotGainDialog.h"
#include "tests/toolkit/HostPanelFixture.h"
#include "toolkit/RVADM_ListBox.h"

#include <QAbstractSpinBox>
#include <QApplication>
#include <QDialog>
#include <QLineEdit>
#include <QListWidget>
#include <QMouseEvent>
#include <QPushButton>
#include <QTest>

#include <gtest/gtest.h>

#include <filesystem>
#include <string>
#include <vector>

namespace {

using Script = ModalScript;

constexpr const char* kList = "Dot Gain Settings";
constexpr const char* kNew = "New Dot Gain Settings";
constexpr const char* kEdit = "Edit Dot Gain Settings";
constexpr const char* kCopy = "Copy Dot Gain Settings";
constexpr const char* kNameExists = "Name already exists";

qRVADM::RVADM_ListBox& List(QDialog& dialog)
{
    auto* list = dynamic_cast<qRVADM::RVADM_ListBox*>(dialog.findChild<QListWidget*>());
    EXPECT_NE(list, nullptr);
    return *list;
}

QStringList Rows(QDialog& dialog)
{
    QStringList rows;
    QListWidget& list = List(dialog);
    for (int i = 0; i < list.count(); ++i)
        rows.push_back(list.item(i)->text());
    return rows;
}

QString Selected(QDialog& dialog)
{
    const QList<QListWidgetItem*> selected = List(dialog).selectedItems();
    return selected.isEmpty() ? QString() : selected.front()->text();
}

QPoint RowCentre(QDialog& dialog, const char* row)
{
    QListWidget& list = List(dialog);
    const QList<QListWidgetItem*> found = list.findItems(QString::fromUtf8(row), Qt::MatchExactly);
    EXPECT_EQ(found.size(), 1) << row;
    return found.isEmpty() ? QPoint() : list.visualItemRect(found.front()).center();
}

// A click on the row, then the end of the double-click interval.
void ClickRow(QDialog& dialog, const char* row)
{
    qRVADM::RVADM_ListBox& list = List(dialog);
    QTest::mouseClick(list.viewport(), Qt::LeftButton, {}, RowCentre(dialog, row));
    list.CommitPendingSelection();
}

// Which of "Copy ...", "Edit ..." and "Remove" are enabled.
std::vector<bool> SelectionButtons(QDialog& dialog)
{
    std::vector<bool> enabled;
    for (const char* text : {"Copy ...", "Edit ...", "Remove"})
        enabled.push_back(Script::Button(dialog, text)->isEnabled());
    return enabled;
}

QStringList FieldTexts(QDialog& dialog)
{
    QStringList texts;
    for (const QAbstractSpinBox* field : Script::Fields(dialog))
        texts.push_back(field->text());
    return texts;
}

void Close(QDialog& dialog)
{
    Script::Click(dialog, "Close");
}

const std::vector<bool> kNothingSelected = {false, false, false};
const std::vector<bool> kAllEnabled = {true, true, true};

class DotGainDialogTest : public toolkittest::HostPanelFixture
{
protected:
    DotGainTestFolder folder;
};

TEST_F(DotGainDialogTest, EmptyFolderListsNothingAndOffersOnlyNew)
{
    QStringList rows{"not read"};
    std::vector<bool> buttons;
    bool newEnabled = false;
    {
        Script script;
        script.Then(kList, [&](QDialog& dialog) {
            rows = Rows(dialog);
            buttons = SelectionButtons(dialog);
            newEnabled = Script::Button(dialog, "New ...")->isEnabled();
            Close(dialog);
        });
        DotGainDialog::Run();
    }
    EXPECT_TRUE(rows.isEmpty());
    EXPECT_EQ(buttons, kNothingSelected);
    EXPECT_TRUE(newEnabled);
}

TEST_F(DotGainDialogTest, TheDefaultSettingCanBeEditedAndCopiedButNotRemoved)
{
    folder.Store("Offset");
    folder.Store(PressStore::DefaultPressName());
    QStringList rows;
    std::vector<bool> onDefault, onOffset;
    {
        Script script;
        script.Then(kList, [&](QDialog& dialog) {
            rows = Rows(dialog);
            ClickRow(dialog, "Default");
            onDefault = SelectionButtons(dialog);
            ClickRow(dialog, "Offset");
            onOffset = SelectionButtons(dialog);
            Close(dialog);
        });
        DotGainDialog::Run();
    }
    EXPECT_EQ(rows, QStringList({"Default", "Offset"}));
    EXPECT_EQ(onDefault, std::vector<bool>({true, true, false}));
    EXPECT_EQ(onOffset, kAllEnabled);
}

TEST_F(DotGainDialogTest, ListDialogLaysOutTheListAndAColumnOfButtons)
{
    QRect list, dialogRect;
    std::vector<QRect> buttons;
    int defaults = 0;
    {
        Script script;
        script.Then(kList, [&](QDialog& dialog) {
            list = List(dialog).geometry();
            dialogRect = dialog.rect();
            for (const char* text : {"New ...", "Copy ...", "Edit ...", "Remove", "Close"}) {
                buttons.push_back(Script::Button(dialog, text)->geometry());
                defaults += Script::Button(dialog, text)->isDefault() ? 1 : 0;
            }
            Close(dialog);
        });
        DotGainDialog::Run();
    }
    EXPECT_EQ(defaults, 0);
    EXPECT_EQ(list, QRect(12, 12, 240, 240));
    const QRect& news = buttons[0];
    EXPECT_EQ(news.topLeft(), QPoint(list.x() + 240 + 7, 12));
    for (std::size_t i = 1; i < 4; ++i)
        EXPECT_EQ(buttons[i].topLeft(), QPoint(news.x(), buttons[i - 1].y() + 22 + 7)) << i;
    const QRect& close = buttons[4];
    EXPECT_EQ(close.x(), news.x());
    EXPECT_EQ(close.y() + close.height(), list.y() + list.height());
    for (const QRect& button : buttons)
        EXPECT_EQ(button.x() + button.width(), news.x() + news.width());
    EXPECT_EQ(dialogRect.width(), close.x() + close.width() + 12);
    EXPECT_EQ(dialogRect.height(), close.y() + close.height() + 12);
}

TEST_F(DotGainDialogTest, NewStoresTheProposedNameWithTheIdentityCurveAndSelectsIt)
{
    QString proposed;
    QStringList shown, rows;
    QString selected;
    {
        Script script;
        script.Then(kList, [](QDialog& dialog) { Script::Click(dialog, "New ..."); })
            .Then(kNew, [&](QDialog& dialog) {
                proposed = Script::NameEdit(dialog)->text();
                shown = FieldTexts(dialog);
                Script::Click(dialog, "Save");
            })
            .Then(kList, [&](QDialog& dialog) {
                rows = Rows(dialog);
                selected = Selected(dialog);
                Close(dialog);
            });
        DotGainDialog::Run();
    }
    EXPECT_EQ(proposed, "Untitled");
    EXPECT_EQ(shown, QStringList({"0", "25", "50", "75", "100"}));
    EXPECT_EQ(rows, QStringList{"Untitled"});
    EXPECT_EQ(selected, "Untitled");
    const std::string text = folder.Text("Untitled");
    EXPECT_NE(text.find("Version: 3\nIsFlexo: 0\nFirstDot: 1\n"), std::string::npos) << text;
    EXPECT_NE(text.find("Minimum Dot Gain: 0.000000\n25 Dot Gain: 25.000000\n50 Dot Gain: 50.000000\n"
                        "75 Dot Gain: 75.000000\nMaximum Dot Gain: 100.000000\n"),
              std::string::npos)
        << text;
}

TEST_F(DotGainDialogTest, NewUnderAnExistingNameReopensTheEditorWithTheTypedValues)
{
    folder.Store("Offset");
    const std::string offset = folder.Text("Offset");
    QString nameAgain;
    QStringList fieldsAgain;
    QString selected;
    {
        Script script;
        script.Then(kList, [](QDialog& dialog) { Script::Click(dialog, "New ..."); })
            .Then(kNew, [](QDialog& dialog) {
                Script::Type(*Script::NameEdit(dialog), "Offset");
                Script::Type(*Script::Fields(dialog)[2], "55");
                Script::Click(dialog, "Save");
            })
            .Then(kNameExists, [](QDialog& dialog) { Close(dialog); })
            .Then(kNew, [&](QDialog& dialog) {
                nameAgain = Script::NameEdit(dialog)->text();
                fieldsAgain = FieldTexts(dialog);
                Script::Type(*Script::NameEdit(dialog), "Offset 2");
                Script::Click(dialog, "Save");
            })
            .Then(kList, [&](QDialog& dialog) {
                selected = Selected(dialog);
                Close(dialog);
            });
        DotGainDialog::Run();
    }
    EXPECT_EQ(nameAgain, "Offset");
    EXPECT_EQ(fieldsAgain, QStringList({"0", "25", "55", "75", "100"}));
    EXPECT_EQ(selected, "Offset 2");
    EXPECT_EQ(folder.Text("Offset"), offset);
    EXPECT_NE(folder.Text("Offset 2").find("50 Dot Gain: 55.000000\n"), std::string::npos);
}

TEST_F(DotGainDialogTest, NewWithAnEmptyNameKeepsTheEditorOpenWithTheFocusInTheName)
{
    bool focusBack = false;
    {
        Script script;
        script.Then(kList, [](QDialog& dialog) { Script::Click(dialog, "New ..."); })
            .Then(kNew, [](QDialog& dialog) {
                Script::Type(*Script::NameEdit(dialog), "");
                Script::Click(dialog, "Save");
            })
            .Then("Please enter some name for the new Dot Gain Settings.",
                  [](QDialog& dialog) { Script::Click(dialog, "OK"); })
            .Then(kNew, [&](QDialog& dialog) {
                focusBack = dialog.focusWidget() == Script::NameEdit(dialog);
                Script::Click(dialog, "Cancel");
            })
            .Then(kList, Close);
        DotGainDialog::Run();
    }
    EXPECT_TRUE(focusBack);
    EXPECT_TRUE(folder.Entries().empty());
}

TEST_F(DotGainDialogTest, NewWithAnInvalidCurveNamesTheFailedTestAndKeepsTheEditorOpen)
{
    QStringList message;
    {
        Script script;
        script.Then(kList, [](QDialog& dialog) { Script::Click(dialog, "New ..."); })
            .Then(kNew, [](QDialog& dialog) {
                Script::Type(*Script::Fields(dialog)[0], "10");
                Script::Type(*Script::Fields(dialog)[1], "10");
                Script::Click(dialog, "Save");
            })
            .Then("Invalid Dot Gain Settings", [&](QDialog& dialog) {
                message = Script::Labels(dialog);
                Close(dialog);
            })
            .Then(kNew, [](QDialog& dialog) { Script::Click(dialog, "Cancel"); })
            .Then(kList, Close);
        DotGainDialog::Run();
    }
    EXPECT_TRUE(message.contains("\n25 % Dot Gain value is below limit (10.5 %).")) << message.join('|').toStdString();
    EXPECT_TRUE(folder.Entries().empty());
}

TEST_F(DotGainDialogTest, DialogsTheHostDoesNotAllowStoreAndRemoveNothing)
{
    folder.Store("Offset");
    const std::vector<std::string> before = folder.Entries();
    const std::string offset = folder.Text("Offset");
    host.SetUserInteractionAllowed(false);
    DotGainDialog::Run();
    host.SetUserInteractionAllowed(true);
    {
        Script script;
        script.Then(kList, [&](QDialog& dialog) {
            ClickRow(dialog, "Offset");
            host.SetUserInteractionAllowed(false);
            for (const char* button : {"New ...", "Copy ...", "Edit ...", "Remove"})
                Script::Click(dialog, button);
            host.SetUserInteractionAllowed(true);
            Close(dialog);
        });
        DotGainDialog::Run();
    }
    EXPECT_EQ(folder.Entries(), before);
    EXPECT_EQ(folder.Text("Offset"), offset);
}

TEST_F(DotGainDialogTest, CopyStoresTheWholeSettingUnderTheNewNameAndSelectsIt)
{
    folder.Store("Offset", {2, 30, 55, 80, 100}, 310);
    QString proposed, selected;
    {
        Script script;
        script.Then(kList, [](QDialog& dialog) {
                  ClickRow(dialog, "Offset");
                  Script::Click(dialog, "Copy ...");
              })
            .Then(kCopy, [&](QDialog& dialog) {
                proposed = Script::NameEdit(dialog)->text();
                Script::Type(*Script::NameEdit(dialog), "Offset copy");
                Script::Click(dialog, "Create");
            })
            .Then(kList, [&](QDialog& dialog) {
                selected = Selected(dialog);
                Close(dialog);
            });
        DotGainDialog::Run();
    }
    EXPECT_EQ(proposed, "Untitled");
    EXPECT_EQ(selected, "Offset copy");
    EXPECT_EQ(folder.Text("Offset copy"), folder.Text("Offset"));
}

TEST_F(DotGainDialogTest, CopyWithAnEmptyNameKeepsTheCopyDialogOpenWithTheFocusInTheName)
{
    folder.Store("Offset");
    bool focusBack = false;
    {
        Script script;
        script.Then(kList, [](QDialog& dialog) {
                  ClickRow(dialog, "Offset");
                  Script::Click(dialog, "Copy ...");
              })
            .Then(kCopy, [](QDialog& dialog) {
                Script::Type(*Script::NameEdit(dialog), "");
                Script::Click(dialog, "Create");
            })
            .Then("Empty Dot Gain Settings name", [](QDialog& dialog) { Script::Click(dialog, "OK"); })
            .Then(kCopy, [&](QDialog& dialog) {
                focusBack = dialog.focusWidget() == Script::NameEdit(dialog);
                Script::Click(dialog, "Cancel");
            })
            .Then(kList, Close);
        DotGainDialog::Run();
    }
    EXPECT_TRUE(focusBack);
    EXPECT_EQ(folder.Entries(), std::vector<std::string>{"Offset.press"});
}

struct RefusedName
{
    const char* what;
    std::string name;
};

// Names a person may type or paste that no setting may have. 255 bytes pass the store but not
// the file system once ".press" is added.
const RefusedName kRefusedNames[] = {
    {"Existing", "Offset"},
    {"ExistingInOtherLetterCase", "oFFSET"},
    {"ExistingInOtherLetterCaseBeyondAscii", "Über"},
    {"Bytes255", std::string(255, 'a')},
    {"Bytes256", std::string(256, 'a')},
    {"MultiByteCutAtTheBufferLimit", [] {
         std::string name;
         for (int i = 0; i < 300; ++i)
             name += "\xC3\xA9";
         return name;
     }()},
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

TEST_P(DotGainRefusedNameTest, CopyRefusesTheNameWithTheNameExistsMessageAndWritesNothing)
{
    folder.Store("Offset");
    folder.Store("über");
    const std::vector<std::string> before = folder.Entries();
    const std::string offset = folder.Text("Offset");
    QString selected;
    {
        Script script;
        script.Then(kList, [](QDialog& dialog) {
                  ClickRow(dialog, "Offset");
                  Script::Click(dialog, "Copy ...");
              })
            .Then(kCopy, [](QDialog& dialog) {
                Script::NameEdit(dialog)->setText(QString::fromStdString(GetParam().name));
                Script::Click(dialog, "Create");
            })
            .Then("The new Dot Gain Settings could not be created. Probably the name already exists.", Close)
            .Then(kList, [&](QDialog& dialog) {
                selected = Selected(dialog);
                Close(dialog);
            });
        DotGainDialog::Run();
    }
    EXPECT_EQ(selected, "Offset");
    EXPECT_EQ(folder.Entries(), before);
    EXPECT_EQ(folder.Text("Offset"), offset);
    EXPECT_FALSE(std::filesystem::exists(folder.Settings().parent_path() / "Offset.press"));
}

INSTANTIATE_TEST_SUITE_P(Names, DotGainRefusedNameTest, testing::ValuesIn(kRefusedNames),
                         [](const testing::TestParamInfo<RefusedName>& info) { return std::string(info.param.what); });

TEST(DotGainCopyDialog, KeepsAtMost511BytesOfTheProposedNameWithoutCuttingACharacter)
{
    std::string name;
    for (int i = 0; i < 300; ++i)
        name += "\xC3\xA9";
    const DotGainCopyDialog dialog(name.c_str());
    EXPECT_EQ(std::string(dialog.GetName()), name.substr(0, 510));
}

TEST_F(DotGainDialogTest, CopyOfASettingRemovedMeanwhileCreatesNothingAndRefillsTheList)
{
    folder.Store("Offset");
    QStringList rows{"not read"};
    QString selected{"not read"};
    {
        Script script;
        script.Then(kList, [&](QDialog& dialog) {
                  ClickRow(dialog, "Offset");
                  std::filesystem::remove(folder.File("Offset"));
                  Script::Click(dialog, "Copy ...");
              })
            .Then(kCopy, [](QDialog& dialog) { Script::Click(dialog, "Create"); })
            .Then(kNameExists, Close)
            .Then(kList, [&](QDialog& dialog) {
                rows = Rows(dialog);
                selected = Selected(dialog);
                Close(dialog);
            });
        DotGainDialog::Run();
    }
    EXPECT_TRUE(rows.isEmpty());
    EXPECT_TRUE(selected.isEmpty());
    EXPECT_TRUE(folder.Entries().empty());
}

TEST_F(DotGainDialogTest, EditChangesOnlyTheCurveAndShowsTheNameAsText)
{
    folder.Store("Offset", {2, 30, 55, 80, 100}, 310);
    bool nameEditable = true;
    QStringList labels, shown;
    {
        Script script;
        script.Then(kList, [](QDialog& dialog) {
                  ClickRow(dialog, "Offset");
                  Script::Click(dialog, "Edit ...");
              })
            .Then(kEdit, [&](QDialog& dialog) {
                nameEditable = Script::NameEdit(dialog) != nullptr;
                labels = Script::Labels(dialog);
                shown = FieldTexts(dialog);
                Script::Type(*Script::Fields(dialog)[3], "85.5");
                Script::Click(dialog, "Save");
            })
            .Then(kList, Close);
        DotGainDialog::Run();
    }
    EXPECT_FALSE(nameEditable);
    EXPECT_TRUE(labels.contains("Offset"));
    EXPECT_EQ(shown, QStringList({"2", "30", "55", "80", "100"}));
    const std::unique_ptr<PressSettings> stored = PressStore::Load("Offset");
    ASSERT_NE(stored, nullptr);
    EXPECT_FLOAT_EQ(static_cast<float>(stored->DotGain75), 85.5f);
    EXPECT_DOUBLE_EQ(stored->TACLimit, 310.0);
    EXPECT_EQ(folder.Entries(), std::vector<std::string>{"Offset.press"});
}

TEST_F(DotGainDialogTest, DoubleClickOnARowEditsIt)
{
    folder.Store("Offset");
    {
        Script script;
        script.Then(kList, [](QDialog& dialog) {
                  qRVADM::RVADM_ListBox& list = List(dialog);
                  const QPoint centre = RowCentre(dialog, "Offset");
                  QTest::mouseClick(list.viewport(), Qt::LeftButton, {}, centre);
                  QMouseEvent second(QEvent::MouseButtonDblClick, centre, list.viewport()->mapToGlobal(centre),
                                     Qt::LeftButton, Qt::LeftButton, Qt::NoModifier);
                  QApplication::sendEvent(list.viewport(), &second);
              })
            .Then(kEdit, [](QDialog& dialog) { Script::Click(dialog, "Cancel"); })
            .Then(kList, Close);
        DotGainDialog::Run();
    }
}

TEST_F(DotGainDialogTest, EditOfASettingThatNoLongerLoadsSaysSo)
{
    folder.Store("Offset");
    folder.Write("Broken", "Version: 0\n");
    QStringList rows;
    QStringList removedMessage, brokenMessage;
    {
        Script script;
        script.Then(kList, [&](QDialog& dialog) {
                  rows = Rows(dialog);
                  ClickRow(dialog, "Offset");
                  std::filesystem::remove(folder.File("Offset"));
                  Script::Click(dialog, "Edit ...");
              })
            .Then("Could Not Load", [&](QDialog& dialog) {
                removedMessage = Script::Labels(dialog);
                Close(dialog);
            })
            .Then(kList, [](QDialog& dialog) {
                ClickRow(dialog, "Broken");
                Script::Click(dialog, "Edit ...");
            })
            .Then("Could Not Load", [&](QDialog& dialog) {
                brokenMessage = Script::Labels(dialog);
                Close(dialog);
            })
            .Then(kList, Close);
        DotGainDialog::Run();
    }
    EXPECT_EQ(rows, QStringList({"Broken", "Offset"}));
    EXPECT_TRUE(removedMessage.contains("The Dot Gain Settings 'Offset' could not be retrieved."));
    EXPECT_TRUE(brokenMessage.contains("The Dot Gain Settings 'Broken' could not be retrieved."));
    EXPECT_EQ(folder.Text("Broken"), "Version: 0\n");
}

TEST_F(DotGainDialogTest, EditThatCannotBeWrittenSaysSoAndLeavesTheListAlone)
{
    folder.Store("Offset");
    QString selected;
    {
        Script script;
        script.Then(kList, [](QDialog& dialog) {
                  ClickRow(dialog, "Offset");
                  Script::Click(dialog, "Edit ...");
              })
            .Then(kEdit, [&](QDialog& dialog) {
                std::filesystem::remove(folder.File("Offset"));
                std::filesystem::create_directory(folder.File("Offset"));
                Script::Click(dialog, "Save");
            })
            .Then("The modifications could not be saved.", Close)
            .Then(kList, [&](QDialog& dialog) {
                selected = Selected(dialog);
                Close(dialog);
            });
        DotGainDialog::Run();
    }
    EXPECT_EQ(selected, "Offset");
    EXPECT_TRUE(std::filesystem::is_directory(folder.File("Offset")));
    EXPECT_EQ(folder.Entries(), std::vector<std::string>{"Offset.press"});
}

TEST_F(DotGainDialogTest, RemoveAfterConfirmationDeletesTheFileAndClearsTheSelection)
{
    folder.Store("Offset");
    folder.Store("Web");
    QStringList rows;
    std::vector<bool> buttons;
    {
        Script script;
        script.Then(kList, [](QDialog& dialog) {
                  ClickRow(dialog, "Offset");
                  Script::Click(dialog, "Remove");
              })
            .Then("This will permanently remove the Dot Gain Settings. This might also affect other workstations.",
                  [](QDialog& dialog) { Script::Click(dialog, "Remove"); })
            .Then(kList, [&](QDialog& dialog) {
                rows = Rows(dialog);
                buttons = SelectionButtons(dialog);
                Close(dialog);
            });
        DotGainDialog::Run();
    }
    EXPECT_EQ(rows, QStringList{"Web"});
    EXPECT_EQ(buttons, kNothingSelected);
    EXPECT_EQ(folder.Entries(), std::vector<std::string>{"Web.press"});
}

TEST_F(DotGainDialogTest, RemoveDeclinedKeepsEverything)
{
    folder.Store("Offset");
    QString selected;
    {
        Script script;
        script.Then(kList, [](QDialog& dialog) {
                  ClickRow(dialog, "Offset");
                  Script::Click(dialog, "Remove");
              })
            .Then("Remove Dot Gain Settings", [](QDialog& dialog) { Script::Click(dialog, "Cancel"); })
            .Then(kList, [&](QDialog& dialog) {
                selected = Selected(dialog);
                Close(dialog);
            });
        DotGainDialog::Run();
    }
    EXPECT_EQ(selected, "Offset");
    EXPECT_EQ(folder.Entries(), std::vector<std::string>{"Offset.press"});
}

TEST_F(DotGainDialogTest, RemoveOfASettingRemovedMeanwhileShowsWhatAnotherWorkstationLeft)
{
    folder.Store("Offset");
    folder.Store("Web");
    QStringList rows;
    {
        Script script;
        script.Then(kList, [&](QDialog& dialog) {
                  ClickRow(dialog, "Offset");
                  std::filesystem::remove(folder.File("Offset"));
                  folder.Store("Gravure");
                  Script::Click(dialog, "Remove");
              })
            .Then("Remove Dot Gain Settings", [](QDialog& dialog) { Script::Click(dialog, "Remove"); })
            .Then(kList, [&](QDialog& dialog) {
                rows = Rows(dialog);
                Close(dialog);
            });
        DotGainDialog::Run();
    }
    EXPECT_EQ(rows, QStringList({"Gravure", "Web"}));
    EXPECT_EQ(folder.Entries(), std::vector<std::string>({"Gravure.press", "Web.press"}));
}

TEST_F(DotGainDialogTest, NewInAFolderThatCannotBeMadeReportsTheFailure)
{
    // The shared documents "folder" is a file: the settings folder cannot exist.
    const TemporaryFolder other;
    const EnvironmentGuard shared(platform::kSharedDocumentsVariable, other.Write("file", "x"));
    QStringList rows{"not read"};
    {
        Script script;
        script.Then(kList, [&](QDialog& dialog) {
                  rows = Rows(dialog);
                  Script::Click(dialog, "New ...");
              })
            .Then(kNew, [](QDialog& dialog) { Script::Click(dialog, "Save"); })
            .Then(kNameExists, Close)
            .Then(kNew, [](QDialog& dialog) { Script::Click(dialog, "Cancel"); })
            .Then(kList, Close);
        DotGainDialog::Run();
    }
    EXPECT_TRUE(rows.isEmpty());
    EXPECT_EQ(other.Entries(), std::vector<std::string>{"file"});
}

} // namespace
