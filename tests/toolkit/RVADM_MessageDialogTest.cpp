// Message dialogs run inside their constructor: the interaction is arranged before, with a
// zero-timeout timer that acts on the active modal widget once the dialog's loop turns.

#include "ToolkitTestSupport.h"

#include "toolkit/RVADM_CriticalMessageDialog.h"
#include "toolkit/RVADM_Label.h"
#include "toolkit/RVADM_MessageDialog.h"
#include "toolkit/RVADM_PictureLabel.h"
#include "toolkit/RVADM_Pictures.h"
#include "toolkit/RVADM_TextPushButton.h"

#include <QApplication>
#include <QPushButton>
#include <QTest>
#include <QTimer>

#include <gtest/gtest.h>

#include <algorithm>
#include <functional>

namespace qRVADM {
namespace {

using toolkittest::FakeHost;

const char* const kLongMessage =
    "This will permanently remove the Dot Gain Settings. This might also affect other workstations. "
    "Every press that uses these settings falls back to the default curve, and the previews that were "
    "generated with them are shown again with the default curve once they are generated anew. "
    "Nothing of this can be undone from the Viewer.";

// What a test saw of the running dialog before it acted on it.
struct Seen
{
    QRect dialog;
    QRect icon;
    std::int32_t iconId = 0;
    QImage iconImage;
    std::vector<QRect> labels;
    std::vector<QString> labelTexts;
    std::vector<QFont> labelFonts;

    bool Shows(const char* text) const
    {
        return std::find(labelTexts.begin(), labelTexts.end(), QString::fromUtf8(text)) != labelTexts.end();
    }
    std::vector<QPushButton*> buttons;  // valid while the dialog object lives
    std::vector<QString> buttonTexts;
    QPushButton* focused = nullptr;
};

QPushButton* ButtonLabelled(QWidget& dialog, const QString& text)
{
    for (QPushButton* button : dialog.findChildren<QPushButton*>())
        if (button->text() == text)
            return button;
    return nullptr;
}

// Schedules `act` on the message dialog that runs next; records what it shows first.
void WhenShown(Seen& seen, std::function<void(QWidget&)> act)
{
    QTimer::singleShot(0, [&seen, act = std::move(act)] {
        QWidget* dialog = QApplication::activeModalWidget();
        ASSERT_NE(dialog, nullptr);
        seen.dialog = dialog->geometry();
        // The controls have no meta-objects of their own: qobject_cast cannot tell them apart.
        for (QWidget* child : dialog->findChildren<QWidget*>()) {
            if (auto* picture = dynamic_cast<RVADM_PictureLabel*>(child)) {
                seen.icon = picture->geometry();
                seen.iconId = picture->GetPicture();
                seen.iconImage = picture->grab().toImage();
            } else if (auto* label = dynamic_cast<RVADM_Label*>(child)) {
                seen.labels.push_back(label->geometry());
                seen.labelTexts.push_back(label->text());
                seen.labelFonts.push_back(label->font());
            } else if (auto* button = dynamic_cast<RVADM_TextPushButton*>(child)) {
                EXPECT_TRUE(button->property("_rvadm_ismodalbutton").toBool());
                seen.buttons.push_back(button);
                seen.buttonTexts.push_back(button->text());
            }
        }
        seen.focused = qobject_cast<QPushButton*>(dialog->focusWidget());
        act(*dialog);
    });
}

void SaveScreenshot(QWidget& dialog, const char* name)
{
    const QByteArray folder = qgetenv("HUELINE_SCREENSHOT_DIR");
    if (!folder.isEmpty())
        dialog.grab().save(QString::fromLocal8Bit(folder) + QLatin1Char('/') + QLatin1String(name));
}

TEST(MessageDialogResult, OneButtonClosesWithOneOnClickOrEscape)
{
    for (const bool click : {true, false}) {
        Seen seen;
        WhenShown(seen, [click](QWidget& dialog) {
            SaveScreenshot(dialog, "toolkit-message-dialog.png");
            if (click)
                QTest::mouseClick(ButtonLabelled(dialog, "Close"), Qt::LeftButton);
            else
                QTest::keyClick(&dialog, Qt::Key_Escape);
        });
        const RVADM_MessageDialog dialog("Could Not Save", true, "The modifications could not be saved.", true,
                                         nullptr, "Close", true);
        EXPECT_EQ(dialog.GetClickedIndex(), 1);
        EXPECT_EQ(dialog.GetCancelIndex(), 1);
        EXPECT_EQ(dialog.GetDefaultIndex(), 1);
        ASSERT_EQ(seen.buttons.size(), 1u);
        EXPECT_EQ(seen.focused, seen.buttons[0]);
        EXPECT_FALSE(dialog.isVisible());
    }
}

TEST(MessageDialogResult, TwoButtonsDefaultToTheFirstOnReturnAndCancelWithTheSecondOnEscape)
{
    for (const Qt::Key key : {Qt::Key_Escape, Qt::Key_Return}) {
        Seen seen;
        WhenShown(seen, [key](QWidget& dialog) {
            SaveScreenshot(dialog, "toolkit-critical-dialog.png");
            QTest::keyClick(&dialog, key);
        });
        const RVADM_CriticalMessageDialog dialog("Remove Dot Gain Settings", true,
                                                 "This will permanently remove the Dot Gain Settings. This might also "
                                                 "affect other workstations.",
                                                 true, "Remove", "Cancel", false);
        EXPECT_EQ(dialog.GetClickedIndex(), key == Qt::Key_Escape ? 1 : 0);
        EXPECT_EQ(dialog.GetDefaultIndex(), 0);
        ASSERT_EQ(seen.buttons.size(), 2u);
        EXPECT_EQ(seen.focused->text(), QStringLiteral("Remove"));
        EXPECT_TRUE(seen.focused->isDefault());
        EXPECT_TRUE(seen.focused->property("_rvadm_isdefault").toBool());
    }
}

TEST(MessageDialogResult, WithoutInteractionNothingShowsAndTheResultIsTheCancelIndex)
{
    const FakeHost host;
    FakeHost::SetInteractionAllowed(false);
    const RVADM_MessageDialog withCancel("Heading", false, "Message", false, "Yes", "No", false);
    EXPECT_EQ(withCancel.GetClickedIndex(), 1);
    const RVADM_MessageDialog oneButton("Heading", false, "Message", false, "OK", nullptr, false);
    EXPECT_EQ(oneButton.GetClickedIndex(), 0);
    const RVADM_MessageDialog explicitCancel("Heading", false, "", false, "A", "B", "C", 0, 2);
    EXPECT_EQ(explicitCancel.GetClickedIndex(), 2);
    EXPECT_TRUE(withCancel.findChildren<QPushButton*>().isEmpty());
}

// The buttons run right to left from the inner right edge, whatever the default.
TEST(MessageDialogResult, ThreeButtonsWithExplicitIndexesAndTipsRunRightToLeft)
{
    Seen seen;
    WhenShown(seen, [](QWidget& dialog) { QTest::mouseClick(ButtonLabelled(dialog, "Later"), Qt::LeftButton); });
    const char* const tips[3] = {nullptr, "Ask again tomorrow", nullptr};
    RVADM_MessageDialog dialog("Update", false, "A newer engine is available.", false, "Install", "Later", "Never", 2,
                               0, tips);
    EXPECT_EQ(dialog.GetClickedIndex(), 1);
    ASSERT_EQ(seen.focused->text(), QStringLiteral("Never"));
    QPushButton* install = ButtonLabelled(dialog, "Install");
    QPushButton* later = ButtonLabelled(dialog, "Later");
    QPushButton* never = ButtonLabelled(dialog, "Never");
    EXPECT_EQ(later->toolTip(), QStringLiteral("Ask again tomorrow"));
    EXPECT_TRUE(install->toolTip().isEmpty());
    EXPECT_EQ(never->geometry().right() + 1, 494 - 15);
    EXPECT_EQ(later->geometry().right() + 1 + 7, never->x());
    EXPECT_EQ(install->geometry().right() + 1 + 7, later->x());
    EXPECT_EQ(install->geometry().center().y(), never->geometry().center().y());
    EXPECT_EQ(never->height(), 22);
    EXPECT_GE(never->width(), 71);
    EXPECT_EQ(seen.dialog.height(), never->geometry().bottom() + 1 + 15);
}

TEST(MessageDialogLayout, HeadingAboveTheMessageBesideTheIcon)
{
    Seen seen;
    WhenShown(seen, [](QWidget& dialog) { QTest::keyClick(&dialog, Qt::Key_Escape); });
    const RVADM_MessageDialog dialog("Could Not Save", false, "The modifications could not be saved.", false,
                                     nullptr, "Close", true);
    EXPECT_EQ(seen.dialog.width(), 494);
    EXPECT_EQ(seen.icon, QRect(18, 15, 32, 32));
    ASSERT_EQ(seen.labels.size(), 2u);
    const QRect heading = seen.labelTexts[0] == QStringLiteral("Could Not Save") ? seen.labels[0] : seen.labels[1];
    const QRect message = seen.labelTexts[0] == QStringLiteral("Could Not Save") ? seen.labels[1] : seen.labels[0];
    EXPECT_EQ(heading.topLeft(), QPoint(70, 15));
    EXPECT_EQ(heading.right() + 1, 494 - 15);
    EXPECT_EQ(message.top(), heading.bottom() + 1 + 3);
    EXPECT_EQ(message.left(), 70);
    const QFont& headingFont = seen.labelFonts[seen.labels[0] == heading ? 0 : 1];
    const QFont& messageFont = seen.labelFonts[seen.labels[0] == heading ? 1 : 0];
    EXPECT_EQ(headingFont.pixelSize(), 12);
    EXPECT_EQ(headingFont.weight(), QFont::Bold);
    EXPECT_EQ(messageFont.pixelSize(), 10);
    EXPECT_EQ(messageFont.weight(), QFont::Normal);
    // A short message is never shorter than the icon.
    EXPECT_EQ(message.bottom(), seen.icon.bottom());
    EXPECT_EQ(seen.buttons[0]->y(), message.bottom() + 1 + 15);
}

TEST(MessageDialogLayout, MessageWithoutHeadingTakesTheHeadingsPlaceAndALongOneGrowsTheDialog)
{
    Seen seen;
    WhenShown(seen, [](QWidget& dialog) { QTest::keyClick(&dialog, Qt::Key_Escape); });
    const RVADM_MessageDialog dialog(kLongMessage, false, "", false, nullptr, "OK", true);
    ASSERT_EQ(seen.labels.size(), 1u);
    EXPECT_EQ(seen.labelTexts[0], QString::fromUtf8(kLongMessage));
    EXPECT_EQ(seen.labels[0].topLeft(), QPoint(70, 15));
    EXPECT_EQ(seen.labelFonts[0].pixelSize(), 12);
    EXPECT_EQ(seen.labelFonts[0].weight(), QFont::Normal);
    EXPECT_GT(seen.labels[0].height(), 32 + 12);
    EXPECT_GT(seen.dialog.height(), 130);
    EXPECT_EQ(seen.dialog.height(), seen.labels[0].bottom() + 1 + 15 + seen.buttons[0]->height() + 15);
}

TEST(MessageDialogIcon, EachVariantShowsItsOwnPictureAndHostileTextLiterally)
{
    Seen info;
    WhenShown(info, [](QWidget& dialog) { QTest::keyClick(&dialog, Qt::Key_Escape); });
    { const RVADM_MessageDialog dialog("Info", false, "", false, nullptr, "OK", true); }
    Seen critical;
    WhenShown(critical, [](QWidget& dialog) { QTest::mouseClick(ButtonLabelled(dialog, "OK"), Qt::LeftButton); });
    RVADM_CriticalMessageDialog::ShowOkMessage("Generating Viewer preview failed", "<b>%s</b> &amp;");
    EXPECT_EQ(info.iconId, 16101);
    EXPECT_EQ(critical.iconId, 16103);
    EXPECT_EQ(info.icon.size(), LoadPicture(16101, 1.0, 0).size());
    EXPECT_NE(info.iconImage, critical.iconImage);
    EXPECT_EQ(critical.buttonTexts, std::vector<QString>{QStringLiteral("OK")});
    EXPECT_TRUE(critical.Shows("Generating Viewer preview failed"));
    EXPECT_TRUE(critical.Shows("<b>%s</b> &amp;"));
}

} // namespace
} // namespace qRVADM
