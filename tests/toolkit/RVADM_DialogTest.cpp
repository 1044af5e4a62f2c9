// Dialogs: notification routing by the signal and named-slot paths, their delivery rules and the
// host's application context, the hooks run by Initialize, and modal runs. A modal run is driven
// by arranging the interaction before it: a zero-timeout timer acts once the event loop runs.

#include "ToolkitTestSupport.h"

#include "toolkit/RVADM_NumericEdit.h"

#include "RVADMQtManager.h"

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QResizeEvent>
#include <QTest>
#include <QTimer>

#include <stdexcept>

namespace qRVADM {
namespace {

using toolkittest::RecordingItem;
using toolkittest::RecordingModalDialog;
using Codes = std::vector<std::int32_t>;

template <class Call>
std::string ErrorOf(Call call)
{
    try {
        call();
    } catch (const std::runtime_error& error) {
        return error.what();
    }
    return "no exception";
}

class DialogSlotTest : public testing::Test
{
protected:
    toolkittest::FakeHost host;
    toolkittest::PanelStandInDialog dialog;
};

TEST_F(DialogSlotTest, ButtonClickReachesOnNotifyInsideTheAppContextUntilDisconnected)
{
    auto* button = new RecordingItem<QPushButton>(&dialog, kKindTextPushButton);
    button->ConnectToDialog(SIGNAL(clicked()), SLOT(OnButtonClicked()));
    int depthDuringNotify = -1;
    button->onNotify = [&](std::int32_t) { depthDuringNotify = host.ContextDepth(); };
    button->click();
    EXPECT_EQ(button->UserCodes(), Codes{kNotifyUserChanged});
    EXPECT_EQ(dialog.notified, std::vector<RVADM_Item*>{button});
    EXPECT_EQ(depthDuringNotify, 1);
    EXPECT_EQ(host.ContextDepth(), 0);
    button->DisconnectFromDialog(SLOT(OnButtonClicked()));
    button->click();
    EXPECT_EQ(button->UserCodes().size(), 1u);
    EXPECT_EQ(ErrorOf([&] { button->ConnectToDialog(SIGNAL(clicked()), SLOT(NoSuchSlot())); }),
              "Connection to dialog slot failed!");
}

// Regression: any line edit of the edit kind was taken for a text edit. Only a real text edit
// keeps an unchanged commit to itself.
TEST_F(DialogSlotTest, LineEditThatIsNoTextEditNotifiesEveryFinishedEdit)
{
    auto* edit = new RecordingItem<QLineEdit>(&dialog, kKindTextEdit);
    edit->ConnectToDialog(SIGNAL(editingFinished()), SLOT(OnTextEditChanged()));
    dialog.show();
    QApplication::setActiveWindow(&dialog);
    edit->setFocus();
    QTest::keyClick(edit, Qt::Key_Return);
    EXPECT_EQ(edit->UserCodes(), Codes{2});
}

TEST_F(DialogSlotTest, NamedSlotSetsTheNotifyingItemOnlyDuringTheCallAndNullItemsGetNothing)
{
    auto* label = new RecordingItem<QLabel>(&dialog, kKindLabel);
    RVADM_Item* seen = nullptr;
    label->onNotify = [&](std::int32_t) { seen = dialog.GetNotifyingItem(); };
    label->CallDialogSlot("OnLabelClicked");
    EXPECT_EQ(label->UserCodes(), Codes{2});
    EXPECT_EQ(seen, label);
    EXPECT_EQ(dialog.GetNotifyingItem(), nullptr);
    EXPECT_EQ(ErrorOf([&] { label->CallDialogSlot("NoSuchSlot"); }), "Meta-call to dialog slot failed!");
    EXPECT_EQ(dialog.GetNotifyingItem(), nullptr);
    auto* plain = new RecordingItem<QWidget>(&dialog, kKindCustomItem);
    EXPECT_EQ(ErrorOf([&] { plain->SetTextInt(QStringLiteral("x")); }), "Call to SetTextInt() failed!");

    const int pushes = host.ContextPushes();
    dialog.NotifyItem(nullptr, 2);
    dialog.NotifyItemWith(nullptr, label);
    dialog.NotifyItemWith(&RVADM_Dialog::OnAsyncNotify, nullptr);
    EXPECT_EQ(host.ContextPushes(), pushes);
    EXPECT_EQ(label->UserCodes().size(), 1u);
}

TEST(DialogInitialize, RunsTheHooksInOrderAndLaysOutOnceWithLayoutDisabled)
{
    RecordingModalDialog dialog;
    bool enabledDuringLayout = true;
    dialog.layout = [&] { enabledDuringLayout = dialog.IsLayoutEnabled(); };
    dialog.Initialize();
    EXPECT_EQ(dialog.calls, (std::vector<std::string>{"CreateItems", "InitItems", "Layout"}));
    EXPECT_EQ(dialog.size(), QSize(100, 100));
    EXPECT_EQ(dialog.GetMargins(), (RVADM_Rect{12, 12, 12, 12}));
    EXPECT_FALSE(enabledDuringLayout);
    EXPECT_TRUE(dialog.IsLayoutEnabled());
}

void WhenRunning(RecordingModalDialog& dialog, std::function<void()> action)
{
    QTimer::singleShot(0, &dialog, std::move(action));
}

// Escape gives the cancel item code 2; unless its handler ends the dialog, the ordinary reject follows.
TEST(ModalDialogRun, EscapeDeliversCodeTwoToTheCancelItem)
{
    for (const bool cancelEnds : {true, false}) {
        RecordingModalDialog dialog;
        RecordingItem<QPushButton>* cancel = nullptr;
        dialog.create = [&] {
            cancel = new RecordingItem<QPushButton>(&dialog, kKindTextPushButton);
            dialog.SetCancelItem(cancel);
            cancel->onNotify = [&](std::int32_t code) {
                if (cancelEnds && code == kNotifyUserChanged)
                    dialog.EndModal(2, true);
            };
        };
        WhenRunning(dialog, [&dialog] { QTest::keyClick(&dialog, Qt::Key_Escape); });
        EXPECT_EQ(dialog.Modal("Title", true), cancelEnds ? 2 : QDialog::Rejected);
        EXPECT_EQ(cancel->UserCodes(), std::vector<std::int32_t>{2});
        EXPECT_EQ(dialog.Count("CommitItems"), 0);
        EXPECT_TRUE(cancel->property("_rvadm_ismodalbutton").toBool());
    }
}

TEST(ModalDialogRun, EndModalCommitsBeforeClosingUnlessCancelled)
{
    for (const bool cancelled : {false, true}) {
        RecordingModalDialog dialog;
        bool visibleAtCommit = false;
        dialog.commit = [&] { visibleAtCommit = dialog.isVisible(); };
        WhenRunning(dialog, [&] { dialog.EndModal(cancelled ? 2 : 1, cancelled); });
        EXPECT_EQ(dialog.Modal("Title"), cancelled ? 2 : 1);
        EXPECT_EQ(dialog.Count("CommitItems"), cancelled ? 0 : 1);
        EXPECT_EQ(visibleAtCommit, !cancelled);
    }
}

// Only the toolkit's own custom event reaches the hook.
TEST(ModalDialogWindow, FixedSizeUnlessResizableCountedUntilTheTurnAfterDestructionAndCustomEvents)
{
    QCoreApplication::processEvents();
    const int before = RVADMQtManager::QtManager::GetDialogCount();
    {
        RecordingModalDialog fixed;
        RecordingModalDialog resizable(true);
        EXPECT_EQ(RVADMQtManager::QtManager::GetDialogCount(), before + 2);
        EXPECT_EQ(static_cast<unsigned>(fixed.windowFlags()), 0x2001103u);
        EXPECT_EQ(static_cast<unsigned>(resizable.windowFlags()), 0x2001003u);
        EXPECT_TRUE(resizable.isSizeGripEnabled());
        for (RecordingModalDialog* dialog : {&fixed, &resizable}) {
            dialog->SetSize(300, 200);
            dialog->resize(320, 220);
        }
        EXPECT_EQ(fixed.size(), QSize(300, 200));
        EXPECT_EQ(resizable.size(), QSize(320, 220));
        toolkittest::SendCustomEvents(fixed);
        EXPECT_EQ(fixed.Count("OnCustomEvent"), 1);
    }
    EXPECT_EQ(RVADMQtManager::QtManager::GetDialogCount(), before + 2);
    QCoreApplication::processEvents();
    EXPECT_EQ(RVADMQtManager::QtManager::GetDialogCount(), before);
}

TEST(ModalDialogWindow, LayoutRunsAgainWhenItChangedTheSize)
{
    RecordingModalDialog dialog(true);
    dialog.layout = [&dialog] {
        if (dialog.Count("Layout") == 1)
            dialog.resize(300, 200);
    };
    dialog.Initialize();
    EXPECT_EQ(dialog.Count("Layout"), 1);
    QCoreApplication::processEvents();
    EXPECT_EQ(dialog.Count("Layout"), 2);
    QResizeEvent same(dialog.size(), dialog.size());
    QCoreApplication::sendEvent(&dialog, &same);
    EXPECT_EQ(dialog.Count("Layout"), 2);
}

// Regression: deleting a dialog while one of its edits had the focus delivered the finished entry to
// the dialog after its own destructors had run (a pure virtual call).
TEST(ModalDialogWindow, DeletingTheDialogWhileAnEditHasTheFocusNotifiesNothing)
{
    auto dialog = std::make_unique<RecordingModalDialog>();
    auto* edit = new toolkittest::Recorded<RVADM_NumericEdit>(dialog.get(), 0, 100, 0, false, -1);
    int finished = 0;
    edit->onNotify = [&finished](std::int32_t code) { finished += code == kNotifyUserChanged ? 1 : 0; };
    dialog->show();
    QApplication::setActiveWindow(dialog.get());
    edit->setFocus();
    ASSERT_TRUE(edit->hasFocus());
    QTest::keyClicks(edit, "7");
    dialog.reset();
    EXPECT_EQ(finished, 0);
}

} // namespace
} // namespace qRVADM
