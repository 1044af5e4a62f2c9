// Items: texts, bounds, tips and parents; custom items: tracking of input and painting.

#include "ToolkitTestSupport.h"

#include "toolkit/IADMDrawer.h"
#include "toolkit/RVADM_CustomItem.h"
#include "toolkit/RVADM_RadioGroup.h"
#include "toolkit/RVADM_Tracker.h"

#include "RVADMQtManager.h"

#include <QButtonGroup>
#include <QLabel>
#include <QLineEdit>
#include <QPainter>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>

namespace qRVADM {
namespace {

using toolkittest::RecordingItem;

TEST(Item, CachedTextIsTheArgumentBuffersCutOnCharactersTipsShowHtmlLiterallyAndBoundsAreExclusive)
{
    toolkittest::RecordingModalDialog dialog;
    auto* edit = new RecordingItem<QLineEdit>(&dialog, kKindTextEdit);
    char buffer[64] = "garbage";
    edit->GetText(buffer, sizeof buffer);
    EXPECT_STREQ(buffer, "");
    edit->SetText("$$$/Viewer/Title=Viewer", true);
    edit->setText(QStringLiteral("typed by the user"));
    edit->GetText(buffer, sizeof buffer);
    EXPECT_STREQ(buffer, "$$$/Viewer/Title=Viewer");

    auto* label = new RecordingItem<QLabel>(&dialog, kKindLabel);
    label->SetText("\xC3\xA9\xC3\xA9"); // "éé"
    char tight[4];
    label->GetText(tight, sizeof tight, true);
    EXPECT_STREQ(tight, "\xC3\xA9");

    auto* button = new RecordingItem<QPushButton>(&dialog, kKindTextPushButton);
    button->SetBoundsRect({5, 6, 105, 31});
    EXPECT_EQ(button->codes, std::vector<std::int32_t>{kNotifyBoundsChanged});
    EXPECT_EQ(button->geometry(), QRect(5, 6, 100, 25)); // right and bottom exclusive
    button->SetText("A rather long button text", false, true);
    EXPECT_EQ(button->geometry(), QRect(QPoint(5, 6), button->sizeHint()));

    label->SetTipString("<b>bold</b>");
    EXPECT_TRUE(label->toolTip().contains(QStringLiteral("&lt;b&gt;bold&lt;/b&gt;")));
    label->SetTipString("<b>bold</b>", false, true);
    EXPECT_EQ(label->toolTip(), QStringLiteral("<b>bold</b>"));
    label->SetTipString(nullptr);
    EXPECT_TRUE(label->toolTip().isEmpty());
}

TEST(Item, ItemOnARadioGroupLiesOnTheGroupsParent)
{
    toolkittest::RecordingModalDialog dialog;
    RVADM_RadioGroup group(&dialog);
    auto* radio = new RecordingItem<QRadioButton>(&group, kKindRadioButton);
    EXPECT_EQ(radio->GetParent(), &dialog);
    EXPECT_EQ(radio->parentWidget(), &dialog);
    EXPECT_EQ(group.GetButtonGroup().buttons(), QList<QAbstractButton*>{radio});
}

// Action, input state, key of a call of the tracking hook, and whether it ran in the app context.
using Tracked = std::tuple<std::int32_t, std::uint32_t, std::int32_t, bool>;

class TrackingItem : public RVADM_CustomItem
{
public:
    using RVADM_CustomItem::RVADM_CustomItem;

    bool Track(RVADM_Tracker tracker) override
    {
        last = {tracker.GetAction(), tracker.GetModifiers(), tracker.GetKey(), InContext()};
        point = tracker.GetPoint();
        return true;
    }
    void Draw(IADMDrawer& drawer) override
    {
        drawnInContext = InContext();
        RVADM_CustomItem::Draw(drawer);
        drawer.GetPainter().fillRect(0, 0, 2, 2, drawer.GetColor(1));
    }
    static bool InContext() { return hostsim::Host::Current().ContextDepth() == 1; }

    Tracked last;
    RVADM_Point point;
    bool drawnInContext = false;
};

// The input state (buttons held, the event's modifiers, the space bar) is recorded before the hook.
TEST(CustomItem, EventsBecomeTrackerActionsAndPaintingDrawsInsideTheAppContext)
{
    toolkittest::FakeHost host;
    toolkittest::RecordingModalDialog dialog;
    auto* item = new TrackingItem(&dialog);
    item->SetBoundsRect({0, 0, 100, 80});
    dialog.show();
    QApplication::setActiveWindow(&dialog);
    item->setFocus();
    QTest::keyPress(item, Qt::Key_Space);
    EXPECT_EQ(item->last, Tracked(-15, kInputSpace, 32, true));
    QKeyEvent repeat(QEvent::KeyRelease, Qt::Key_Space, Qt::NoModifier, QString(), true);
    QCoreApplication::sendEvent(item, &repeat); // a stroke, not the bar's release
    EXPECT_EQ(item->last, Tracked(-15, 0, 32, true));
    QTest::keyRelease(item, Qt::Key_Space);
    EXPECT_EQ(item->last, Tracked(-9, 0, 32, true));
    QTest::keyRelease(item, Qt::Key_A);
    EXPECT_EQ(item->last, Tracked(-15, 0, 0, true));
    EXPECT_EQ(RVADM_CustomItem::TrackerKeyCode(Qt::Key_0, Qt::KeypadModifier), 224);
    constexpr std::tuple<Qt::MouseButton, std::int32_t, std::uint32_t> kButtons[] = {
        {Qt::LeftButton, 2, kInputLeftButton}, {Qt::MiddleButton, 3, kInputMiddleButton},
        {Qt::RightButton, 4, kInputRightButton}};
    for (const auto& [button, press, state] : kButtons) {
        QTest::mousePress(item, button, Qt::ShiftModifier | Qt::AltModifier, QPoint(10, 20));
        EXPECT_EQ(item->last, Tracked(press, state | kInputShift | kInputAlt, 0, true));
        EXPECT_EQ(item->point, (RVADM_Point{10, 20}));
        QTest::mouseRelease(item, button, Qt::ControlModifier, QPoint(11, 21));
        EXPECT_EQ(item->last, Tracked(-press, kInputControl, 0, true));
    }
    item->setMouseTracking(true);
    const std::tuple<QEvent::Type, Qt::MouseButtons, Tracked> kMouse[] = {
        {QEvent::MouseMove, Qt::NoButton, {-1, 0, 0, true}},
        {QEvent::MouseMove, Qt::LeftButton, {1, kInputLeftButton, 0, true}},
        {QEvent::MouseButtonDblClick, Qt::LeftButton, {1000, kInputLeftButton, 0, true}}};
    for (const auto& [type, held, tracked] : kMouse) {
        QMouseEvent event(type, QPointF(3, 4), type == QEvent::MouseMove ? Qt::NoButton : Qt::LeftButton, held, {});
        QCoreApplication::sendEvent(item, &event);
        EXPECT_EQ(item->last, tracked) << type;
    }

    item->setAutoFillBackground(false);
    QPalette palette = item->palette();
    palette.setColor(item->backgroundRole(), QColor(10, 200, 30));
    item->setPalette(palette);
    const QImage image = item->grab().toImage();
    EXPECT_TRUE(item->drawnInContext);
    EXPECT_EQ(image.pixelColor(50, 40), QColor(10, 200, 30));
    EXPECT_EQ(image.pixelColor(0, 0), RVADMQtManager::QtManager::GetControlColor(item, 1, true));
}

} // namespace
} // namespace qRVADM
