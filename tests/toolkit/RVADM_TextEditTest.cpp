#include "ControlTestSupport.h"
#include "ToolkitTestSupport.h"

#include "toolkit/RVADM_TextEdit.h"

#include "sim/host/AppWindow.h"

#include <QTest>

namespace qRVADM {
namespace {

using toolkittest::Codes;
using toolkittest::Recorded;

// A text edit with the focus on a plain dialog, as on a modal dialog.
class TextEditTest : public testing::Test
{
protected:
    void SetUp() override
    {
        edit = new Recorded<RVADM_TextEdit>(&dialog, "start");
        dialog.show();
        QApplication::setActiveWindow(&dialog);
        edit->setFocus();
        edit->codes.clear();
    }

    toolkittest::FakeHost host;
    toolkittest::PanelStandInDialog dialog;
    Recorded<RVADM_TextEdit>* edit = nullptr;
};

TEST_F(TextEditTest, TypingDeliversThreeAndOnlyAChangedCommitDeliversTwo)
{
    QTest::keyClick(edit, Qt::Key_Return);
    EXPECT_TRUE(edit->UserCodes().empty());
    QTest::keyClicks(edit, "ab");
    EXPECT_EQ(edit->UserCodes(), (Codes{3, 3}));
    EXPECT_TRUE(edit->IsModified());
    edit->codes.clear();
    QTest::keyClick(edit, Qt::Key_Return);
    EXPECT_EQ(edit->UserCodes(), Codes{2});
    EXPECT_FALSE(edit->IsModified());
    edit->codes.clear();
    QTest::keyClick(edit, Qt::Key_Return); // nothing changed since the last commit
    edit->clearFocus();                    // nor when the focus leaves
    EXPECT_TRUE(edit->UserCodes().empty());
    QTest::keyClicks(edit, "x");
    edit->SetText("replaced"); // no user change
    EXPECT_FALSE(edit->IsModified());
    edit->codes.clear();
    QTest::keyClick(edit, Qt::Key_Return);
    EXPECT_TRUE(edit->UserCodes().empty());
}

TEST_F(TextEditTest, SelectAllDeliversNine)
{
    edit->SelectAll();
    EXPECT_EQ(edit->selectedText(), QStringLiteral("start"));
    EXPECT_EQ(edit->UserCodes(), Codes{9});
}

class TextEditOnPanel : public toolkittest::ControlPanelFixture
{
protected:
    void SetUp() override
    {
        ControlPanelFixture::SetUp();
        OpenPanel([this] { edit = new Recorded<RVADM_TextEdit>(&panel, "Standard"); });
        edit->setFocus();
        ASSERT_TRUE(edit->hasFocus());
    }

    hostsim::AppWindow& HostWindow() { return host.PlatformAppWindow(); }

    Recorded<RVADM_TextEdit>* edit = nullptr;
};

TEST_F(TextEditOnPanel, ReturnCommitsAndHandsTheFocusToTheHostDocumentWindow)
{
    QTest::keyClicks(edit, "1");
    edit->codes.clear();
    QTest::keyClick(edit, Qt::Key_Return);
    QApplication::processEvents(); // the window system activates the host window
    EXPECT_EQ(edit->UserCodes(), Codes{2});
    EXPECT_FALSE(edit->hasFocus());
    EXPECT_EQ(QApplication::focusWidget(), &HostWindow());
    EXPECT_EQ(HostWindow().FocusArrivals(), 1);
    EXPECT_EQ(host.ContextDepth(), 0);
}

class CommitKeyOnPanel : public TextEditOnPanel, public testing::WithParamInterface<Qt::Key>
{
};

TEST_P(CommitKeyOnPanel, EndsTheEditAndReturnsTheFocusToTheHost)
{
    QTest::keyClick(edit, GetParam());
    QApplication::processEvents();
    EXPECT_FALSE(edit->hasFocus());
    EXPECT_EQ(QApplication::focusWidget(), &HostWindow());
    EXPECT_TRUE(edit->UserCodes().empty()); // nothing was changed
}

INSTANTIATE_TEST_SUITE_P(Keys, CommitKeyOnPanel, testing::Values(Qt::Key_Return, Qt::Key_Enter, Qt::Key_Escape));

TEST_F(TextEditOnPanel, FocusInBringsThePanelToTheFrontAndOtherKeysKeepTheFocus)
{
    QTest::keyClick(edit, Qt::Key_Left);
    QTest::keyClick(edit, Qt::Key_Home);
    QApplication::processEvents();
    EXPECT_EQ(HostWindow().FocusArrivals(), 0);
    QTest::keyClick(edit, Qt::Key_Return);
    QApplication::processEvents();
    ASSERT_NE(QApplication::activeWindow(), panel.window());
    QFocusEvent focusIn(QEvent::FocusIn, Qt::MouseFocusReason);
    QApplication::sendEvent(edit, &focusIn);
    QApplication::processEvents();
    EXPECT_EQ(QApplication::activeWindow(), panel.window());
}

TEST_F(TextEditOnPanel, OnAModalDialogReturnLeavesTheFocusAlone)
{
    toolkittest::RecordingModalDialog dialog;
    auto* modalEdit = new RVADM_TextEdit(&dialog, "x");
    dialog.show();
    dialog.activateWindow();
    QApplication::processEvents();
    modalEdit->setFocus();
    const int arrivals = HostWindow().FocusArrivals();
    QTest::keyClick(modalEdit, Qt::Key_Return);
    QApplication::processEvents();
    EXPECT_EQ(HostWindow().FocusArrivals(), arrivals);
    EXPECT_EQ(modalEdit->font().pixelSize(), 12);
}

} // namespace
} // namespace qRVADM
