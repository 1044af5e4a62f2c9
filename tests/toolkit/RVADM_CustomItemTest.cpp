#include "ToolkitTestSupport.h"

#include "toolkit/IADMDrawer.h"
#include "toolkit/RVADM_CustomItem.h"
#include "toolkit/RVADM_Tracker.h"

#include "RVADMQtManager.h"

#include <QPainter>
#include <QTest>

#include <gtest/gtest.h>

namespace qRVADM {
namespace {

using toolkittest::FakeHost;
using toolkittest::RecordingModalDialog;

struct Seen
{
    std::int32_t action;
    std::uint32_t modifiers;
    std::int32_t key;
    RVADM_Point point;
    int contextDepth;
};

class TrackingItem : public RVADM_CustomItem
{
public:
    explicit TrackingItem(RVADM_ItemParent* parent)
        : RVADM_CustomItem(parent)
    {
    }

    bool Track(RVADM_Tracker tracker) override
    {
        seen.push_back({tracker.GetAction(), tracker.GetModifiers(), tracker.GetKey(), tracker.GetPoint(),
                        FakeHost::Depth()});
        return true;
    }

    void Draw(IADMDrawer& drawer) override
    {
        ++draws;
        drawDepth = FakeHost::Depth();
        RVADM_CustomItem::Draw(drawer);
        drawer.GetPainter().fillRect(0, 0, 2, 2, drawer.GetColor(1));
    }

    std::vector<std::int32_t> Actions() const
    {
        std::vector<std::int32_t> result;
        for (const Seen& s : seen)
            result.push_back(s.action);
        return result;
    }

    std::vector<Seen> seen;
    int draws = 0;
    int drawDepth = -1;
};

class CustomItemTest : public testing::Test
{
protected:
    void SetUp() override
    {
        item = new TrackingItem(&dialog);
        item->SetBoundsRect({0, 0, 100, 80});
        dialog.show();
        QApplication::setActiveWindow(&dialog);
        item->setFocus();
    }

    FakeHost host;
    RecordingModalDialog dialog;
    TrackingItem* item = nullptr;
};

TEST_F(CustomItemTest, MouseButtonsBecomePressAndReleaseActionsWithTheInputStateBeforeTheHook)
{
    QTest::mousePress(item, Qt::LeftButton, Qt::NoModifier, QPoint(10, 20));
    QTest::mouseRelease(item, Qt::LeftButton, Qt::NoModifier, QPoint(11, 21));
    QTest::mousePress(item, Qt::MiddleButton, Qt::NoModifier, QPoint(1, 1));
    QTest::mouseRelease(item, Qt::MiddleButton, Qt::NoModifier, QPoint(1, 1));
    QTest::mousePress(item, Qt::RightButton, Qt::NoModifier, QPoint(1, 1));
    QTest::mouseRelease(item, Qt::RightButton, Qt::NoModifier, QPoint(1, 1));
    EXPECT_EQ(item->Actions(), (std::vector<std::int32_t>{2, -2, 3, -3, 4, -4}));
    EXPECT_EQ(item->seen[0].point, (RVADM_Point{10, 20}));
    EXPECT_EQ(item->seen[1].point, (RVADM_Point{11, 21}));
    EXPECT_EQ(item->seen[0].contextDepth, 1);
    QTest::mousePress(item, Qt::LeftButton, Qt::ShiftModifier | Qt::AltModifier, QPoint(5, 5));
    ASSERT_EQ(item->seen.size(), 7u);
    EXPECT_EQ(item->seen[6].modifiers, kInputLeftButton | kInputShift | kInputAlt);
    QTest::mouseRelease(item, Qt::LeftButton, Qt::ControlModifier, QPoint(5, 5));
    ASSERT_EQ(item->seen.size(), 8u);
    EXPECT_EQ(item->seen[7].modifiers, static_cast<std::uint32_t>(kInputControl));
}

TEST_F(CustomItemTest, MovesAreDragsOnlyWithTheLeftButtonAndADoubleClickIsOneThousand)
{
    item->setMouseTracking(true);
    QMouseEvent hover(QEvent::MouseMove, QPointF(3, 4), Qt::NoButton, Qt::NoButton, Qt::NoModifier);
    QCoreApplication::sendEvent(item, &hover);
    QMouseEvent drag(QEvent::MouseMove, QPointF(6, 7), Qt::NoButton, Qt::LeftButton, Qt::NoModifier);
    QCoreApplication::sendEvent(item, &drag);
    ASSERT_EQ(item->seen.size(), 2u);
    EXPECT_EQ(item->seen[1].modifiers, static_cast<std::uint32_t>(kInputLeftButton));
    QMouseEvent twice(QEvent::MouseButtonDblClick, QPointF(3, 4), Qt::LeftButton, Qt::LeftButton, Qt::NoModifier);
    QCoreApplication::sendEvent(item, &twice);
    EXPECT_EQ(item->Actions(), (std::vector<std::int32_t>{-1, 1, 1000}));
}

TEST_F(CustomItemTest, SpaceBarSetsAndClearsItsBitUnlessItsReleaseIsAutoRepeated)
{
    QTest::keyPress(item, Qt::Key_Space);
    ASSERT_EQ(item->seen.size(), 1u);
    EXPECT_EQ(item->seen[0].action, -15);
    EXPECT_EQ(item->seen[0].key, 32);
    EXPECT_EQ(item->seen[0].modifiers & kInputSpace, static_cast<std::uint32_t>(kInputSpace));
    QTest::keyRelease(item, Qt::Key_Space);
    ASSERT_EQ(item->seen.size(), 2u);
    EXPECT_EQ(item->seen[1].action, -9);
    EXPECT_EQ(item->seen[1].modifiers & kInputSpace, 0u);
    QTest::keyRelease(item, Qt::Key_A);
    ASSERT_EQ(item->seen.size(), 3u);
    EXPECT_EQ(item->seen[2].action, -15);
    EXPECT_EQ(item->seen[2].key, 0);
    QKeyEvent repeat(QEvent::KeyRelease, Qt::Key_Space, Qt::NoModifier, QString(), true);
    QCoreApplication::sendEvent(item, &repeat);
    EXPECT_EQ(item->Actions(), (std::vector<std::int32_t>{-15, -9, -15, -15}));
}

TEST(CustomItemKeys, TrackerKeyCodes)
{
    EXPECT_EQ(RVADM_CustomItem::TrackerKeyCode(Qt::Key_Escape, Qt::NoModifier), 27);
    EXPECT_EQ(RVADM_CustomItem::TrackerKeyCode(Qt::Key_Space, Qt::NoModifier), 32);
    EXPECT_EQ(RVADM_CustomItem::TrackerKeyCode(Qt::Key_Shift, Qt::ShiftModifier), 241);
    EXPECT_EQ(RVADM_CustomItem::TrackerKeyCode(Qt::Key_Control, Qt::ControlModifier), 244);
    EXPECT_EQ(RVADM_CustomItem::TrackerKeyCode(Qt::Key_0, Qt::NoModifier), 48);
    EXPECT_EQ(RVADM_CustomItem::TrackerKeyCode(Qt::Key_0, Qt::KeypadModifier), 224);
    EXPECT_EQ(RVADM_CustomItem::TrackerKeyCode(Qt::Key_1, Qt::NoModifier), 0);
    EXPECT_EQ(RVADM_CustomItem::TrackerKeyCode(Qt::Key_Alt, Qt::AltModifier), 0);
}

TEST_F(CustomItemTest, PaintRunsDrawWithTheDefaultBackgroundInsideTheAppContext)
{
    item->setAutoFillBackground(false);
    QPalette palette = item->palette();
    palette.setColor(item->backgroundRole(), QColor(10, 200, 30));
    item->setPalette(palette);
    const QImage image = item->grab().toImage();
    EXPECT_GE(item->draws, 1);
    EXPECT_EQ(item->drawDepth, 1);
    EXPECT_EQ(image.pixelColor(50, 40), QColor(10, 200, 30));
    EXPECT_EQ(image.pixelColor(0, 0), RVADMQtManager::QtManager::GetControlColor(item, 1, true));
    EXPECT_EQ(item->GetKind(), kKindCustomItem);
}

} // namespace
} // namespace qRVADM
