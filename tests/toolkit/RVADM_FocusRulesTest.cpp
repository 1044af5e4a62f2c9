#include "toolkit/internal/RVADM_FocusRules.h"

#include <QApplication>
#include <QLineEdit>
#include <QWidget>

#include <gtest/gtest.h>

#include <array>

namespace qRVADM::internal {
namespace {

TEST(FocusRules, ArrivalReasonFollowsTheButtonsAndShift)
{
    struct Case
    {
        bool mouse;
        bool shift;
        Qt::FocusReason reason;
    };
    constexpr Case kCases[] = {
        {false, false, Qt::TabFocusReason},
        {false, true, Qt::BacktabFocusReason},
        {true, false, Qt::MouseFocusReason},
        {true, true, Qt::MouseFocusReason},
    };
    for (const Case& c : kCases)
        EXPECT_EQ(FocusReasonForArrival(c.mouse, c.shift), c.reason) << c.mouse << c.shift;
}

TEST(FocusRules, PanelPositionLiesOneScaledPixelLeftAndATitleBarAbove)
{
    struct Case
    {
        double scale;
        AIPoint position;
    };
    constexpr Case kCases[] = {{1.0, {99, 168}}, {1.25, {99, 160}}, {1.5, {98, 152}}, {2.0, {98, 136}}};
    const AIRect bounds{100, 200, 400, 600};
    for (const Case& c : kCases) {
        const AIPoint position = PanelScreenPosition(bounds, c.scale);
        EXPECT_EQ(position.h, c.position.h) << c.scale;
        EXPECT_EQ(position.v, c.position.v) << c.scale;
    }
}

// A window holding an edit outside the container and three edits inside it.
class FocusChainTest : public testing::Test
{
protected:
    void SetUp() override
    {
        outside = new QLineEdit(&window);
        container = new QWidget(&window);
        for (QLineEdit*& edit : inside)
            edit = new QLineEdit(container);
        window.show();
        QApplication::setActiveWindow(&window);
    }

    QWidget window;
    QLineEdit* outside = nullptr;
    QWidget* container = nullptr;
    std::array<QLineEdit*, 3> inside{};
};

TEST_F(FocusChainTest, OnlyTheEnabledVisibleFocusableEdgesOfTheContainerAreLeft)
{
    inside[0]->setFocus();
    EXPECT_TRUE(FocusLeavesContainer(*container, false));
    EXPECT_FALSE(FocusLeavesContainer(*container, true));
    inside[1]->setFocus();
    EXPECT_FALSE(FocusLeavesContainer(*container, false));
    EXPECT_FALSE(FocusLeavesContainer(*container, true));
    inside[2]->setFocus();
    EXPECT_TRUE(FocusLeavesContainer(*container, true));
    outside->setFocus();
    EXPECT_FALSE(FocusLeavesContainer(*container, true));
    inside[2]->setEnabled(false);
    inside[1]->setFocus();
    EXPECT_TRUE(FocusLeavesContainer(*container, true));
    inside[2]->setEnabled(true);
    inside[2]->hide();
    EXPECT_TRUE(FocusLeavesContainer(*container, true));
    inside[0]->setFocusPolicy(Qt::ClickFocus);
    EXPECT_TRUE(FocusLeavesContainer(*container, false));
}

TEST_F(FocusChainTest, ArrivingGoesToTheFirstOrLastAndMarksTheKeyboard)
{
    outside->setFocus();
    ASSERT_TRUE(FocusContainerEdge(*container, true, Qt::TabFocusReason));
    EXPECT_TRUE(inside[0]->hasFocus());
    EXPECT_TRUE(inside[0]->testAttribute(Qt::WA_KeyboardFocusChange));
    EXPECT_TRUE(window.testAttribute(Qt::WA_KeyboardFocusChange));
    ASSERT_TRUE(FocusContainerEdge(*container, false, Qt::BacktabFocusReason));
    EXPECT_TRUE(inside[2]->hasFocus());
    for (QLineEdit* edit : inside)
        edit->setEnabled(false);
    EXPECT_FALSE(FocusContainerEdge(*container, true, Qt::TabFocusReason));
}

} // namespace
} // namespace qRVADM::internal
