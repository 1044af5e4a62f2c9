// Notification routing of dialogs: the signal and named-slot paths, their delivery rules and the
// host's application context, and the hooks run by Initialize.

#include "ToolkitTestSupport.h"

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>

#include <stdexcept>

namespace qRVADM {
namespace {

using toolkittest::RecordingItem;
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
    toolkittest::RecordingModalDialog dialog;
    bool enabledDuringLayout = true;
    dialog.layout = [&] { enabledDuringLayout = dialog.IsLayoutEnabled(); };
    dialog.Initialize();
    EXPECT_EQ(dialog.calls, (std::vector<std::string>{"CreateItems", "InitItems", "Layout"}));
    EXPECT_EQ(dialog.size(), QSize(100, 100));
    EXPECT_EQ(dialog.GetMargins(), (RVADM_Rect{12, 12, 12, 12}));
    EXPECT_FALSE(enabledDuringLayout);
    EXPECT_TRUE(dialog.IsLayoutEnabled());

    char title[8];
    dialog.SetTitle("Dot Gain Settings", true);
    dialog.GetTitle(title, sizeof title);
    EXPECT_STREQ(title, "Dot Gai");
    dialog.SetTitle(nullptr);
    EXPECT_TRUE(dialog.windowTitle().isEmpty());
}

} // namespace
} // namespace qRVADM
