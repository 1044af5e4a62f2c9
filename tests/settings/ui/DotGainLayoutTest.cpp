// Where the dot gain dialogs put their items, and that they hold their texts in every shipped
// language. With HUELINE_SCREENSHOT_DIR set, the language test writes a picture of each dialog.

#include "DotGainTestFolder.h"
#include "ModalScript.h"

#include "settings/ui/DotGainCopyDialog.h"
#include "settings/ui/DotGainDialog.h"
#include "settings/ui/DotGainSettingsDialog.h"
#include "support/Localization.h"
#include "tests/toolkit/HostPanelFixture.h"
#include "toolkit/RVADM_Frame.h"
#include "toolkit/RVADM_ListBox.h"

#include <QAbstractSpinBox>
#include <QDialog>
#include <QFrame>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>

#include <gtest/gtest.h>

#include <string>

namespace {

using Script = ModalScript;

constexpr int kMargin = 12;
constexpr int kLabelGap = 4;
constexpr int kDefaultGap = 7;

int Right(const QRect& r)
{
    return r.x() + r.width();
}

int Bottom(const QRect& r)
{
    return r.y() + r.height();
}

// Twice the vertical middle, so that centring by integer division compares exactly to within 1.
int TwiceMiddle(const QRect& r)
{
    return 2 * r.y() + r.height();
}

QRect LabelGeometry(QDialog& dialog, const char* text)
{
    for (const QLabel* label : dialog.findChildren<QLabel*>(QString(), Qt::FindDirectChildrenOnly)) {
        if (label->text() == QString::fromUtf8(text))
            return label->geometry();
    }
    ADD_FAILURE() << "no label " << text;
    return {};
}

QRect ButtonGeometry(QDialog& dialog, const char* text)
{
    const QPushButton* button = Script::Button(dialog, text);
    return button != nullptr ? button->geometry() : QRect();
}

class DotGainLayoutTest : public toolkittest::HostPanelFixture
{
protected:
    DotGainTestFolder folder;
    PressSettings record{"Offset"};
};

TEST_F(DotGainLayoutTest, EditorPutsTheRowsUnderTheNameAndTheButtonsBelowThem)
{
    QRect name, field, separator, dialogRect, save, cancel;
    std::vector<QRect> labels, fields, percents;
    {
        Script script;
        script.Then("New Dot Gain Settings", [&](QDialog& dialog) {
            name = LabelGeometry(dialog, "Name:");
            field = Script::NameEdit(dialog)->geometry();
            for (const QFrame* frame : dialog.findChildren<QFrame*>(QString(), Qt::FindDirectChildrenOnly))
                if (dynamic_cast<const qRVADM::RVADM_Frame*>(frame) != nullptr)
                    separator = frame->geometry();
            for (const char* row : {"Minimum dot", "25 % prints as", "50 % prints as", "75 % prints as", "Maximum dot"})
                labels.push_back(LabelGeometry(dialog, row));
            for (const QAbstractSpinBox* edit : Script::Fields(dialog))
                fields.push_back(edit->geometry());
            for (const QLabel* label : dialog.findChildren<QLabel*>(QString(), Qt::FindDirectChildrenOnly))
                if (label->text() == "%")
                    percents.push_back(label->geometry());
            dialogRect = dialog.rect();
            save = ButtonGeometry(dialog, "Save");
            cancel = ButtonGeometry(dialog, "Cancel");
            Script::Click(dialog, "Cancel");
        });
        DotGainSettingsDialog editor(record, "Untitled", true);
        editor.Modal("New Dot Gain Settings");
    }
    EXPECT_EQ(name.topLeft(), QPoint(kMargin, kMargin));
    EXPECT_EQ(field.x(), Right(name) + kLabelGap);
    EXPECT_EQ(separator.topLeft(), QPoint(kMargin, Bottom(name) + kDefaultGap));
    EXPECT_EQ(Right(separator), Right(field));
    ASSERT_EQ(fields.size(), 5u);
    ASSERT_EQ(percents.size(), 5u);
    EXPECT_EQ(labels[0].y(), Bottom(separator) + 24);
    for (std::size_t i = 0; i < 5; ++i) {
        EXPECT_EQ(labels[i].x(), kMargin) << i;
        EXPECT_EQ(labels[i].width(), labels[0].width()) << i;
        if (i > 0) {
            EXPECT_EQ(labels[i].y(), Bottom(labels[i - 1]) + 12) << i;
        }
        EXPECT_EQ(fields[i].x(), Right(labels[i]) + kLabelGap) << i;
        EXPECT_NEAR(TwiceMiddle(fields[i]), TwiceMiddle(labels[i]), 1) << i;
        EXPECT_EQ(percents[i].x(), Right(fields[i]) + kDefaultGap) << i;
    }
    // The name field reached the first "%" and then doubled its width.
    EXPECT_EQ(field.width(), 2 * (Right(percents[0]) - field.x()));
    EXPECT_EQ(dialogRect.width(), separator.width() + 2 * kMargin);
    EXPECT_EQ(dialogRect.height(), kMargin + 2 * save.height() + Bottom(fields[4]) + kMargin);
    EXPECT_EQ(Right(cancel), dialogRect.width() - kMargin);
    EXPECT_EQ(Bottom(cancel), dialogRect.height() - kMargin);
    EXPECT_EQ(Right(save) + kDefaultGap, cancel.x());
    EXPECT_EQ(save.y(), cancel.y());
}

TEST_F(DotGainLayoutTest, CopyDialogPutsTheNameBesideItsLabelAndTheButtonsBelow)
{
    QRect label, edit, create, cancel, dialogRect;
    {
        Script script;
        script.Then("Copy Dot Gain Settings", [&](QDialog& dialog) {
            label = LabelGeometry(dialog, "Dot Gain Settings Name:");
            edit = Script::NameEdit(dialog)->geometry();
            create = ButtonGeometry(dialog, "Create");
            cancel = ButtonGeometry(dialog, "Cancel");
            dialogRect = dialog.rect();
            Script::Click(dialog, "Cancel");
        });
        DotGainCopyDialog dialog("Untitled");
        EXPECT_EQ(dialog.Modal("Copy Dot Gain Settings"), 2);
    }
    EXPECT_EQ(label.topLeft(), QPoint(kMargin, kMargin));
    EXPECT_EQ(edit.x(), Right(label) + kLabelGap);
    EXPECT_EQ(edit.width(), 200);
    EXPECT_NEAR(TwiceMiddle(edit), TwiceMiddle(label), 1);
    EXPECT_EQ(Right(cancel), Right(edit));
    EXPECT_EQ(cancel.y(), Bottom(edit) + kDefaultGap);
    EXPECT_EQ(Right(create) + kDefaultGap, cancel.x());
    EXPECT_EQ(dialogRect.size(), QSize(Right(cancel) + kMargin, Bottom(cancel) + kMargin));
}

struct Language
{
    const char* tag;
    const char* folder;
};

const Language kLanguages[] = {{"en", "English.lproj"}, {"de", "German.lproj"}, {"fr", "French.lproj"}};

class DotGainLanguageTest : public DotGainLayoutTest, public testing::WithParamInterface<Language>
{
protected:
    void SetUp() override
    {
        DotGainLayoutTest::SetUp();
        LoadLocalizationModule("hueline");
        ReloadLocalization();
    }

    void TearDown() override
    {
        m_language.reset();
        m_path.reset();
        ReloadLocalization();
        DotGainLayoutTest::TearDown();
    }

    static const char* T(const char* key) { return LocalizeKey(key); }

    // Every item inside the dialog, none on another, every label and button wide enough for its
    // text; then the picture, when asked for.
    void ExpectWholeTexts(QDialog& dialog, const char* picture) const
    {
        const QRect inside = dialog.rect();
        const QList<QWidget*> items = dialog.findChildren<QWidget*>(QString(), Qt::FindDirectChildrenOnly);
        for (const QWidget* item : items) {
            if (item->isHidden())
                continue;
            EXPECT_TRUE(inside.contains(item->geometry())) << picture << " " << Describe(*item);
            for (const QWidget* other : items) {
                if (other != item && !other->isHidden()) {
                    EXPECT_FALSE(item->geometry().intersects(other->geometry()))
                        << picture << " " << Describe(*item) << " / " << Describe(*other);
                }
            }
            if (const auto* label = qobject_cast<const QLabel*>(item)) {
                EXPECT_GE(label->width(), label->sizeHint().width()) << picture << " " << Describe(*item);
            }
            if (const auto* button = qobject_cast<const QPushButton*>(item)) {
                EXPECT_GT(button->width(), button->fontMetrics().horizontalAdvance(button->text()) + 8)
                    << picture << " " << Describe(*item);
            }
        }
        Save(dialog, picture);
    }

    void Save(QDialog& dialog, const char* picture) const
    {
        const QByteArray folder = qgetenv("HUELINE_SCREENSHOT_DIR");
        if (!folder.isEmpty())
            dialog.grab().save(QString("%1/dot-gain-%2-%3.png").arg(QString::fromLocal8Bit(folder), picture,
                                                                     GetParam().tag));
    }

    static std::string Describe(const QWidget& item)
    {
        QString text = item.property("text").toString();
        if (const auto* label = qobject_cast<const QLabel*>(&item))
            text = label->text();
        return (item.metaObject()->className() + QString(" \"") + text + "\"").toStdString();
    }

private:
    std::unique_ptr<EnvironmentGuard> m_path =
        std::make_unique<EnvironmentGuard>("LOCALE_PATH", HL_LOCALE_SOURCE_DIR);
    std::unique_ptr<EnvironmentGuard> m_language = std::make_unique<EnvironmentGuard>("RVLANG", GetParam().folder);
};

TEST_P(DotGainLanguageTest, EveryDialogHoldsItsTranslatedTexts)
{
    folder.Store("Offset");
    folder.Store("Web");
    folder.Store(PressStore::DefaultPressName());
    const std::string list = T("Dot Gain Settings");
    Script script;
    script.Then(list.c_str(), [this](QDialog& dialog) {
              qRVADM::RVADM_ListBox& box = *dialog.findChild<qRVADM::RVADM_ListBox*>();
              const QListWidgetItem* row = box.findItems("Offset", Qt::MatchExactly).front();
              QTest::mouseClick(box.viewport(), Qt::LeftButton, {}, box.visualItemRect(row).center());
              box.CommitPendingSelection();
              ExpectWholeTexts(dialog, "list");
              Script::Click(dialog, T("Copy ..."));
          })
        .Then(T("Copy Dot Gain Settings"), [this](QDialog& dialog) {
            ExpectWholeTexts(dialog, "copy");
            Script::Click(dialog, T("Cancel"));
        })
        .Then(list.c_str(), [](QDialog& dialog) { Script::Click(dialog, T("Edit ...")); })
        .Then(T("Edit Dot Gain Settings"), [this](QDialog& dialog) {
            ExpectWholeTexts(dialog, "edit");
            Script::Click(dialog, T("Cancel"));
        })
        .Then(list.c_str(), [](QDialog& dialog) { Script::Click(dialog, T("New ...")); })
        .Then(T("New Dot Gain Settings"), [this](QDialog& dialog) {
            ExpectWholeTexts(dialog, "new");
            Script::Type(*Script::Fields(dialog)[0], "30");
            Script::Type(*Script::Fields(dialog)[2], "15");
            Script::Click(dialog, T("Save"));
        })
        .Then(T("Invalid Dot Gain Settings"), [this](QDialog& dialog) {
            Save(dialog, "invalid");
            Script::Click(dialog, T("Close"));
        })
        .Then(T("New Dot Gain Settings"), [](QDialog& dialog) { Script::Click(dialog, T("Cancel")); })
        .Then(list.c_str(), [](QDialog& dialog) { Script::Click(dialog, T("Close")); });
    DotGainDialog::Run();
}

INSTANTIATE_TEST_SUITE_P(Languages, DotGainLanguageTest, testing::ValuesIn(kLanguages),
                         [](const testing::TestParamInfo<Language>& info) { return std::string(info.param.tag); });

} // namespace
