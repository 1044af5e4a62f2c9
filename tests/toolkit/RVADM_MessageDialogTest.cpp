// Message dialogs run inside their constructor: the interaction is arranged before, with a
// zero-timeout timer that acts on the running dialog; what it showed is read afterwards.

#include "ToolkitTestSupport.h"

#include "toolkit/RVADM_CriticalMessageDialog.h"
#include "toolkit/RVADM_Label.h"
#include "toolkit/RVADM_MessageDialog.h"
#include "toolkit/RVADM_PictureLabel.h"
#include "toolkit/RVADM_TextPushButton.h"

#include <QApplication>
#include <QTest>
#include <QTimer>

#include <stdexcept>

namespace qRVADM {
namespace {

// The focus widget of the last message dialog that ran, as it was shown.
QWidget* g_focusWhenShown = nullptr;

// Acts on the message dialog that runs next; `shot` names its picture in docs/.
void WhenShown(std::function<void(QWidget&)> act, const char* shot = nullptr)
{
    QTimer::singleShot(0, [act = std::move(act), shot] {
        QWidget* dialog = QApplication::activeModalWidget();
        ASSERT_NE(dialog, nullptr);
        g_focusWhenShown = dialog->focusWidget();
        if (shot != nullptr)
            toolkittest::SaveScreenshot(dialog->grab().toImage(), shot);
        act(*dialog);
    });
}

// The control of class T showing `text` (any, when null). The controls have no meta-objects of
// their own: qobject_cast cannot tell them apart.
template <class T>
T& Control(QWidget& dialog, const char* text = nullptr)
{
    for (QWidget* child : dialog.findChildren<QWidget*>()) {
        auto* control = dynamic_cast<T*>(child);
        if (control != nullptr && (text == nullptr || control->property("text").toString() == QString::fromUtf8(text)))
            return *control;
    }
    throw std::runtime_error(std::string("no control ") + (text != nullptr ? text : "of the class"));
}

// One button is both default and cancel; the heading is bold beside the icon, the short message
// in the smaller font below it is stretched to the icon's bottom, the button 15 pixels lower.
TEST(MessageDialog, OneButtonClosesWithOneOnClickOrEscape)
{
    for (const bool click : {true, false}) {
        WhenShown([click](QWidget& dialog) {
            click ? QTest::mouseClick(&Control<RVADM_TextPushButton>(dialog, "Close"), Qt::LeftButton)
                  : QTest::keyClick(&dialog, Qt::Key_Escape);
        }, "toolkit-message-dialog.png");
        RVADM_MessageDialog dialog("Could Not Save", true, "The modifications could not be saved.", true, nullptr,
                                   "Close", true);
        EXPECT_EQ(dialog.GetClickedIndex(), 1);
        const QRect icon = Control<RVADM_PictureLabel>(dialog).geometry();
        const QLabel& heading = Control<RVADM_Label>(dialog, "Could Not Save");
        const QLabel& message = Control<RVADM_Label>(dialog, "The modifications could not be saved.");
        QPushButton& close = Control<RVADM_TextPushButton>(dialog, "Close");
        EXPECT_EQ(g_focusWhenShown, &close);
        EXPECT_EQ(Control<RVADM_PictureLabel>(dialog).GetPicture(), 16101);
        EXPECT_EQ(icon, QRect(18, 15, 32, 32));
        EXPECT_EQ(heading.geometry().topLeft(), QPoint(70, 15));
        EXPECT_EQ(heading.geometry().right() + 1, 494 - 15);
        EXPECT_EQ(heading.font().pixelSize(), 12);
        EXPECT_EQ(heading.font().weight(), QFont::Bold);
        EXPECT_EQ(message.geometry().topLeft(), QPoint(70, heading.geometry().bottom() + 1 + 3));
        EXPECT_EQ(message.font().pixelSize(), 10);
        EXPECT_EQ(message.geometry().bottom(), icon.bottom());
        EXPECT_EQ(close.y(), message.geometry().bottom() + 1 + 15);
        EXPECT_EQ(dialog.size(), QSize(494, close.geometry().bottom() + 1 + 15));
    }
}

// The buttons run right to left from the inner right edge with the dialog's gap.
TEST(MessageDialog, CriticalTwoButtonsTakeTheFirstOnReturnAndTheSecondOnEscape)
{
    for (const Qt::Key key : {Qt::Key_Escape, Qt::Key_Return}) {
        WhenShown([key](QWidget& dialog) { QTest::keyClick(&dialog, key); }, "toolkit-critical-dialog.png");
        RVADM_CriticalMessageDialog dialog("Remove Dot Gain Settings", true,
                                           "This will permanently remove the Dot Gain Settings. This might also "
                                           "affect other workstations.",
                                           true, "Remove", "Cancel", false);
        EXPECT_EQ(dialog.GetClickedIndex(), key == Qt::Key_Escape ? 1 : 0);
        EXPECT_EQ(Control<RVADM_PictureLabel>(dialog).GetPicture(), 16103);
        QPushButton& remove = Control<RVADM_TextPushButton>(dialog, "Remove");
        QPushButton& cancel = Control<RVADM_TextPushButton>(dialog, "Cancel");
        EXPECT_EQ(g_focusWhenShown, &remove);
        EXPECT_TRUE(remove.isDefault());
        EXPECT_TRUE(remove.property("_rvadm_isdefault").toBool());
        EXPECT_EQ(cancel.geometry().right() + 1, 494 - 15);
        EXPECT_EQ(remove.geometry().right() + 1 + 7, cancel.x());
        EXPECT_EQ(remove.y(), cancel.y());
    }
}

TEST(MessageDialog, WithoutInteractionNoDialogRunsAndAMessageGivesItsCancelIndex)
{
    toolkittest::FakeHost host;
    host.SetUserInteractionAllowed(false);
    toolkittest::RecordingModalDialog plain;
    EXPECT_EQ(plain.Modal("Title"), -1);
    EXPECT_TRUE(plain.calls.empty());
    EXPECT_EQ(RVADM_MessageDialog("Heading", false, "Message", false, "Yes", "No", false).GetClickedIndex(), 1);
    EXPECT_EQ(RVADM_MessageDialog("Heading", false, "Message", false, "OK", nullptr, false).GetClickedIndex(), 0);
    EXPECT_EQ(RVADM_MessageDialog("Heading", false, "", false, "A", "B", "C", 0, 2).GetClickedIndex(), 2);
}

TEST(MessageDialog, MessageWithoutHeadingTakesTheHeadingsPlaceAndALongOneGrowsTheDialog)
{
    const char* const text =
        "This will permanently remove the Dot Gain Settings. This might also affect other workstations. Every "
        "press that uses these settings falls back to the default curve, and the previews that were generated "
        "with them are shown again with the default curve once they are generated anew.";
    WhenShown([](QWidget& shown) { QTest::keyClick(&shown, Qt::Key_Escape); });
    RVADM_MessageDialog dialog(text, false, "", false, nullptr, "OK", true);
    EXPECT_EQ(dialog.findChildren<QLabel*>().size(), 1); // no heading
    const QLabel& message = Control<RVADM_Label>(dialog, text);
    EXPECT_EQ(message.geometry().topLeft(), QPoint(70, 15));
    EXPECT_EQ(message.font().pixelSize(), 12);
    EXPECT_GT(message.height(), 32 + 12);
    const QRect ok = Control<RVADM_TextPushButton>(dialog, "OK").geometry();
    EXPECT_EQ(ok.top(), message.geometry().bottom() + 1 + 15);
    EXPECT_EQ(dialog.height(), ok.bottom() + 1 + 15);
}

} // namespace
} // namespace qRVADM
