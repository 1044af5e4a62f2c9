// Notification routing of dialogs: the signal and named-slot paths, their delivery rules and the
// host's application context, and the hooks run by Initialize.

#include "ToolkitTestSupport.h"

#include "toolkit/internal/RVADM_NumericEditAccess.h"

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSpinBox>
#include <QTest>

#include <stdexcept>
#include <utility>

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

// The panel brackets the hook with the host's application context; a modal dialog does not.
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

    RecordingModalDialog modal;
    auto* onModal = new RecordingItem<QPushButton>(&modal, kKindTextPushButton);
    onModal->ConnectToDialog(SIGNAL(clicked()), SLOT(OnButtonClicked()));
    const int pushes = host.ContextPushes();
    onModal->click();
    EXPECT_EQ(modal.notified, std::vector<RVADM_Item*>{onModal});
    EXPECT_EQ(host.ContextPushes(), pushes);
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

    const int pushes = host.ContextPushes();
    dialog.NotifyItem(nullptr, 2);
    dialog.NotifyItemWith(nullptr, label);
    dialog.NotifyItemWith(&RVADM_Dialog::OnAsyncNotify, nullptr);
    EXPECT_EQ(host.ContextPushes(), pushes);
    EXPECT_EQ(label->UserCodes().size(), 1u);
}

class NumericStandIn : public RecordingItem<QSpinBox>, public internal::RVADM_NumericEditAccess
{
public:
    explicit NumericStandIn(RVADM_ItemParent* parent)
        : RecordingItem<QSpinBox>(parent, kKindTextEdit)
    {
    }
    void ReplaceText(const QString& text) override { replaced = text; }
    bool TakeChangedFlag() override { return std::exchange(changed, false); }

    QString replaced;
    bool changed = false;
};

TEST_F(DialogSlotTest, NumericEditNotifiesOnlyWhenChangedAndTakesTextThatNoOtherSpinBoxTakes)
{
    auto* numeric = new NumericStandIn(&dialog);
    numeric->CallDialogSlot("OnNumericTextEditChanged");
    EXPECT_TRUE(numeric->UserCodes().empty());
    numeric->changed = true;
    numeric->CallDialogSlot("OnNumericTextEditChanged");
    EXPECT_EQ(numeric->UserCodes(), Codes{2});
    EXPECT_FALSE(numeric->changed);

    numeric->SetTextInt(QStringLiteral("12 mm"));
    EXPECT_EQ(numeric->replaced, QStringLiteral("12 mm"));
    auto* spin = new RecordingItem<QSpinBox>(&dialog, kKindTextEdit);
    EXPECT_EQ(ErrorOf([&] { spin->SetTextInt(QStringLiteral("1")); }), "Call to SetTextInt() failed!");
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

    char title[8];
    dialog.SetTitle("Dot Gain Settings", true);
    dialog.GetTitle(title, sizeof title);
    EXPECT_STREQ(title, "Dot Gai");
    dialog.SetTitle(nullptr);
    EXPECT_TRUE(dialog.windowTitle().isEmpty());
}

} // namespace
} // namespace qRVADM
