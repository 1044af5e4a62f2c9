// Where the dot gain dialogs put their items, and that they hold their texts in every shipped
// language. With HUELINE_SCREENSHOT_DIR set, the language test writes a picture of each dialog.

#include "DotGainTestFolder.h"
#include "ModalScript.h"

#include "settings/ui/DotGainDialog.h"
#include "support/Localization.h"
#include "tests/toolkit/HostPanelFixture.h"
#include "toolkit/RVADM_ListBox.h"

#include <QDialog>
#include <QLabel>
#include <QPushButton>

#include <gtest/gtest.h>

#include <memory>
#include <string>

namespace {

using S = ModalScript;

constexpr int kMargin = 12;
constexpr int kDefaultGap = 7;

int Right(const QRect& r)
{
    return r.x() + r.width();
}

int Bottom(const QRect& r)
{
    return r.y() + r.height();
}

class DotGainLayoutTest : public toolkittest::HostPanelFixture
{
protected:
    DotGainTestFolder folder;
};

TEST_F(DotGainLayoutTest, ListHasTheButtonsInAColumnOfOneWidthBesideIt)
{
    std::vector<QRect> buttons;
    QRect list, dialogRect;
    S script({{"Dot Gain Settings", [&](QDialog& dialog) {
                   list = S::List(dialog).geometry();
                   dialogRect = dialog.rect();
                   for (const char* text : {"New ...", "Copy ...", "Edit ...", "Remove", "Close"})
                       buttons.push_back(S::Button(dialog, text)->geometry());
                   S::Press("Close")(dialog);
               }}});
    DotGainDialog::Run();
    ASSERT_EQ(buttons.size(), 5u);
    EXPECT_EQ(list, QRect(kMargin, kMargin, 240, 240));
    EXPECT_EQ(buttons[0].topLeft(), QPoint(Right(list) + kDefaultGap, kMargin));
    for (std::size_t i = 1; i < 4; ++i)
        EXPECT_EQ(buttons[i].topLeft(), QPoint(buttons[0].x(), Bottom(buttons[i - 1]) + kDefaultGap)) << i;
    EXPECT_EQ(Bottom(buttons[4]), Bottom(list));
    for (const QRect& button : buttons)
        EXPECT_EQ(Right(button), Right(buttons[0]));
    EXPECT_EQ(dialogRect.size(), QSize(Right(buttons[4]) + kMargin, Bottom(buttons[4]) + kMargin));
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

    static QString T(const char* key) { return QString::fromUtf8(LocalizeKey(key)); }
    static S::Action Press(const char* key)
    {
        return [key](QDialog& dialog) { S::Press(LocalizeKey(key))(dialog); };
    }

    // Every item inside the dialog and on no other, every label and button wide enough for its
    // text; then the picture, when asked for.
    S::Action ExpectWholeTexts(const char* picture) const
    {
        return [this, picture](QDialog& dialog) {
            const QList<QWidget*> items = dialog.findChildren<QWidget*>(QString(), Qt::FindDirectChildrenOnly);
            for (const QWidget* item : items) {
                EXPECT_TRUE(dialog.rect().contains(item->geometry())) << picture << " " << Describe(*item);
                for (const QWidget* other : items) {
                    EXPECT_TRUE(other == item || !item->geometry().intersects(other->geometry()))
                        << picture << " " << Describe(*item) << " / " << Describe(*other);
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
        };
    }

    void Save(QDialog& dialog, const char* picture) const
    {
        const QString folder = qEnvironmentVariable("HUELINE_SCREENSHOT_DIR");
        if (!folder.isEmpty())
            dialog.grab().save(QString("%1/dot-gain-%2-%3.png").arg(folder, picture, GetParam().tag));
    }

    static std::string Describe(const QWidget& item)
    {
        const auto* label = qobject_cast<const QLabel*>(&item);
        const QString text = label != nullptr ? label->text() : item.property("text").toString();
        return (item.metaObject()->className() + QString(" \"") + text + "\"").toStdString();
    }

private:
    std::unique_ptr<EnvironmentGuard> m_path = std::make_unique<EnvironmentGuard>("LOCALE_PATH", HL_LOCALE_SOURCE_DIR);
    std::unique_ptr<EnvironmentGuard> m_language = std::make_unique<EnvironmentGuard>("RVLANG", GetParam().folder);
};

TEST_P(DotGainLanguageTest, EveryDialogHoldsItsTranslatedTexts)
{
    folder.Store("Offset");
    folder.Store("Web");
    folder.Store(PressStore::DefaultPressName());
    const QString list = T("Dot Gain Settings");
    QStringList failed;
    S script({{list, S::All({S::Pick("Offset"), ExpectWholeTexts("list"), Press("Copy ...")})},
              {T("Copy Dot Gain Settings"), S::All({ExpectWholeTexts("copy"), Press("Cancel")})},
              {list, Press("Edit ...")},
              {T("Edit Dot Gain Settings"), S::All({ExpectWholeTexts("edit"), Press("Cancel")})},
              {list, Press("New ...")},
              {T("New Dot Gain Settings"), S::All({ExpectWholeTexts("new"), S::TypeField(0, "30"),
                                                   S::TypeField(2, "15"), Press("Save")})},
              {T("Invalid Dot Gain Settings"), [this, &failed](QDialog& dialog) {
                   failed = S::Labels(dialog);
                   Save(dialog, "invalid");
                   Press("Close")(dialog);
               }},
              {T("New Dot Gain Settings"), Press("Cancel")},
              {list, Press("Close")}});
    DotGainDialog::Run();
    // The invalid curve names its failed test and stores nothing.
    EXPECT_TRUE(failed.join('\n').contains(T("50 % Dot Gain value is below limit"))) << failed.join('|').toStdString();
    EXPECT_EQ(folder.Entries().size(), 3u);
}

INSTANTIATE_TEST_SUITE_P(Languages, DotGainLanguageTest, testing::ValuesIn(kLanguages),
                         [](const auto& info) { return std::string(info.param.tag); });

} // namespace
