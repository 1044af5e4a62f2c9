// Modal dialogs are driven by arranging the interaction before the run: a zero-timeout timer
// acts on the dialog once its event loop runs.

#include "ToolkitTestSupport.h"

#include "toolkit/RVADM_TextEdit.h"

#include "RVADMQtManager.h"

#include <QPushButton>
#include <QResizeEvent>
#include <QTest>
#include <QTimer>

namespace qRVADM {
namespace {

using toolkittest::RecordingItem;
using toolkittest::RecordingModalDialog;

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
        EXPECT_EQ(dialog.GetResult(), cancelEnds ? 2 : -1);
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
        EXPECT_EQ(fixed.windowModality(), Qt::ApplicationModal);
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

TEST(ModalDialogWindow, LayoutRunsAgainWhenItChangedTheSizeButNotBeforeInitialize)
{
    RecordingModalDialog dialog(true);
    dialog.resize(250, 150);
    QResizeEvent early(QSize(250, 150), QSize(100, 100));
    QCoreApplication::sendEvent(&dialog, &early);
    EXPECT_EQ(dialog.Count("Layout"), 0);
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
    auto* edit = new toolkittest::Recorded<RVADM_TextEdit>(dialog.get(), "text");
    int finished = 0;
    edit->onNotify = [&finished](std::int32_t code) { finished += code == kNotifyUserChanged ? 1 : 0; };
    dialog->show();
    QApplication::setActiveWindow(dialog.get());
    edit->setFocus();
    QTest::keyClicks(edit, "7");
    dialog.reset();
    EXPECT_EQ(finished, 0);
}

} // namespace
} // namespace qRVADM
