// Non-modal dialogs on panels of the simulated host.

#include "HostPanelFixture.h"
#include "ToolkitTestSupport.h"

#include "toolkit/IADMDrawer.h"
#include "toolkit/RVADM_CustomItem.h"
#include "toolkit/RVADM_Frame.h"
#include "toolkit/RVADM_HostFocus.h"
#include "toolkit/RVADM_NonModalDialog.h"
#include "toolkit/RVADM_NumericEdit.h"
#include "toolkit/RVADM_TextEdit.h"

#include "RVADMQtManager.h"
#include "sim/host/AppWindow.h"

#include <QApplication>
#include <QDialog>
#include <QLabel>
#include <QLineEdit>
#include <QPainter>
#include <QPushButton>
#include <QScreen>
#include <QTest>

#include <array>

#include <cmath>
#include <functional>

namespace qRVADM {
namespace {

using toolkittest::RecordingItem;

class RecordingPanel : public RVADM_NonModalDialog
{
public:
    void CreateItems() override
    {
        calls.emplace_back("CreateItems");
        if (create)
            create();
    }
    void CommitItems() override { calls.emplace_back("CommitItems"); }
    void Layout() override
    {
        calls.emplace_back("Layout");
        if (layout)
            layout();
    }
    void OnNotify(RVADM_Item* item) override { notified.push_back(item); }
    void OnCustomEvent(QEvent*) override { calls.emplace_back("OnCustomEvent"); }

    int Count(const std::string& hook) const { return static_cast<int>(std::count(calls.begin(), calls.end(), hook)); }

    std::vector<std::string> calls;
    std::vector<RVADM_Item*> notified;
    std::function<void()> create;
    std::function<void()> layout;
};

class NonModalDialogTest : public toolkittest::HostPanelFixture
{
protected:
    hostsim::Panel& OnlyPanel()
    {
        EXPECT_EQ(host.Panels().All().size(), 1u);
        return *host.Panels().Find(host.Panels().All().front());
    }
};

TEST_F(NonModalDialogTest, CreatesTheHostPanelOnceWithEveryArgumentAtTheGoldenSection)
{
    RecordingPanel dialog;
    RecordingItem<QLabel>* label = nullptr;
    dialog.create = [&] {
        label = new RecordingItem<QLabel>(&dialog, kKindLabel);
        label->SetFontSize(0);
    };
    ASSERT_EQ(dialog.CreatePanel("Hueline Viewer", RVADM_NonModalDialog::kResizableKind, true, 16100), kNoErr);
    hostsim::Panel& panel = OnlyPanel();
    EXPECT_EQ(panel.name, "Hueline Viewer");
    EXPECT_EQ(panel.title, u"Hueline Viewer");
    EXPECT_EQ(panel.stateCount, 2);
    EXPECT_EQ(panel.minimumSize.width, 206);
    EXPECT_EQ(panel.minimumSize.height, 100);
    EXPECT_TRUE(panel.resizable);
    EXPECT_EQ(panel.userData, static_cast<RVADM_Dialog*>(&dialog));
    EXPECT_EQ(RVADMQtManager::SharedResources::GetPanelIcon(dialog.GetPanel()), 16100);
    EXPECT_EQ(dialog.parentWidget(), &hostsim::PanelCenter::WindowOf(panel));
    EXPECT_EQ(dialog.objectName(), QStringLiteral("Hueline Viewer"));
    EXPECT_EQ(dialog.calls.front(), "CreateItems");
    EXPECT_EQ(dialog.Count("CommitItems"), 0);
    EXPECT_EQ(label->font().pixelSize(), 10);
    EXPECT_FALSE(dialog.GetStyle().IsModal());
    AIPoint position{};
    ASSERT_EQ(Panels().GetPosition(dialog.GetPanel(), &position), kNoErr);
    const QRect available = QGuiApplication::primaryScreen()->availableGeometry();
    EXPECT_EQ(position.h, static_cast<int>(available.left() + available.width() * 0.3819644876794621));
    EXPECT_EQ(position.v, static_cast<int>(available.top() + available.height() * 0.3819644876794621));

    EXPECT_EQ(dialog.CreatePanel("Twice", 5, false, 16100), RVADM_NonModalDialog::kNoHostPanelError);
    EXPECT_EQ(host.Panels().All().size(), 1u);
}

TEST_F(NonModalDialogTest, OnlyKindFiveIsResizableAndTheMinimumSizeFollowsTheHostScale)
{
    host.SetUIScaleFactor(2.0);
    RecordingPanel dialog;
    ASSERT_EQ(dialog.CreatePanel("Fixed", 2, false, 16100), kNoErr);
    EXPECT_FALSE(OnlyPanel().resizable);
    EXPECT_EQ(OnlyPanel().stateCount, 1);
    EXPECT_FALSE(dialog.IsResizable());
    EXPECT_EQ(OnlyPanel().minimumSize.width, 103);
    EXPECT_EQ(OnlyPanel().minimumSize.height, 50);
}

TEST_F(NonModalDialogTest, WithoutTheHostPanelSuiteNothingIsCreated)
{
    m_suites.panel = nullptr;
    RVADM_Host::Install(m_suites);
    RecordingPanel dialog;
    EXPECT_EQ(dialog.CreatePanel("None", 5, false, 16100), RVADM_NonModalDialog::kNoHostPanelError);
    EXPECT_TRUE(dialog.calls.empty());
    EXPECT_EQ(dialog.GetPanel(), nullptr);
}

TEST_F(NonModalDialogTest, SetSizeSizesTheHostPanelAndAHostResizeLaysOutAgain)
{
    RecordingPanel dialog;
    ASSERT_EQ(dialog.CreatePanel("Resized", 5, false, 16100), kNoErr);
    ASSERT_TRUE(dialog.ShowPanel(true));
    EXPECT_TRUE(dialog.IsPanelShown());
    dialog.SetSize(480, 374);
    AISize size{};
    ASSERT_EQ(Panels().GetSize(dialog.GetPanel(), &size), kNoErr);
    EXPECT_EQ(size.width, 480);
    EXPECT_EQ(size.height, 374);
    const int before = dialog.Count("Layout");
    hostsim::PanelCenter::Resize(OnlyPanel(), {480, 494});
    EXPECT_EQ(dialog.size(), QSize(480, 494));
    EXPECT_GT(dialog.Count("Layout"), before);
}

TEST_F(NonModalDialogTest, ClosingThePanelHidesItAndTakesTheFocusAway)
{
    RecordingPanel dialog;
    RecordingItem<QPushButton>* button = nullptr;
    dialog.create = [&] { button = new RecordingItem<QPushButton>(&dialog, kKindTextPushButton); };
    ASSERT_EQ(dialog.CreatePanel("Closed", 5, false, 16100), kNoErr);
    dialog.ShowPanel(true);
    QApplication::setActiveWindow(dialog.window());
    button->setFocus();
    ASSERT_TRUE(button->hasFocus());
    hostsim::PanelCenter::Close(OnlyPanel());
    EXPECT_FALSE(dialog.IsPanelShown());
    EXPECT_FALSE(button->hasFocus());
}

TEST_F(NonModalDialogTest, NotificationsRunInsideTheHostApplicationContext)
{
    RecordingPanel dialog;
    RecordingItem<QPushButton>* button = nullptr;
    dialog.create = [&] {
        button = new RecordingItem<QPushButton>(&dialog, kKindTextPushButton);
        button->ConnectToDialog(SIGNAL(clicked()), SLOT(OnButtonClicked()));
    };
    ASSERT_EQ(dialog.CreatePanel("Context", 5, false, 16100), kNoErr);
    int depth = -1;
    button->onNotify = [&](std::int32_t) { depth = host.ContextDepth(); };
    const int pushes = host.ContextPushes();
    button->click();
    EXPECT_EQ(depth, 1);
    EXPECT_EQ(host.ContextDepth(), 0);
    EXPECT_EQ(host.ContextPushes(), pushes + 1);
    EXPECT_EQ(dialog.notified, std::vector<RVADM_Item*>{button});
}

TEST_F(NonModalDialogTest, DestructionDestroysThePanelAndCountsOutLater)
{
    QCoreApplication::processEvents();
    const int before = RVADMQtManager::QtManager::GetDialogCount();
    AIPanelRef panel = nullptr;
    {
        RecordingPanel dialog;
        EXPECT_EQ(RVADMQtManager::QtManager::GetDialogCount(), before + 1);
        ASSERT_EQ(dialog.CreatePanel("Gone", 5, false, 16100), kNoErr);
        panel = dialog.GetPanel();
    }
    EXPECT_TRUE(host.Panels().All().empty());
    EXPECT_EQ(RVADMQtManager::SharedResources::GetPanelIcon(panel), 0);
    EXPECT_EQ(RVADMQtManager::QtManager::GetDialogCount(), before + 1);
    QCoreApplication::processEvents();
    EXPECT_EQ(RVADMQtManager::QtManager::GetDialogCount(), before);
}

TEST_F(NonModalDialogTest, TheToolkitsCustomEventGoesToTheHookAndThePanelPositionComesFromTheHostWindowBounds)
{
    host.SetUIScaleFactor(2.0);
    RecordingPanel dialog;
    ASSERT_EQ(dialog.CreatePanel("Custom", 5, false, 16100), kNoErr);
    QEvent custom(static_cast<QEvent::Type>(RVADM_Dialog::kCustomEventType));
    EXPECT_TRUE(QApplication::sendEvent(&dialog, &custom));
    QEvent other(static_cast<QEvent::Type>(RVADM_Dialog::kCustomEventType + 1));
    QApplication::sendEvent(&dialog, &other);
    EXPECT_EQ(dialog.Count("OnCustomEvent"), 1);
    AIRect bounds{};
    ASSERT_EQ(Panels().GetPlatformWindowBounds(dialog.GetPanel(), &bounds), kNoErr);
    AIPoint position{};
    ASSERT_TRUE(RVADM_HostFocus::GetPanelScreenPosition(dialog.GetPanel(), position));
    EXPECT_EQ(position.h, bounds.left - 2);
    EXPECT_EQ(position.v, bounds.top - 64);
    EXPECT_FALSE(RVADM_HostFocus::GetPanelScreenPosition(nullptr, position));
}

// A shown panel with three text edits that the user has clicked into: the first edit has the focus.
class PanelFocusTest : public NonModalDialogTest
{
protected:
    void SetUp() override
    {
        NonModalDialogTest::SetUp();
        dialog.create = [this] {
            for (RVADM_TextEdit*& edit : edits)
                edit = new RVADM_TextEdit(&dialog, "text");
            button = new RecordingItem<QPushButton>(&dialog, kKindTextPushButton);
        };
        dialog.layout = [this] {
            RVADM_Item::PlaceInParent(edits[0], kAlignMoveLeft | kAlignMoveTop);
            RVADM_Item::MoveBelow(edits[0], edits[1], kAlignMoveLeft, 4);
            RVADM_Item::MoveBelow(edits[1], edits[2], kAlignMoveLeft, 4);
            RVADM_Item::MoveBelow(edits[2], button, kAlignMoveLeft, 4);
        };
        ASSERT_EQ(dialog.CreatePanel("Focus", 5, false, 16100), kNoErr);
        button->setFocusPolicy(Qt::ClickFocus); // takes Escape when clicked, not reached by Tab
        dialog.ShowPanel(true);
        hostsim::PanelCenter::Resize(OnlyPanel(), {240, 200});
        ClickInto(edits[0]);
    }

    void ClickInto(QWidget* widget)
    {
        dialog.window()->activateWindow();
        QApplication::processEvents();
        widget->setFocus(Qt::MouseFocusReason);
        ASSERT_TRUE(widget->hasFocus());
    }

    // Sends `key` to the focus widget and lets the window system activate what it was asked to.
    void Press(Qt::Key key, Qt::KeyboardModifiers modifiers = Qt::NoModifier)
    {
        QTest::keyClick(QApplication::focusWidget(), key, modifiers);
        QApplication::processEvents();
    }

    hostsim::AppWindow& HostWindow() { return host.PlatformAppWindow(); }
    QWidget& PanelWindow() { return hostsim::PanelCenter::WindowOf(OnlyPanel()); }
    int TimesBroughtToFront() { return hostsim::PanelCenter::TimesBroughtToFront(OnlyPanel()); }

    RecordingPanel dialog;
    std::array<RVADM_TextEdit*, 3> edits{};
    RecordingItem<QPushButton>* button = nullptr;
};

TEST_F(PanelFocusTest, TabWalksThePanelAndLeavesForTheHostPastEitherEnd)
{
    Press(Qt::Key_Tab);
    EXPECT_TRUE(edits[1]->hasFocus());
    Press(Qt::Key_Tab);
    EXPECT_TRUE(edits[2]->hasFocus());
    Press(Qt::Key_Backtab);
    EXPECT_TRUE(edits[1]->hasFocus());
    EXPECT_EQ(HostWindow().FocusArrivals(), 0);
    edits[2]->Enable(false); // no longer reached by Tab
    Press(Qt::Key_Tab);
    EXPECT_EQ(QApplication::focusWidget(), &HostWindow());
    EXPECT_EQ(HostWindow().FocusArrivals(), 1);
    ClickInto(edits[0]);
    Press(Qt::Key_Tab, Qt::ShiftModifier);
    EXPECT_EQ(QApplication::focusWidget(), &HostWindow());
    EXPECT_EQ(HostWindow().FocusArrivals(), 2);
}

TEST_F(PanelFocusTest, EscapeThatNoControlTakesGivesTheFocusToTheHost)
{
    ClickInto(button);
    Press(Qt::Key_Escape);
    EXPECT_EQ(QApplication::focusWidget(), &HostWindow());
    EXPECT_EQ(HostWindow().FocusArrivals(), 1);
    EXPECT_TRUE(dialog.notified.empty());
}

TEST_F(PanelFocusTest, FocusArrivingBringsThePanelToTheFrontAndOnToTheEdgeControl)
{
    Press(Qt::Key_Escape);
    ASSERT_EQ(QApplication::activeWindow(), &HostWindow());
    const int raised = TimesBroughtToFront();
    QFocusEvent backtab(QEvent::FocusIn, Qt::BacktabFocusReason);
    QApplication::sendEvent(&dialog, &backtab);
    QApplication::processEvents();
    EXPECT_TRUE(backtab.isAccepted());
    EXPECT_EQ(QApplication::activeWindow(), &PanelWindow());
    EXPECT_EQ(TimesBroughtToFront(), raised + 1);
    EXPECT_TRUE(edits[2]->hasFocus());
    QFocusEvent tab(QEvent::FocusIn, Qt::TabFocusReason);
    QApplication::sendEvent(&dialog, &tab);
    EXPECT_TRUE(edits[0]->hasFocus());
    EXPECT_EQ(TimesBroughtToFront(), raised + 1); // already in front
}

TEST_F(PanelFocusTest, AModalWindowDisablesThePanelUntilItHidesOrDies)
{
    edits[1]->Enable(false);
    QDialog tool(&dialog);
    tool.show();
    EXPECT_TRUE(dialog.isEnabled());
    QDialog modal(&dialog);
    modal.setWindowModality(Qt::ApplicationModal);
    modal.show();
    EXPECT_FALSE(dialog.isEnabled());
    EXPECT_FALSE(edits[0]->IsEnabled());
    EXPECT_TRUE(modal.isEnabled());
    modal.hide();
    EXPECT_TRUE(dialog.isEnabled());
    EXPECT_TRUE(edits[0]->IsEnabled());
    EXPECT_FALSE(edits[1]->IsEnabled()); // the application's own choice stays
    auto* windowModal = new QDialog(&dialog);
    windowModal->setWindowModality(Qt::WindowModal);
    windowModal->show();
    ASSERT_FALSE(dialog.isEnabled());
    delete windowModal;
    EXPECT_TRUE(dialog.isEnabled());
}

// Deleting a dialog while one of its edits had the focus delivered the edit's focus-out, and the
// finished entry, to the dialog after its own destructors had run: a pure virtual hook was called.
class DialogDeletedWhileAnEditHasTheFocus : public NonModalDialogTest,
                                            public testing::WithParamInterface<bool /* numeric */>
{
protected:
    // An edit whose user typed "7" and that records every notification it is given.
    template <class Edit>
    class TypedEdit : public Edit
    {
    public:
        using Edit::Edit;
        void Notify(std::int32_t code) override
        {
            if (code == kNotifyUserChanged && notifications != nullptr)
                ++*notifications;
            Edit::Notify(code);
        }
        int* notifications = nullptr;
    };

    RVADM_Item* CreateEdit(RVADM_ItemParent* parent)
    {
        if (GetParam()) {
            auto* edit = new TypedEdit<RVADM_NumericEdit>(parent, 0, 100, 0, false, -1);
            edit->notifications = &notifications;
            return edit;
        }
        auto* edit = new TypedEdit<RVADM_TextEdit>(parent, "text");
        edit->notifications = &notifications;
        return edit;
    }

    void FocusAndType(RVADM_Item* edit)
    {
        QWidget* widget = edit->GetWidget();
        widget->window()->show();
        QApplication::setActiveWindow(widget->window());
        widget->setFocus(Qt::MouseFocusReason);
        ASSERT_TRUE(widget->hasFocus());
        if (auto* line = widget->findChild<QLineEdit*>())
            line->selectAll();
        QTest::keyClicks(widget, "7");
    }

    int notifications = 0;
};

TEST_P(DialogDeletedWhileAnEditHasTheFocus, ModalDialogNotifiesNothing)
{
    auto* dialog = new toolkittest::RecordingModalDialog;
    FocusAndType(CreateEdit(dialog));
    delete dialog;
    EXPECT_EQ(notifications, 0);
}

TEST_P(DialogDeletedWhileAnEditHasTheFocus, PanelNotifiesNothing)
{
    auto dialog = std::make_unique<RecordingPanel>();
    RVADM_Item* edit = nullptr;
    dialog->create = [&] { edit = CreateEdit(dialog.get()); };
    ASSERT_EQ(dialog->CreatePanel("Deleted", 5, false, 16100), kNoErr);
    dialog->ShowPanel(true);
    FocusAndType(edit);
    dialog.reset();
    EXPECT_EQ(notifications, 0);
    EXPECT_TRUE(host.Panels().All().empty());
}

INSTANTIATE_TEST_SUITE_P(Edits, DialogDeletedWhileAnEditHasTheFocus, testing::Bool(),
                         [](const testing::TestParamInfo<bool>& info) { return info.param ? "Numeric" : "Text"; });

// Paints a cross so that a screenshot shows where the custom item lies.
class CrossItem : public RVADM_CustomItem
{
public:
    using RVADM_CustomItem::RVADM_CustomItem;

    void Draw(IADMDrawer& drawer) override
    {
        RVADM_CustomItem::Draw(drawer);
        QPainter& painter = drawer.GetPainter();
        painter.setPen(QColor(200, 40, 40));
        painter.drawLine(0, 0, width() - 1, height() - 1);
        painter.drawLine(0, height() - 1, width() - 1, 0);
    }
};

// A panel laid out only with the placement helpers: a canvas at the top, a frame below it holding
// a label and two buttons, and a frame nested in that frame.
TEST_F(NonModalDialogTest, DemoPanelLaysOutFramesCustomItemsAndNestedParents)
{
    RecordingPanel dialog;
    CrossItem* canvas = nullptr;
    RVADM_Frame* frame = nullptr;
    RVADM_Frame* inner = nullptr;
    RecordingItem<QLabel>* label = nullptr;
    RecordingItem<QPushButton>* generate = nullptr;
    RecordingItem<QPushButton>* close = nullptr;
    RecordingItem<QLabel>* innerLabel = nullptr;
    dialog.create = [&] {
        canvas = new CrossItem(&dialog);
        frame = new RVADM_Frame(&dialog);
        label = new RecordingItem<QLabel>(frame, kKindLabel);
        frame->SetMargins(4);
        label->SetFontSize(0);
        label->SetText("Dot Gain Curve:", true, true);
        generate = new RecordingItem<QPushButton>(frame, kKindTextPushButton);
        generate->SetFontSize(0);
        generate->SetText("Generate", true, true);
        close = new RecordingItem<QPushButton>(frame, kKindTextPushButton);
        close->SetFontSize(0);
        close->SetText("Close", true, true);
        inner = new RVADM_Frame(frame);
        innerLabel = new RecordingItem<QLabel>(inner, kKindLabel);
        inner->SetMargins(3);
        innerLabel->SetFontSize(0);
        innerLabel->SetText("Nested", true, true);
    };
    dialog.layout = [&] {
        RVADM_Rect local;
        dialog.GetInnerRect(local);
        canvas->SetSize(local.Width(), local.Height() / 2);
        RVADM_Item::PlaceInParent(canvas, kAlignMoveLeft | kAlignMoveTop | kAlignStretchRight);
        frame->SetSize(canvas->GetWidth(), 10);
        RVADM_Item::MoveBelow(canvas, frame, kAlignMoveLeft | kAlignStretchRight);
        RVADM_Item::PlaceInParent(label, kAlignMoveLeft | kAlignMoveTop);
        RVADM_Item::MoveRightOf(label, generate, kAlignMoveTop);
        RVADM_Item::MoveRightOf(generate, close, kAlignMoveTop);
        RVADM_Item::PlaceInParent(innerLabel, kAlignMoveLeft | kAlignMoveTop);
        RVADM_Item::FitParentTo(innerLabel, kAlignStretchRight | kAlignStretchBottom);
        RVADM_Item::MoveBelow(label, inner, kAlignMoveLeft);
        RVADM_Item::FitParentTo(inner, kAlignStretchBottom);
    };
    ASSERT_EQ(dialog.CreatePanel("Toolkit Demo", 5, false, 16100), kNoErr);
    dialog.ShowPanel(true);
    hostsim::PanelCenter::Resize(OnlyPanel(), {360, 300});

    EXPECT_EQ(canvas->GetTop(), 4);
    EXPECT_EQ(canvas->GetWidth(), 360 - 8);
    EXPECT_EQ(frame->GetTop(), canvas->GetBottom() + 4);
    EXPECT_EQ(generate->GetLeft(), label->GetRight() + 4);           // label gap
    EXPECT_EQ(close->GetLeft(), generate->GetRight() + 6);           // panel button gap
    EXPECT_EQ(inner->GetTop(), label->GetBottom() + 4);
    EXPECT_EQ(innerLabel->parentWidget(), inner);
    // The outer frame ends one margin below the nested frame, which ends one margin below its label.
    EXPECT_EQ(frame->contentsRect().bottom() + 1, inner->GetBottom() + frame->GetMargins().bottom);
    EXPECT_EQ(inner->contentsRect().bottom() + 1, innerLabel->GetBottom() + inner->GetMargins().bottom);

    const QImage shot = hostsim::PanelCenter::WindowOf(OnlyPanel()).grab().toImage();
    const QPoint canvasCentre = canvas->geometry().center();
    EXPECT_EQ(shot.pixelColor(canvasCentre), QColor(200, 40, 40));
    const QByteArray folder = qgetenv("HUELINE_SCREENSHOT_DIR");
    if (!folder.isEmpty())
        shot.save(QString::fromLocal8Bit(folder) + QStringLiteral("/toolkit-panel.png"));
}

} // namespace
} // namespace qRVADM
