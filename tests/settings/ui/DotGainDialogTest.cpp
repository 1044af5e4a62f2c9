// The dot gain dialogs driven as a person does, on a simulated host, with the settings files
// checked on disk. With HUELINE_SCREENSHOT_DIR set, the language test writes a picture of each dialog.

#include "ModalScript.h"

#include "settings/PressStore.h"
#include "settings/ui/DotGainCopyDialog.h"
#include "settings/ui/DotGainDialog.h"
#include "support/Localization.h"
#include "support/platform/SharedFolders.h"
#include "tests/support/ScratchFileSystem.h"
#include "tests/support/TemporaryFolder.h"
#include "tests/support/TestEnvironment.h"
#include "tests/toolkit/HostPanelFixture.h"

#include <QMouseEvent>

#include <fstream>

namespace {

using namespace modal;
namespace fs = std::filesystem;

constexpr const char* kList = "Dot Gain Settings";
constexpr const char* kNew = "New Dot Gain Settings";
constexpr const char* kEdit = "Edit Dot Gain Settings";
constexpr const char* kCopy = "Copy Dot Gain Settings";
constexpr const char* kNameExists = "The new Dot Gain Settings could not be created. Probably the name already exists.";
constexpr const char* kNameRefused = "Name Not Allowed";
constexpr const char* kEnterName = "Please enter some name for the new Dot Gain Settings.";
constexpr const char* kFolderMissing = "Settings Folder Not Found";
constexpr const char* kFolderReadOnly = "Settings Folder Read-Only";
constexpr const char* kFolderFull = "Settings Folder Full";
constexpr const char* kConfirm = "This will permanently remove the Dot Gain Settings. This might also affect other workstations.";

// The list dialog as the user sees it: rows, [selected row], "Copy ...", "Edit ...", "Remove" enabled.
QString State(QDialog& d)
{
    QString buttons;
    for (const char* text : {"Copy ...", "Edit ...", "Remove"})
        buttons += Button(d, text)->isEnabled() ? '+' : '-';
    return Rows(d).join(",") + " [" + Selected(d) + "] " + buttons;
}

QString Shown(QDialog& editor)  // name and fields
{
    return (QStringList(NameEdit(editor) ? NameEdit(editor)->text() : "(name as text)") + Texts<QAbstractSpinBox>(editor)).join(" ");
}

// The settings folder inside a temporary shared documents folder.
class DotGainDialogTest : public toolkittest::HostPanelFixture
{
protected:
    DotGainDialogTest() { EXPECT_TRUE(PressStore::InitFolder()); }
    static void Run(std::vector<Step> steps)
    {
        Script script(std::move(steps));
        DotGainDialog::Run();
    }
    static void Store(const std::string& name)
    {
        PressSettings record(name);
        record.TACLimit = 310;  // a field the dialogs never touch
        record.SetDotGain(2, 30, 55, 80, 100);
        PressStore::Save(record, name, false);
    }
    fs::path Folder() const { return m_shared.Path() / "Hueline" / "dot_gain_curves"; }
    std::string Text(const std::string& name) const { return m_shared.Read("Hueline/dot_gain_curves/" + name + ".press"); }
    long Entries() const { return std::distance(fs::directory_iterator(Folder()), fs::directory_iterator()); }

    TemporaryFolder m_shared;
    EnvironmentGuard m_environment {platform::kSharedDocumentsVariable, m_shared.Utf8()};
};

TEST_F(DotGainDialogTest, NewStartsFromTheDefaultsReopensUnderATakenNameAndRemoveAsksFirst)
{
    QStringList seen;
    Run({{kList, [&](QDialog& d) { seen << State(d); Press("New ...")(d); }},
         {kNew, [&](QDialog& d) { seen << Shown(d); All({Type(-1, PressStore::DefaultPressName().c_str()), Press("Save")})(d); }},
         {kList, [&](QDialog& d) { seen << State(d); Press("New ...")(d); }},
         {kNew, All({Type(-1, "dEFAULT"), Type(2, "55"), Press("Save")})},
         {"The name 'dEFAULT' differs from the Dot Gain Settings 'Default' only in letter case. Workstations sharing "
          "the settings folder would take both for one file.", Press("Close")},
         {kNew, [&](QDialog& d) { seen << Shown(d); All({Type(-1, "Default"), Press("Save")})(d); }},
         {kNameExists, Press("Close")},
         {kNew, All({Type(-1, ""), Press("Save")})},
         {kEnterName, Press("OK")},
         {kNew, [&](QDialog& d) { seen << (d.focusWidget() == NameEdit(d) ? "focus on the name" : "focus lost");
                                  All({Type(-1, "Offset"), Press("Save")})(d); }},
         {kList, [&](QDialog& d) { seen << State(d); Press("Remove")(d); }},
         {kConfirm, Press("Cancel")},
         {kList, [&](QDialog& d) { seen << State(d); Press("Remove")(d); }},
         {kConfirm, Press("Remove")},
         {kList, [&](QDialog& d) { seen << State(d); Press("Close")(d); }}});
    EXPECT_EQ(seen, QStringList({" [] ---", "Untitled 0 25 50 75 100", "Default [Default] ++-", "dEFAULT 0 25 55 75 100",
                                 "focus on the name", "Default,Offset [Offset] +++", "Default,Offset [Offset] +++",
                                 "Default [] ---"}));
    EXPECT_EQ(Entries(), 1);
}

// Names a person may type or paste that no setting may have, each refused with its reason: taken
// ones in another letter case, names some workstation sharing the folder cannot keep; 255 bytes
// pass the store but not the file system once ".press" is added; 256 bytes, also when the last
// character is cut in two there, do not pass the store.
TEST_F(DotGainDialogTest, CopyRefusesEmptyTakenAndUnstorableNamesThenStoresTheWholeSetting)
{
    Store("Offset");
    Store("\xC3\xBC" "ber");
    std::vector<Step> steps = {{kList, All({Pick("Offset"), Press("Copy ...")})},
                               {kCopy, All({Type(-1, ""), Press("Create")})},
                               {kEnterName, Press("OK")},
                               {kCopy, Press("Cancel")}};
    const std::string character = "contains a character that workstations sharing the settings folder cannot keep in a "
                                  "file name, such as a slash, a colon, a question mark, an asterisk or a control character.";
    const std::pair<std::string, std::string> refused[] = {
        {"oFFSET", "The name 'oFFSET' differs from the Dot Gain Settings 'Offset' only in letter case. Workstations "
                   "sharing the settings folder would take both for one file."},
        {"\xC3\x9C" "ber", "The name '\xC3\x9C" "ber' differs from the Dot Gain Settings '\xC3\xBC" "ber' only in letter "
                           "case. Workstations sharing the settings folder would take both for one file."},
        {std::string(255, 'a'), kNameExists},
        {std::string(256, 'a'), kNameExists},
        {std::string(254, 'a') + "\xC3\xA9", kNameExists},
        {"a/b", "The name 'a/b' " + character},
        {"a\\b", "The name 'a\\b' " + character},
        {"tab\there", kNameRefused},
        {"..", "The name '..' begins with a dot. Such files are hidden on many workstations, so the Dot Gain Settings "
               "could never be listed."},
        {"Offset.", "The name 'Offset.' ends with a blank or a dot, which Windows workstations sharing the settings "
                    "folder cannot keep in a file name."},
        {"CON", "The name 'CON' is reserved for a device on Windows workstations sharing the settings folder."},
    };
    for (const auto& [name, message] : refused)
        steps.insert(steps.end(), {{kList, Press("Copy ...")},
                                   {kCopy, [name = name](QDialog& d) { NameEdit(d)->setText(QString::fromStdString(name)); Press("Create")(d); }},
                                   {QString::fromStdString(message), Press("Close")}});
    QStringList seen;
    steps.insert(steps.end(), {{kList, Press("Copy ...")},
                               {kCopy, [&](QDialog& d) { seen << Shown(d); All({Type(-1, "Offset copy"), Press("Create")})(d); }},
                               {kList, [&](QDialog& d) { seen << State(d); Press("Close")(d); }}});
    Run(steps);
    EXPECT_EQ(seen, QStringList({"Untitled", "Offset copy,Offset,\u00fcber [Offset copy] +++"}));
    EXPECT_EQ(Text("Offset copy"), Text("Offset"));
    EXPECT_EQ(Entries(), 3);
    std::string accents;  // 600 bytes: the name keeps 510, cutting no character
    for (int i = 0; i < 300; ++i)
        accents += "\xC3\xA9";
    EXPECT_EQ(std::string(DotGainCopyDialog(accents.c_str()).GetName()), accents.substr(0, 510));
}

TEST_F(DotGainDialogTest, EditChangesOnlyTheCurveAndSaysWhenASettingCannotBeLoadedOrSaved)
{
    Store("Offset");
    m_shared.Write("Hueline/dot_gain_curves/Broken.press", "Version: 0\n");
    QStringList seen;
    std::unique_ptr<PressSettings> edited;
    Run({{kList, [&](QDialog& d) {
              seen << State(d);
              const QPoint centre = List(d).visualItemRect(List(d).item(1)).center();
              QTest::mouseClick(List(d).viewport(), Qt::LeftButton, {}, centre);
              QMouseEvent second(QEvent::MouseButtonDblClick, centre, List(d).viewport()->mapToGlobal(centre),
                                 Qt::LeftButton, Qt::LeftButton, Qt::NoModifier);
              QApplication::sendEvent(List(d).viewport(), &second);
          }},
         {kEdit, [&](QDialog& d) { seen << Shown(d) + (Texts<QLabel>(d).contains("Offset") ? " of Offset" : "");
                                   All({Type(3, "85.5"), Press("Save")})(d); }},
         {kList, [&](QDialog& d) { edited = PressStore::Load("Offset"); All({Pick("Broken"), Press("Edit ...")})(d); }},
         {"The Dot Gain Settings 'Broken' could not be retrieved.", Press("Close")},
         {kList, All({Pick("Offset"), Press("Edit ...")})},
         {kEdit, [&](QDialog& d) {
              fs::remove(Folder() / "Offset.press");
              fs::create_directory(Folder() / "Offset.press");
              Press("Save")(d);
          }},
         {"The modifications could not be saved.", Press("Close")},
         {kList, [&](QDialog& d) { seen << State(d); Press("Close")(d); }}});
    EXPECT_EQ(seen, QStringList({"Broken,Offset [] ---", "(name as text) 2 30 55 80 100 of Offset", "Broken,Offset [Offset] +++"}));
    ASSERT_NE(edited, nullptr);
    EXPECT_EQ(edited->GetDotGain().At75, static_cast<double>(85.5f));
    EXPECT_EQ(edited->TACLimit, 310.0);
    EXPECT_EQ(Text("Broken"), "Version: 0\n");
}

// A settings "folder" that is a file: the list is empty and New reports that there is no folder.
TEST_F(DotGainDialogTest, WithoutAUsableFolderNewSaysSoAndTheEditorComesBack)
{
    fs::remove_all(Folder());
    m_shared.Write("Hueline/dot_gain_curves", "not a folder");
    Run({{kList, Press("New ...")},
         {kNew, Press("Save")},
         {kFolderMissing, Press("Close")},
         {kNew, Press("Cancel")},
         {kList, Press("Close")}});
    EXPECT_EQ(m_shared.Read("Hueline/dot_gain_curves"), "not a folder");
}

// The folder on a small file system of its own that fills up and turns read-only while the list
// is open: each save or removal names the folder and what is wrong with it, the editor keeps what
// was typed, nothing stored changes, and the same action works once the folder is fine again.
TEST_F(DotGainDialogTest, AFullOrReadOnlyFolderSaysSoAndTheSameActionWorksOnceItIsFine)
{
    ScratchFileSystem disk(Folder().u8string(), 64 * 1024);
    HL_SKIP_UNLESS_MOUNTED(disk);
    Store("Offset");
    const std::string offset = Text("Offset");
    {
        std::ofstream filler(Folder() / "filler", std::ios::binary);
        for (int kilobyte = 0; kilobyte < 64 && filler; ++kilobyte)
            filler << std::string(1024, 'x') << std::flush;
    }
    QStringList seen;
    const auto message = [&](QDialog& d) {
        seen << QString::number(Texts<QLabel>(d).filter(QString::fromStdString(Folder().u8string())).size());
        Press("Close")(d);
    };
    Run({{kList, All({Pick("Offset"), Press("Edit ...")})},
         {kEdit, All({Type(3, "85.5"), Press("Save")})},
         {kFolderFull, message},
         {kList, [&](QDialog& d) { fs::remove(Folder() / "filler"); disk.SetReadOnly(true); Press("New ...")(d); }},
         {kNew, All({Type(0, "3"), Press("Save")})},
         {kFolderReadOnly, message},
         {kNew, [&](QDialog& d) { seen << Shown(d); Press("Cancel")(d); }},
         {kList, All({Pick("Offset"), Press("Remove")})},
         {kConfirm, Press("Remove")},
         {kFolderReadOnly, message},
         {kList, [&](QDialog& d) { seen << State(d); disk.SetReadOnly(false); All({Pick("Offset"), Press("Edit ...")})(d); }},
         {kEdit, All({Type(3, "85.5"), Press("Save")})},
         {kList, [&](QDialog& d) { seen << State(d); Press("Close")(d); }}});
    EXPECT_EQ(seen, QStringList({"1", "1", "Untitled 3 25 50 75 100", "1", "Offset [] ---", "Offset [Offset] +++"}));
    EXPECT_EQ(PressStore::Load("Offset")->GetDotGain().At75, static_cast<double>(85.5f));
}

// The folder taken away while the list is open, and brought back.
TEST_F(DotGainDialogTest, AVanishedFolderSaysSoAndItsSettingsAreBackWithIt)
{
    Store("Offset");
    const fs::path away = m_shared.Path() / "away";
    QStringList seen;
    Run({{kList, All({Pick("Offset"), [&](QDialog&) { fs::rename(Folder(), away); }, Press("Copy ...")})},
         {kCopy, Press("Create")},
         {kFolderMissing, Press("Close")},
         {kList, [&](QDialog& d) { seen << State(d); fs::rename(away, Folder()); Press("New ...")(d); }},
         {kNew, Press("Save")},
         {kList, [&](QDialog& d) { seen << State(d); Press("Close")(d); }}});
    EXPECT_EQ(seen, QStringList({" [] ---", "Offset,Untitled [Untitled] +++"}));
}

// What has the keyboard focus: a button by its text, an edit by its place.
QString Focused(QDialog& d)
{
    QWidget* focus = d.focusWidget();
    if (const auto* button = qobject_cast<QPushButton*>(focus))
        return button->text();
    if (focus == NameEdit(d))
        return "name";
    if (const int field = Items<QAbstractSpinBox>(d).indexOf(qobject_cast<QAbstractSpinBox*>(focus)); field >= 0)
        return QString("field %1").arg(field + 1);
    return focus == &List(d) ? "list" : "elsewhere";
}

// Where the focus goes from `start` on `count` presses of Tab.
QStringList TabChain(QDialog& d, QWidget* start, int count)
{
    QApplication::setActiveWindow(&d);
    start->setFocus(Qt::OtherFocusReason);
    QStringList chain(Focused(d));
    for (int i = 0; i < count; ++i) {
        QTest::keyClick(d.focusWidget(), Qt::Key_Tab);
        chain << Focused(d);
    }
    return chain;
}

Action Key(Qt::Key key)
{
    return [key](QDialog& d) {
        QApplication::setActiveWindow(&d);
        QTest::keyClick(d.focusWidget() != nullptr ? d.focusWidget() : &d, key);
    };
}

// A button pressed from the keyboard: focused, then the space bar.
Action KeyPress(const QString& text)
{
    return [text](QDialog& d) {
        ASSERT_NE(Button(d, text), nullptr) << text.toStdString();
        QApplication::setActiveWindow(&d);
        Button(d, text)->setFocus(Qt::TabFocusReason);
        QTest::keyClick(Button(d, text), Qt::Key_Space);
    };
}

TEST_F(DotGainDialogTest, TheKeyboardAloneReachesEveryFieldReturnPressesTheDefaultAndEscapeCancels)
{
    Store("Offset");
    QStringList chains;
    Run({{kList, [&](QDialog& d) {
              Pick("Offset")(d);
              chains << TabChain(d, &List(d), 6).join(" > ");
              KeyPress("New ...")(d);
          }},
         {kNew, [&](QDialog& d) {
              chains << Focused(d) + ": " + TabChain(d, NameEdit(d), 8).join(" > ");
              // A value typed and Return at once: the field commits it before Save validates.
              All({Type(-1, "Keyed"), Type(2, "60")})(d);
              QWidget* field = Items<QAbstractSpinBox>(d).at(2);
              field->setFocus(Qt::OtherFocusReason);
              QTest::keyClick(field, Qt::Key_A, Qt::ControlModifier);
              QTest::keyClicks(field, "55");
              QTest::keyClick(field, Qt::Key_Return);
          }},
         {kList, [&](QDialog& d) { chains << State(d); KeyPress("Copy ...")(d); }},
         {kCopy, [&](QDialog& d) { chains << TabChain(d, NameEdit(d), 3).join(" > "); Key(Qt::Key_Escape)(d); }},
         {kList, [&](QDialog& d) { chains << State(d); KeyPress("Edit ...")(d); }},
         {kEdit, [&](QDialog& d) { chains << Focused(d); Key(Qt::Key_Escape)(d); }},
         {kList, Key(Qt::Key_Escape)}});
    EXPECT_EQ(chains, QStringList({"list > New ... > Copy ... > Edit ... > Remove > Close > list",
                                   "name: name > field 1 > field 2 > field 3 > field 4 > field 5 > Save > Cancel > name",
                                   "Keyed,Offset [Keyed] +++", "name > Create > Cancel > name",
                                   "Keyed,Offset [Keyed] +++", "field 1"}));
    EXPECT_NE(Text("Keyed").find("50 Dot Gain: 55.000000"), std::string::npos) << Text("Keyed");
    EXPECT_EQ(Entries(), 2);
}

const std::pair<const char*, const char*> kLanguages[] = {{"en", "English.lproj"}, {"de", "German.lproj"}, {"fr", "French.lproj"}};

class DotGainLanguageTest : public DotGainDialogTest, public testing::WithParamInterface<std::pair<const char*, const char*>>
{
protected:
    DotGainLanguageTest()
    {
        LoadLocalizationModule("hueline");
        ReloadLocalization();
    }
    ~DotGainLanguageTest() override
    {
        m_language.reset();
        ReloadLocalization();
    }
    static QString T(const char* key) { return QString::fromUtf8(LocalizeKey(key)); }

    // Every item inside the dialog and on no other, labels and buttons wide enough for their text;
    // then the picture, when asked for.
    static Action Check(const char* picture)
    {
        return [picture](QDialog& d) {
            const QList<QWidget*> items = Items<QWidget>(d);
            for (const QWidget* item : items) {
                const std::string what = std::string(picture) + " " + item->property("text").toString().toStdString();
                EXPECT_TRUE(d.rect().contains(item->geometry())) << what;
                for (const QWidget* other : items)
                    EXPECT_TRUE(other == item || !item->geometry().intersects(other->geometry())) << what;
                const auto* label = qobject_cast<const QLabel*>(item);
                const auto* button = qobject_cast<const QPushButton*>(item);
                EXPECT_TRUE(!label || label->width() >= label->sizeHint().width()) << what;
                EXPECT_TRUE(!button || button->width() > button->fontMetrics().horizontalAdvance(button->text()) + 8) << what;
            }
            const QString folder = qEnvironmentVariable("HUELINE_SCREENSHOT_DIR");
            if (!folder.isEmpty())
                d.grab().save(QString("%1/dot-gain-%2-%3.png").arg(folder, picture, GetParam().first));
        };
    }

private:
    EnvironmentGuard m_path {"LOCALE_PATH", HL_LOCALE_SOURCE_DIR};
    std::unique_ptr<EnvironmentGuard> m_language = std::make_unique<EnvironmentGuard>("RVLANG", GetParam().second);
};

TEST_P(DotGainLanguageTest, EveryDialogHoldsItsTranslatedTexts)
{
    for (const std::string& name : {std::string("Offset"), std::string("Web"), PressStore::DefaultPressName()})
        Store(name);
    const QString list = T("Dot Gain Settings");
    QStringList failed;
    const auto press = [](const char* key) { return Press(T(key)); };
    Run({{list, All({Pick("Offset"), Check("list"), press("Copy ...")})},
         {T("Copy Dot Gain Settings"), All({Check("copy"), press("Cancel")})},
         {list, press("Edit ...")},
         {T("Edit Dot Gain Settings"), All({Check("edit"), press("Cancel")})},
         {list, press("New ...")},
         {T("New Dot Gain Settings"), All({Check("new"), Type(0, "30"), Type(2, "15"), press("Save")})},
         {T("Invalid Dot Gain Settings"), [&](QDialog& d) { failed = Texts<QLabel>(d); Check("invalid")(d); press("Close")(d); }},
         {T("New Dot Gain Settings"), press("Cancel")},
         {list, press("Close")}});
    EXPECT_TRUE(failed.join('\n').contains(T("50 % Dot Gain value is below limit"))) << failed.join('|').toStdString();
    EXPECT_EQ(Entries(), 3);
}

INSTANTIATE_TEST_SUITE_P(Languages, DotGainLanguageTest, testing::ValuesIn(kLanguages),
                         [](const auto& info) { return std::string(info.param.first); });

} // namespace
