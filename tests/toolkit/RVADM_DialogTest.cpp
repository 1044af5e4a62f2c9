// Notification routing of dialogs: the slots, their delivery rules, the named-slot path, the
// host's application context, and the dialog hooks run by Initialize.

#include "ToolkitTestSupport.h"

#include "toolkit/internal/RVADM_DoubleClickSource.h"
#include "toolkit/internal/RVADM_NumericEditAccess.h"

#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMetaMethod>
#include <QPushButton>
#include <QSpinBox>
#include <QTest>

#include <gtest/gtest.h>

#include <stdexcept>
#include <utility>

namespace qRVADM {
namespace {

using toolkittest::FakeHost;
using toolkittest::PanelStandInDialog;
using toolkittest::RecordingItem;
using toolkittest::RecordingModalDialog;

using Codes = std::vector<std::int32_t>;

class DialogSlotTest : public testing::Test
{
protected:
    FakeHost host;
    PanelStandInDialog dialog;
};

TEST_F(DialogSlotTest, ExposesTheTwentyOneSlotsInOrder)
{
    const char* expected[] = {
        "OnButtonClicked()",        "OnPictureButtonClicked()",      "OnLabelClicked()",
        "OnHyperlinkClicked()",     "OnPictureLabelClicked()",       "OnRadioButtonClicked()",
        "OnCheckBoxClicked()",      "OnListBoxChanged()",            "OnListBoxChangedAsync()",
        "OnListBoxItemDoubleClicked()", "OnComboBoxChanged()",       "OnComboBoxEdited()",
        "OnComboBoxEditedAsync()",  "OnSliderChanged()",             "OnSliderMoved()",
        "OnScrollBarChanged()",     "OnTextEditChanged()",           "OnIntermediateTextEditChanged()",
        "OnNumericTextEditChanged()", "OnTextEditSelectionChanged()", "OnActiveTabPanelChanged()"};
    const QMetaObject* meta = dialog.metaObject();
    ASSERT_EQ(meta->methodCount() - meta->methodOffset(), 21);
    for (int i = 0; i < 21; ++i)
        EXPECT_EQ(meta->method(meta->methodOffset() + i).methodSignature(), QByteArray(expected[i]));

    RecordingModalDialog modal;
    const QMetaObject* modalMeta = modal.metaObject();
    EXPECT_EQ(modalMeta->method(modalMeta->methodOffset()).methodSignature(), QByteArray("reject()"));
    EXPECT_EQ(modalMeta->methodCount() - modalMeta->methodOffset(), 22);
}

TEST_F(DialogSlotTest, ButtonClickReachesOnNotifyInsideTheAppContextUntilDisconnected)
{
    auto* button = new RecordingItem<QPushButton>(&dialog, kKindTextPushButton);
    button->ConnectToDialog(SIGNAL(clicked()), SLOT(OnButtonClicked()));
    int depthDuringNotify = -1;
    button->onNotify = [&](std::int32_t) { depthDuringNotify = FakeHost::Depth(); };
    button->click();
    EXPECT_EQ(button->UserCodes(), Codes{kNotifyUserChanged});
    EXPECT_EQ(dialog.notified, std::vector<RVADM_Item*>{button});
    EXPECT_EQ(depthDuringNotify, 1);
    EXPECT_EQ(FakeHost::Depth(), 0);
    button->DisconnectFromDialog(SLOT(OnButtonClicked()));
    button->click();
    EXPECT_EQ(button->UserCodes().size(), 1u);
    try {
        button->ConnectToDialog(SIGNAL(clicked()), SLOT(NoSuchSlot()));
        FAIL() << "no exception";
    } catch (const std::runtime_error& error) {
        EXPECT_STREQ(error.what(), "Connection to dialog slot failed!");
    }
}

// Regression: any line edit of the edit kind was taken for a text edit. Only a real text edit
// keeps an unchanged commit to itself (its tests: RVADM_TextEditTest.cpp).
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

TEST_F(DialogSlotTest, NamedSlotSetsTheNotifyingItemOnlyDuringTheCallAndThrowsWhenMissing)
{
    auto* label = new RecordingItem<QLabel>(&dialog, kKindLabel);
    RVADM_Item* seen = nullptr;
    label->onNotify = [&](std::int32_t) { seen = dialog.GetNotifyingItem(); };
    label->CallDialogSlot("OnLabelClicked");
    EXPECT_EQ(label->UserCodes(), Codes{2});
    EXPECT_EQ(seen, label);
    EXPECT_EQ(dialog.GetNotifyingItem(), nullptr);
    try {
        label->CallDialogSlot("NoSuchSlot");
        FAIL() << "no exception";
    } catch (const std::runtime_error& error) {
        EXPECT_STREQ(error.what(), "Meta-call to dialog slot failed!");
    }
    EXPECT_EQ(dialog.GetNotifyingItem(), nullptr);
}

class NumericStandIn : public RecordingItem<QSpinBox>, public internal::RVADM_NumericEditAccess
{
public:
    explicit NumericStandIn(RVADM_ItemParent* parent)
        : RecordingItem<QSpinBox>(parent, kKindTextEdit)
    {
    }
    void ReplaceText(const QString&) override {}
    bool TakeChangedFlag() override { return std::exchange(changed, false); }

    bool changed = false;
};

TEST_F(DialogSlotTest, NumericEditNotifiesOnlyWhenItsChangedFlagWasSet)
{
    auto* numeric = new NumericStandIn(&dialog);
    numeric->CallDialogSlot("OnNumericTextEditChanged");
    EXPECT_TRUE(numeric->UserCodes().empty());
    numeric->changed = true;
    numeric->CallDialogSlot("OnNumericTextEditChanged");
    EXPECT_EQ(numeric->UserCodes(), Codes{2});
    EXPECT_FALSE(numeric->changed);
}

class ListStandIn : public RecordingItem<QListWidget>, public internal::RVADM_DoubleClickSource
{
public:
    explicit ListStandIn(RVADM_ItemParent* parent)
        : RecordingItem<QListWidget>(parent, kKindListBox)
    {
    }
    RVADM_Item* GetDoubleClickTarget() const override { return target; }

    RVADM_Item* target = nullptr;
};

TEST_F(DialogSlotTest, DoubleClickGoesToTheEnabledTargetOnly)
{
    auto* list = new ListStandIn(&dialog);
    auto* target = new RecordingItem<QPushButton>(&dialog, kKindTextPushButton);
    list->addItem(QStringLiteral("entry"));
    list->ConnectToDialog(SIGNAL(itemDoubleClicked(QListWidgetItem*)), SLOT(OnListBoxItemDoubleClicked()));

    emit list->itemDoubleClicked(list->item(0)); // no target yet
    EXPECT_TRUE(list->UserCodes().empty());
    list->target = target;
    target->Enable(false);
    emit list->itemDoubleClicked(list->item(0));
    EXPECT_TRUE(target->UserCodes().empty());
    target->Enable(true);
    emit list->itemDoubleClicked(list->item(0));
    EXPECT_EQ(target->UserCodes(), Codes{2});
    EXPECT_TRUE(list->UserCodes().empty());
}

TEST_F(DialogSlotTest, QueuedListChangeReachesOnAsyncNotifyOnTheNextTurnInsideTheAppContext)
{
    RecordingModalDialog modal;
    auto* list = new RecordingItem<QListWidget>(&modal, kKindListBox);
    list->addItem(QStringLiteral("entry"));
    list->ConnectToDialog(SIGNAL(itemSelectionChanged()), SLOT(OnListBoxChangedAsync()), true);
    list->setCurrentRow(0);
    EXPECT_TRUE(modal.asyncNotified.empty());
    QCoreApplication::processEvents();
    EXPECT_EQ(modal.asyncNotified, std::vector<RVADM_Item*>{list});
    EXPECT_EQ(FakeHost::Pushes(), 1);
}

TEST_F(DialogSlotTest, NotifyItemWithNullsDoesNothing)
{
    auto* label = new RecordingItem<QLabel>(&dialog, kKindLabel);
    dialog.NotifyItem(nullptr, 2);
    dialog.NotifyItemWith(nullptr, label);
    dialog.NotifyItemWith(&RVADM_Dialog::OnAsyncNotify, nullptr);
    EXPECT_EQ(FakeHost::Pushes(), 0);
    EXPECT_TRUE(label->UserCodes().empty());
}

TEST_F(DialogSlotTest, ModalDialogNotifiesWithoutTheAppContext)
{
    RecordingModalDialog modal;
    auto* button = new RecordingItem<QPushButton>(&modal, kKindTextPushButton);
    button->ConnectToDialog(SIGNAL(clicked()), SLOT(OnButtonClicked()));
    button->click();
    EXPECT_EQ(modal.notified, std::vector<RVADM_Item*>{button});
    EXPECT_EQ(FakeHost::Pushes(), 0);
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

TEST(DialogTitle, LocalisedEmptyAndTruncated)
{
    RecordingModalDialog dialog;
    dialog.SetTitle("Dot Gain Settings", true);
    char buffer[8];
    dialog.GetTitle(buffer, sizeof buffer);
    EXPECT_STREQ(buffer, "Dot Gai");
    dialog.SetTitle("");
    dialog.GetTitle(buffer, sizeof buffer);
    EXPECT_STREQ(buffer, "");
    dialog.SetTitle(nullptr);
    EXPECT_TRUE(dialog.windowTitle().isEmpty());
}

TEST(DialogFitToItems, GrowsToHoldTheItemsPlusMarginsUnlessResizable)
{
    for (const bool resizable : {false, true}) {
        RecordingModalDialog dialog(resizable);
        dialog.SetSize(100, 100);
        auto* frame = new RecordingItem<QWidget>(&dialog, kKindCustomItem);
        frame->SetBoundsRect({50, 60, 150, 90});
        auto* button = new RecordingItem<QPushButton>(&dialog, kKindTextPushButton);
        button->SetBoundsRect({10, 150, 80, 172});
        dialog.FitToItems();
        EXPECT_EQ(dialog.size(), resizable ? QSize(100, 100) : QSize(150 + 12, 172 + 12));
    }
}

} // namespace
} // namespace qRVADM
