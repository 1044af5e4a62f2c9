// Non-modal dialogs on panels of the simulated host: the host panel, focus across the panel's
// edges, and a demo panel for docs/.

#include "TestPanel.h"

#include "toolkit/IADMDrawer.h"
#include "toolkit/RVADM_CustomItem.h"
#include "toolkit/RVADM_Frame.h"
#include "toolkit/RVADM_HostFocus.h"
#include "toolkit/RVADM_TextEdit.h"

#include "RVADMQtManager.h"
#include "sim/host/AppWindow.h"

#include <QApplication>
#include <QDialog>
#include <QLabel>
#include <QPainter>
#include <QPushButton>
#include <QScreen>
#include <QTest>

#include <array>
#include <memory>

namespace qRVADM {
namespace {

using toolkittest::Recorded;
using toolkittest::RecordingItem;
using toolkittest::TestPanel;
namespace QtManager = RVADMQtManager::QtManager;

QSize SizeOf(const AISize& size) { return {size.width, size.height}; }

class NonModalDialogTest : public toolkittest::HostPanelFixture
{
protected:
    hostsim::Panel& PanelOf(const RVADM_NonModalDialog& panel) { return *host.Panels().Find(panel.GetPanel()); }

    TestPanel dialog;
};

// The panel's arguments, place at the golden section and family font; then a second panel of a
// fixed kind on a host with UI scale 1.5, its position (rounded), and its end; without the panel suite none.
TEST_F(NonModalDialogTest, CreatesTheHostPanelOnceWithEveryArgumentAndDestroysItWithTheDialog)
{
    RecordingItem<QLabel>* label = nullptr;
    dialog.create = [&] { (label = new RecordingItem<QLabel>(&dialog, kKindLabel))->SetFontSize(0); };
    ASSERT_EQ(dialog.CreatePanel("Hueline Viewer", RVADM_NonModalDialog::kResizableKind, true, 16100), kNoErr);
    hostsim::Panel& panel = PanelOf(dialog);
    EXPECT_EQ(panel.name, "Hueline Viewer");
    EXPECT_EQ(panel.title, u"Hueline Viewer");
    EXPECT_EQ(panel.stateCount, 2);
    EXPECT_EQ(SizeOf(panel.minimumSize), QSize(206, 100));
    EXPECT_TRUE(panel.resizable);
    EXPECT_EQ(panel.userData, static_cast<RVADM_Dialog*>(&dialog));
    EXPECT_EQ(RVADMQtManager::SharedResources::GetPanelIcon(dialog.GetPanel()), 16100);
    EXPECT_EQ(dialog.parentWidget(), &hostsim::PanelCenter::WindowOf(panel));
    EXPECT_EQ(label->font().pixelSize(), 10);
    AIPoint position{};
    ASSERT_EQ(Panels().GetPosition(dialog.GetPanel(), &position), kNoErr);
    const QRect screen = QGuiApplication::primaryScreen()->availableGeometry();
    EXPECT_EQ(position.h, static_cast<int>(screen.left() + screen.width() * 0.3819644876794621));
    EXPECT_EQ(position.v, static_cast<int>(screen.top() + screen.height() * 0.3819644876794621));
    EXPECT_EQ(dialog.CreatePanel("Twice", 5, false, 16100), RVADM_NonModalDialog::kNoHostPanelError);

    QCoreApplication::processEvents();
    const int dialogs = QtManager::GetDialogCount();
    host.SetUIScaleFactor(1.5);
    auto fixed = std::make_unique<TestPanel>();
    ASSERT_EQ(fixed->CreatePanel("Fixed", 2, false, 16100), kNoErr);
    EXPECT_EQ(QtManager::GetDialogCount(), dialogs + 1);
    EXPECT_FALSE(PanelOf(*fixed).resizable);
    EXPECT_EQ(PanelOf(*fixed).stateCount, 1);
    EXPECT_EQ(SizeOf(PanelOf(*fixed).minimumSize), QSize(137, 66)); // 206 x 100 / 1.5
    AIRect bounds{};
    ASSERT_EQ(Panels().GetPlatformWindowBounds(fixed->GetPanel(), &bounds), kNoErr);
    ASSERT_TRUE(RVADM_HostFocus::GetPanelScreenPosition(fixed->GetPanel(), position));
    EXPECT_EQ(QPoint(position.h, position.v), QPoint(bounds.left - 2, bounds.top - 48));
    const AIPanelRef ref = fixed->GetPanel();
    fixed.reset();
    EXPECT_EQ(host.Panels().All().size(), 1u);
    EXPECT_EQ(RVADMQtManager::SharedResources::GetPanelIcon(ref), 0);
    EXPECT_EQ(QtManager::GetDialogCount(), dialogs + 1);
    QCoreApplication::processEvents();
    EXPECT_EQ(QtManager::GetDialogCount(), dialogs);

    host.suites.panel = nullptr;
    host.Install();
    TestPanel none;
    EXPECT_EQ(none.CreatePanel("None", 5, false, 16100), RVADM_NonModalDialog::kNoHostPanelError);
    EXPECT_TRUE(none.calls.empty());
    EXPECT_FALSE(RVADM_HostFocus::GetPanelScreenPosition(none.GetPanel(), position));
}

// Only the toolkit's own custom event reaches the hook; the toolkit never commits a panel's items.
TEST_F(NonModalDialogTest, HostResizesLayOutAgainAndClosingTheHostPanelTakesTheFocusAway)
{
    RecordingItem<QPushButton>* button = nullptr;
    dialog.create = [&] { button = new RecordingItem<QPushButton>(&dialog, kKindTextPushButton); };
    ASSERT_EQ(dialog.CreatePanel("Resized", 5, false, 16100), kNoErr);
    ASSERT_TRUE(dialog.ShowPanel(true));
    dialog.SetSize(480, 374);
    AISize size{};
    ASSERT_EQ(Panels().GetSize(dialog.GetPanel(), &size), kNoErr);
    EXPECT_EQ(SizeOf(size), QSize(480, 374));
    const int layouts = dialog.Count("Layout");
    hostsim::PanelCenter::Resize(PanelOf(dialog), {480, 494});
    EXPECT_EQ(dialog.size(), QSize(480, 494));
    EXPECT_GT(dialog.Count("Layout"), layouts);
    toolkittest::SendCustomEvents(dialog);
    EXPECT_EQ(dialog.Count("OnCustomEvent"), 1);

    QApplication::setActiveWindow(dialog.window());
    button->setFocus();
    ASSERT_TRUE(button->hasFocus());
    hostsim::PanelCenter::Close(PanelOf(dialog));
    EXPECT_FALSE(dialog.IsPanelShown());
    EXPECT_FALSE(button->hasFocus());
    EXPECT_EQ(dialog.Count("CommitItems"), 0);
}

// A shown panel with three text edits that the user has clicked into: the first edit has the focus.
class PanelFocusTest : public toolkittest::HostPanelFixture
{
protected:
    void SetUp() override
    {
        host.PlatformAppWindow(); // made on first use, when it takes the activation
        dialog.create = [this] {
            for (auto*& edit : edits)
                edit = new Recorded<RVADM_TextEdit>(&dialog, "text");
            button = new RecordingItem<QPushButton>(&dialog, kKindTextPushButton);
        };
        ASSERT_EQ(dialog.CreatePanel("Focus", 5, false, 16100), kNoErr);
        button->setFocusPolicy(Qt::ClickFocus); // takes Escape when clicked, not reached by Tab
        dialog.ShowPanel(true);
        ClickInto(edits[0]);
    }

    void ClickInto(QWidget* widget)
    {
        dialog.window()->activateWindow();
        QApplication::processEvents();
        widget->setFocus(Qt::MouseFocusReason);
        ASSERT_TRUE(widget->hasFocus());
    }

    // Presses `key` in the focus widget, lets the window system act; whether the focus went to the host.
    bool PressLeavesForTheHost(Qt::Key key, Qt::KeyboardModifiers modifiers = Qt::NoModifier)
    {
        const int arrivals = host.PlatformAppWindow().FocusArrivals();
        QTest::keyClick(QApplication::focusWidget(), key, modifiers);
        QApplication::processEvents();
        const bool left = QApplication::focusWidget() == &host.PlatformAppWindow();
        EXPECT_EQ(host.PlatformAppWindow().FocusArrivals(), arrivals + (left ? 1 : 0));
        return left;
    }

    hostsim::Panel& Panel() { return *host.Panels().Find(dialog.GetPanel()); }
    int TimesBroughtToFront() { return hostsim::PanelCenter::TimesBroughtToFront(Panel()); }

    std::unique_ptr<TestPanel> owner = std::make_unique<TestPanel>();
    TestPanel& dialog = *owner;
    std::array<Recorded<RVADM_TextEdit>*, 3> edits{};
    RecordingItem<QPushButton>* button = nullptr;
};

// Focus arriving by Tab or Backtab goes on to the first or last control, the panel to the front once.
TEST_F(PanelFocusTest, TabWalksThePanelAndFocusCrossesItsEdgesToAndFromTheHost)
{
    EXPECT_FALSE(PressLeavesForTheHost(Qt::Key_Tab));
    EXPECT_TRUE(edits[1]->hasFocus());
    EXPECT_FALSE(PressLeavesForTheHost(Qt::Key_Backtab));
    EXPECT_TRUE(edits[0]->hasFocus());
    edits[2]->Enable(false); // no longer reached by Tab
    EXPECT_FALSE(PressLeavesForTheHost(Qt::Key_Tab));
    EXPECT_TRUE(PressLeavesForTheHost(Qt::Key_Tab));
    ClickInto(edits[0]);
    EXPECT_TRUE(PressLeavesForTheHost(Qt::Key_Tab, Qt::ShiftModifier));
    ClickInto(button);
    EXPECT_TRUE(PressLeavesForTheHost(Qt::Key_Escape)); // taken by no control
    EXPECT_TRUE(dialog.notified.empty());

    edits[2]->Enable(true);
    const int raised = TimesBroughtToFront();
    for (const auto& [reason, edge] : {std::pair{Qt::BacktabFocusReason, 2}, std::pair{Qt::TabFocusReason, 0}}) {
        QFocusEvent arrival(QEvent::FocusIn, reason);
        QApplication::sendEvent(&dialog, &arrival);
        QApplication::processEvents();
        EXPECT_EQ(QApplication::activeWindow(), &hostsim::PanelCenter::WindowOf(Panel()));
        EXPECT_TRUE(edits[edge]->hasFocus()) << edge;
        EXPECT_EQ(TimesBroughtToFront(), raised + 1);
    }
}

TEST_F(PanelFocusTest, AModalWindowDisablesThePanelUntilItHidesOrDies)
{
    edits[1]->Enable(false);
    QDialog modal(&dialog);
    modal.setWindowModality(Qt::ApplicationModal);
    modal.show();
    EXPECT_FALSE(dialog.isEnabled());
    modal.hide();
    EXPECT_TRUE(edits[0]->IsEnabled());
    EXPECT_FALSE(edits[1]->IsEnabled()); // the application's own choice stays
    auto windowModal = std::make_unique<QDialog>(&dialog);
    windowModal->setWindowModality(Qt::WindowModal);
    windowModal->show();
    ASSERT_FALSE(dialog.isEnabled());
    windowModal.reset();
    EXPECT_TRUE(dialog.isEnabled());
}

// Regression: deleting a dialog while one of its edits had the focus delivered the edit's focus-out,
// and the finished entry, to the dialog after its own destructors had run (a pure virtual call).
TEST_F(PanelFocusTest, DeletingThePanelWhileAnEditHasTheFocusNotifiesNothing)
{
    int finished = 0;
    edits[0]->onNotify = [&finished](std::int32_t code) { finished += code == kNotifyUserChanged ? 1 : 0; };
    QTest::keyClicks(edits[0], "7");
    owner.reset();
    EXPECT_EQ(finished, 0);
}

// Paints a cross so that the picture shows where the custom item lies.
class CrossItem : public RVADM_CustomItem
{
public:
    using RVADM_CustomItem::RVADM_CustomItem;

    void Draw(IADMDrawer& drawer) override
    {
        RVADM_CustomItem::Draw(drawer);
        drawer.GetPainter().setPen(QColor(200, 40, 40));
        drawer.GetPainter().drawLine(0, 0, width() - 1, height() - 1);
        drawer.GetPainter().drawLine(0, height() - 1, width() - 1, 0);
    }
};

// A panel laid out only with the placement helpers: a canvas at the top, a frame below it holding
// a label and two buttons, and a frame nested in that frame.
TEST_F(NonModalDialogTest, DemoPanelLaysOutFramesCustomItemsAndNestedParents)
{
    CrossItem* canvas = nullptr;
    RVADM_Frame* frame = nullptr;
    RVADM_Frame* inner = nullptr;
    std::array<RVADM_Item*, 4> texts{}; // label, two buttons, nested label
    const auto text = [](RVADM_Item* item, const char* value) {
        item->SetFontSize(0);
        item->SetText(value, true, true);
        return item;
    };
    dialog.create = [&] {
        canvas = new CrossItem(&dialog);
        (frame = new RVADM_Frame(&dialog))->SetMargins(4);
        texts[0] = text(new RecordingItem<QLabel>(frame, kKindLabel), "Dot Gain Curve:");
        texts[1] = text(new RecordingItem<QPushButton>(frame, kKindTextPushButton), "Generate");
        texts[2] = text(new RecordingItem<QPushButton>(frame, kKindTextPushButton), "Close");
        (inner = new RVADM_Frame(frame))->SetMargins(3);
        texts[3] = text(new RecordingItem<QLabel>(inner, kKindLabel), "Nested");
    };
    dialog.layout = [&] {
        RVADM_Rect local;
        dialog.GetInnerRect(local);
        canvas->SetSize(local.Width(), local.Height() / 2);
        RVADM_Item::PlaceInParent(canvas, kAlignMoveLeft | kAlignMoveTop | kAlignStretchRight);
        frame->SetSize(canvas->GetWidth(), 10);
        RVADM_Item::MoveBelow(canvas, frame, kAlignMoveLeft | kAlignStretchRight);
        RVADM_Item::PlaceInParent(texts[0], kAlignMoveLeft | kAlignMoveTop);
        RVADM_Item::MoveRightOf(texts[0], texts[1], kAlignMoveTop);
        RVADM_Item::MoveRightOf(texts[1], texts[2], kAlignMoveTop);
        RVADM_Item::PlaceInParent(texts[3], kAlignMoveLeft | kAlignMoveTop);
        RVADM_Item::FitParentTo(texts[3], kAlignStretchRight | kAlignStretchBottom);
        RVADM_Item::MoveBelow(texts[0], inner, kAlignMoveLeft);
        RVADM_Item::FitParentTo(inner, kAlignStretchBottom);
    };
    ASSERT_EQ(dialog.CreatePanel("Toolkit Demo", 5, false, 16100), kNoErr);
    dialog.ShowPanel(true);
    hostsim::PanelCenter::Resize(PanelOf(dialog), {360, 300});

    EXPECT_EQ(texts[2]->GetLeft(), texts[1]->GetRight() + 6); // the panel's button gap
    // The outer frame ends one margin below the nested frame, which ends one margin below its label.
    EXPECT_EQ(frame->contentsRect().bottom() + 1, inner->GetBottom() + frame->GetMargins().bottom);
    EXPECT_EQ(inner->contentsRect().bottom() + 1, texts[3]->GetBottom() + inner->GetMargins().bottom);
    const QImage shot = hostsim::PanelCenter::WindowOf(PanelOf(dialog)).grab().toImage();
    EXPECT_EQ(shot.pixelColor(canvas->geometry().center()), QColor(200, 40, 40));
    toolkittest::SaveScreenshot(shot, "toolkit-panel.png");
}

} // namespace
} // namespace qRVADM
