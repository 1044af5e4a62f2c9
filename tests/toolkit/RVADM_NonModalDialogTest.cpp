// Non-modal dialogs on panels of the simulated host.

#include "HostPanelFixture.h"
#include "ToolkitTestSupport.h"

#include "toolkit/IADMDrawer.h"
#include "toolkit/RVADM_CustomItem.h"
#include "toolkit/RVADM_Frame.h"
#include "toolkit/RVADM_NonModalDialog.h"

#include "RVADMQtManager.h"

#include <QApplication>
#include <QLabel>
#include <QPainter>
#include <QPushButton>
#include <QScreen>

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

    int Count(const std::string& hook) const { return static_cast<int>(std::count(calls.begin(), calls.end(), hook)); }

    std::vector<std::string> calls;
    std::vector<RVADM_Item*> notified;
    std::function<void()> create;
    std::function<void()> layout;
};

class NonModalDialogTest : public toolkittest::HostPanelFixture
{
protected:
    AIPanelOpaque& OnlyPanel()
    {
        EXPECT_EQ(host.Panels().All().size(), 1u);
        return *host.Panels().Find(const_cast<AIPanelRef>(host.Panels().All().front()));
    }
};

TEST_F(NonModalDialogTest, CreatesTheHostPanelWithEveryArgument)
{
    RecordingPanel dialog;
    ASSERT_EQ(dialog.CreatePanel("Hueline Viewer", RVADM_NonModalDialog::kResizableKind, true, 16100), kNoErr);
    AIPanelOpaque& panel = OnlyPanel();
    EXPECT_EQ(panel.name, "Hueline Viewer");
    EXPECT_EQ(panel.title, u"Hueline Viewer");
    EXPECT_EQ(panel.stateCount, 2);
    EXPECT_EQ(panel.minimumSize.width, 206);
    EXPECT_EQ(panel.minimumSize.height, 100);
    EXPECT_TRUE(panel.resizable);
    EXPECT_EQ(panel.flyoutMenu, nullptr);
    EXPECT_EQ(panel.userData, static_cast<RVADM_Dialog*>(&dialog));
    EXPECT_NE(panel.sizeChanged, nullptr);
    EXPECT_NE(panel.visibilityChanged, nullptr);
    EXPECT_NE(panel.closed, nullptr);
    EXPECT_EQ(RVADMQtManager::SharedResources::GetPanelIcon(dialog.GetPanel()), 16100);
    EXPECT_EQ(dialog.parentWidget(), &hostsim::PanelCenter::WindowOf(panel));
    EXPECT_EQ(dialog.objectName(), QStringLiteral("Hueline Viewer"));
    EXPECT_EQ(dialog.calls.front(), "CreateItems");
    EXPECT_EQ(dialog.Count("CommitItems"), 0);
}

TEST_F(NonModalDialogTest, OnlyKindFiveIsResizableAndOneStateWithoutTheFlag)
{
    RecordingPanel dialog;
    ASSERT_EQ(dialog.CreatePanel("Fixed", 2, false, 16100), kNoErr);
    EXPECT_FALSE(OnlyPanel().resizable);
    EXPECT_EQ(OnlyPanel().stateCount, 1);
    EXPECT_FALSE(dialog.IsResizable());
}

TEST_F(NonModalDialogTest, MinimumSizeFollowsTheHostScaleFactor)
{
    host.SetUIScaleFactor(2.0);
    RecordingPanel dialog;
    ASSERT_EQ(dialog.CreatePanel("Scaled", 5, false, 16100), kNoErr);
    EXPECT_EQ(OnlyPanel().minimumSize.width, 103);
    EXPECT_EQ(OnlyPanel().minimumSize.height, 50);
}

TEST_F(NonModalDialogTest, PlacedAtTheGoldenSectionOfTheScreen)
{
    RecordingPanel dialog;
    ASSERT_EQ(dialog.CreatePanel("Placed", 5, false, 16100), kNoErr);
    AIPoint position{};
    ASSERT_EQ(Panels().GetPosition(dialog.GetPanel(), &position), kNoErr);
    const QRect available = QGuiApplication::primaryScreen()->availableGeometry();
    EXPECT_EQ(position.h, static_cast<int>(available.left() + available.width() * 0.3819644876794621));
    EXPECT_EQ(position.v, static_cast<int>(available.top() + available.height() * 0.3819644876794621));
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

TEST_F(NonModalDialogTest, SecondCreateIsRefused)
{
    RecordingPanel dialog;
    ASSERT_EQ(dialog.CreatePanel("Once", 5, false, 16100), kNoErr);
    EXPECT_EQ(dialog.CreatePanel("Twice", 5, false, 16100), RVADM_NonModalDialog::kNoHostPanelError);
    EXPECT_EQ(host.Panels().All().size(), 1u);
}

TEST_F(NonModalDialogTest, HostResizeLaysTheDialogOutAgain)
{
    RecordingPanel dialog;
    ASSERT_EQ(dialog.CreatePanel("Resized", 5, false, 16100), kNoErr);
    ASSERT_TRUE(dialog.ShowPanel(true));
    EXPECT_TRUE(dialog.IsPanelShown());
    const int before = dialog.Count("Layout");
    hostsim::PanelCenter::Resize(OnlyPanel(), {480, 494});
    EXPECT_EQ(dialog.size(), QSize(480, 494));
    EXPECT_GT(dialog.Count("Layout"), before);
}

TEST_F(NonModalDialogTest, SetSizeSizesTheHostPanel)
{
    RecordingPanel dialog;
    ASSERT_EQ(dialog.CreatePanel("Sized", 5, false, 16100), kNoErr);
    dialog.SetSize(480, 374);
    AISize size{};
    ASSERT_EQ(Panels().GetSize(dialog.GetPanel(), &size), kNoErr);
    EXPECT_EQ(size.width, 480);
    EXPECT_EQ(size.height, 374);
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

TEST_F(NonModalDialogTest, ItemsOnAPanelTakeThePanelFont)
{
    RecordingPanel dialog;
    RecordingItem<QLabel>* label = nullptr;
    dialog.create = [&] {
        label = new RecordingItem<QLabel>(&dialog, kKindLabel);
        label->SetFontSize(0);
    };
    ASSERT_EQ(dialog.CreatePanel("Fonts", 5, false, 16100), kNoErr);
    EXPECT_EQ(label->font().pixelSize(), 10);
    EXPECT_FALSE(dialog.GetStyle().IsModal());
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

TEST_F(NonModalDialogTest, ModalRunIsRefusedWhenTheHostForbidsInteraction)
{
    host.SetUserInteractionAllowed(false);
    toolkittest::RecordingModalDialog dialog;
    EXPECT_EQ(dialog.Modal("Refused"), -1);
    EXPECT_TRUE(dialog.calls.empty());
}

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
