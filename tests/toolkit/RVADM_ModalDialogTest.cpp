// Modal dialogs are driven by arranging the interaction before the run: a zero-timeout timer
// acts on the dialog once its event loop runs.

#include "ToolkitTestSupport.h"

#include "RVADMQtManager.h"

#include <QPushButton>
#include <QResizeEvent>
#include <QSizeGrip>
#include <QTest>
#include <QTimer>

#include <gtest/gtest.h>

#include <functional>

namespace qRVADM {
namespace {

using toolkittest::FakeHost;
using toolkittest::RecordingItem;
using toolkittest::RecordingModalDialog;

using ButtonItem = RecordingItem<QPushButton>;

// Runs `action` on the dialog as soon as its modal event loop turns.
void WhenRunning(RecordingModalDialog& dialog, std::function<void()> action)
{
    QTimer::singleShot(0, &dialog, std::move(action));
}

class ModalDialogTest : public testing::Test
{
protected:
    FakeHost host;
    RecordingModalDialog dialog;
    ButtonItem* ok = nullptr;
    ButtonItem* cancel = nullptr;

    void CreateButtons()
    {
        dialog.create = [this] {
            ok = new ButtonItem(&dialog, kKindTextPushButton);
            cancel = new ButtonItem(&dialog, kKindTextPushButton);
            ok->ConnectToDialog(SIGNAL(clicked()), SLOT(OnButtonClicked()));
            cancel->ConnectToDialog(SIGNAL(clicked()), SLOT(OnButtonClicked()));
            dialog.SetDefaultItem(ok);
            dialog.SetCancelItem(cancel);
        };
    }
};

TEST_F(ModalDialogTest, RefusesToRunWhenTheHostForbidsInteraction)
{
    FakeHost::SetInteractionAllowed(false);
    EXPECT_EQ(dialog.Modal("Title"), -1);
    EXPECT_TRUE(dialog.calls.empty());
    EXPECT_FALSE(dialog.isVisible());
}

// The cancel item gets code 2 on Escape; unless it ends the dialog, the ordinary reject follows.
TEST_F(ModalDialogTest, EscapeDeliversCodeTwoToTheCancelItem)
{
    for (const bool cancelEnds : {true, false}) {
        RecordingModalDialog running;
        ButtonItem* cancelItem = nullptr;
        running.create = [&] {
            cancelItem = new ButtonItem(&running, kKindTextPushButton);
            running.SetCancelItem(cancelItem);
            cancelItem->onNotify = [&](std::int32_t code) {
                if (cancelEnds && code == kNotifyUserChanged)
                    running.EndModal(2, true);
            };
        };
        WhenRunning(running, [&running] { QTest::keyClick(&running, Qt::Key_Escape); });
        EXPECT_EQ(running.Modal("Title", true), cancelEnds ? 2 : QDialog::Rejected);
        EXPECT_EQ(cancelItem->UserCodes(), std::vector<std::int32_t>{2});
        EXPECT_EQ(running.GetResult(), cancelEnds ? 2 : -1);
        EXPECT_EQ(running.Count("CommitItems"), 0);
    }
}

TEST_F(ModalDialogTest, EndModalCommitsUnlessCancelled)
{
    dialog.commit = [this] { EXPECT_TRUE(dialog.isVisible()); };
    WhenRunning(dialog, [this] { dialog.EndModal(1, false); });
    EXPECT_EQ(dialog.Modal("Title"), 1);
    EXPECT_EQ(dialog.Count("CommitItems"), 1);

    RecordingModalDialog second;
    WhenRunning(second, [&second] { second.EndModal(2, true); });
    EXPECT_EQ(second.Modal("Title"), 2);
    EXPECT_EQ(second.Count("CommitItems"), 0);
}

TEST_F(ModalDialogTest, ClickOnTheDefaultButtonReachesOnNotify)
{
    CreateButtons();
    bool defaultWhileRunning = false;
    WhenRunning(dialog, [this, &defaultWhileRunning] {
        defaultWhileRunning = ok->isDefault();
        QTest::mouseClick(ok, Qt::LeftButton);
        dialog.EndModal(1, false);
    });
    dialog.Modal("Title");
    EXPECT_EQ(dialog.notified, std::vector<RVADM_Item*>{ok});
    EXPECT_TRUE(defaultWhileRunning);
    EXPECT_TRUE(ok->property("_rvadm_isdefault").toBool());
    EXPECT_TRUE(ok->property("_rvadm_ismodalbutton").toBool());
    EXPECT_TRUE(cancel->property("_rvadm_ismodalbutton").toBool());
    EXPECT_FALSE(cancel->property("_rvadm_isdefault").isValid());
}

TEST_F(ModalDialogTest, TimerTicksUntilOnTimerReturnsFalseAndCustomEventsReachTheHook)
{
    int ticks = 0;
    dialog.onTimer = [&] {
        if (++ticks < 3)
            return true;
        dialog.EndModal(1, true);
        return false;
    };
    dialog.init = [this] {
        dialog.StartTimer(1);
        dialog.StartTimer(1); // one timer only
    };
    EXPECT_EQ(dialog.Modal("Title"), 1);
    EXPECT_EQ(ticks, 3);
    EXPECT_FALSE(dialog.IsTimerRunning());
    QEvent custom(static_cast<QEvent::Type>(RVADM_ModalDialog::kCustomEventType));
    QCoreApplication::sendEvent(&dialog, &custom);
    QEvent other(static_cast<QEvent::Type>(RVADM_ModalDialog::kCustomEventType + 1));
    QCoreApplication::sendEvent(&dialog, &other);
    EXPECT_EQ(dialog.Count("OnCustomEvent"), 1);
}

TEST(ModalDialogWindow, FlagsModalityAndSizeGrip)
{
    RecordingModalDialog fixed;
    EXPECT_EQ(static_cast<unsigned>(fixed.windowFlags()), 0x2001103u);
    EXPECT_EQ(fixed.windowModality(), Qt::ApplicationModal);
    EXPECT_FALSE(fixed.isSizeGripEnabled());
    EXPECT_FALSE(fixed.IsResizable());

    RecordingModalDialog resizable(true);
    EXPECT_EQ(static_cast<unsigned>(resizable.windowFlags()), 0x2001003u);
    EXPECT_TRUE(resizable.isSizeGripEnabled());
    resizable.SetSize(300, 200);
    resizable.resize(320, 220);
    EXPECT_EQ(resizable.size(), QSize(320, 220));
    fixed.SetSize(300, 200);
    fixed.resize(320, 220);
    EXPECT_EQ(fixed.size(), QSize(300, 200));
}

TEST(ModalDialogResize, LayoutRunsAgainWhenItChangedTheSizeButNotBeforeInitialize)
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

TEST(ModalDialogCount, CountsInAtConstructionAndOutOnTheNextTurn)
{
    QCoreApplication::processEvents();
    const int before = RVADMQtManager::QtManager::GetDialogCount();
    {
        RecordingModalDialog dialog;
        EXPECT_EQ(RVADMQtManager::QtManager::GetDialogCount(), before + 1);
    }
    EXPECT_EQ(RVADMQtManager::QtManager::GetDialogCount(), before + 1);
    QCoreApplication::processEvents();
    EXPECT_EQ(RVADMQtManager::QtManager::GetDialogCount(), before);
}

TEST(ModalDialogParent, NestedDialogIsParentedToTheRunningOne)
{
    RecordingModalDialog outer;
    QWidget* innerParent = nullptr;
    WhenRunning(outer, [&] {
        RecordingModalDialog inner;
        innerParent = inner.parentWidget();
        outer.EndModal(1, true);
    });
    outer.Modal("Outer");
    EXPECT_EQ(innerParent, &outer);
}

} // namespace
} // namespace qRVADM
