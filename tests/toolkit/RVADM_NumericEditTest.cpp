#include "toolkit/RVADM_NumericEdit.h"

#include "HostPanelFixture.h"
#include "ToolkitTestSupport.h"

#include "RVADMQtManager.h"
#include "sim/host/AppWindow.h"

#include <QApplication>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>
#include <QWheelEvent>

#include <gtest/gtest.h>

#include <tuple>

namespace qRVADM {
namespace {

class NumericEditTest : public toolkittest::HostPanelFixture
{
protected:
    RVADM_NumericEdit* Make(double minimum = -1000, double maximum = 1000, double resolution = 0, bool immediate = false,
                            int precision = -1)
    {
        return new RVADM_NumericEdit(&dialog, minimum, maximum, resolution, immediate, precision);
    }

    void Focus(QWidget* dialogShown, RVADM_NumericEdit* edit)
    {
        dialogShown->show();
        QApplication::setActiveWindow(dialogShown);
        edit->setFocus(Qt::OtherFocusReason);
        ASSERT_TRUE(edit->hasFocus());
    }

    static void Type(RVADM_NumericEdit* edit, const char* text)
    {
        edit->findChild<QLineEdit*>()->selectAll();
        QTest::keyClicks(edit, text);
    }

    long Notifications(RVADM_Item* item) const { return std::count(dialog.notified.begin(), dialog.notified.end(), item); }

    toolkittest::RecordingModalDialog dialog;
};

TEST_F(NumericEditTest, ValuesShowInTheUnitAreClampedInPointsAndReadAsIntegersHalfUp)
{
    EXPECT_EQ(Make()->text(), "0");
    for (const auto& [resolution, precision] : {std::pair{0.1, 1}, {0.392, 1}, {0.01, 2}, {1.0, 3}})
        EXPECT_EQ(Make(0, 100, resolution)->GetPrecision(), precision) << resolution;
    EXPECT_EQ(Make(0, 100, 0.01, false, 0)->GetPrecision(), 0);

    RVADM_NumericEdit* edit = Make(0, 72);
    edit->SetUnits(UnitMillimetre);
    edit->SetFloatValue(25.4, UnitMillimetre);
    EXPECT_EQ(edit->text(), "25.4 mm");
    EXPECT_DOUBLE_EQ(edit->GetPointValue(), 72);
    edit->SetPointValue(42);
    EXPECT_EQ(edit->text(), "14.817 mm");
    edit->SetUnits(UnitPica);
    EXPECT_EQ(edit->text(), "3p6");
    edit->SetIntValue(-5);
    EXPECT_EQ(edit->GetPointValue(), 0);
    double parsed = -1;
    EXPECT_FALSE(edit->ParseString("an inch", parsed));
    EXPECT_EQ(parsed, -1);
    EXPECT_TRUE(edit->ParseString("1 in", parsed));
    EXPECT_DOUBLE_EQ(parsed, 6);

    RVADM_NumericEdit* rounding = Make(-10.5, 10.5);
    for (const auto& [points, expected] : {std::pair{2.5, 3}, {2.49, 2}, {-2.5, -2}, {-2.6, -3}, {-0.5, 0}, {-7.0, -7}}) {
        rounding->SetPointValue(points);
        EXPECT_EQ(rounding->GetIntValue(), expected) << points;
    }
    EXPECT_EQ(rounding->GetMinIntValue(), -10);
    EXPECT_EQ(rounding->GetMaxIntValue(), 11);
}

TEST_F(NumericEditTest, AnAllowEmptyFieldStaysEmptyAcrossUnitChangesAndWhenLeftEmpty)
{
    RVADM_NumericEdit* edit = Make();
    edit->SetUnits(UnitPoint);
    edit->SetPointValue(12);
    edit->SetAllowEmpty(true);
    edit->SetTextInt("");
    edit->SetUnits(UnitMillimetre);
    EXPECT_EQ(edit->text(), "");
    edit->SetAllowEmpty(false);
    EXPECT_EQ(edit->text(), "4.233 mm");
    edit->SetAllowEmpty(true);
    Focus(&dialog, edit);
    Type(edit, "");
    QTest::keyClick(edit, Qt::Key_Backspace);
    edit->clearFocus();
    EXPECT_EQ(edit->text(), "");
    edit->setFocus(Qt::OtherFocusReason);
    Type(edit, "x");
    edit->clearFocus();
    EXPECT_EQ(edit->text(), "");
}

TEST_F(NumericEditTest, StepsLandOnMultiplesStopAtTheLimitsAndNotifyOnlyChanges)
{
    RVADM_NumericEdit* edit = Make(0, 60);
    edit->SetIncrement(5);
    edit->SetPointValue(7);
    Focus(&dialog, edit);
    const std::tuple<Qt::Key, Qt::KeyboardModifiers, double> keys[] = {
        {Qt::Key_Up, {}, 10}, {Qt::Key_Up, Qt::ShiftModifier, 50}, {Qt::Key_Up, Qt::ShiftModifier, 60}, {Qt::Key_Up, {}, 60},
        {Qt::Key_Down, {}, 55}, {Qt::Key_Up, Qt::ControlModifier, 57.5}};
    for (const auto& [key, modifiers, expected] : keys) {
        QTest::keyClick(edit, key, modifiers);
        EXPECT_EQ(edit->GetPointValue(), expected);
    }
    EXPECT_EQ(Notifications(edit), 5);
    edit->SetPointValue(7);
    edit->SetNotifyOnStep(false);
    QTest::keyClick(edit, Qt::Key_Down);
    EXPECT_EQ(edit->GetPointValue(), 5);
    EXPECT_EQ(Notifications(edit), 5);
}

TEST_F(NumericEditTest, TheWheelStepsOnlyAFocusedFieldUnderThePointerAndReadOnlyOneNotAtAll)
{
    RVADM_NumericEdit* edit = Make();
    const QPointF inside(2, 2);
    QWheelEvent sideways(inside, QPointF(edit->mapToGlobal(inside.toPoint())), QPoint(), QPoint(120, 0), Qt::NoButton,
                         Qt::NoModifier, Qt::NoScrollPhase, false);
    QApplication::sendEvent(edit, &sideways);
    EXPECT_FALSE(sideways.isAccepted());
    Focus(&dialog, edit);
    QApplication::sendEvent(edit, &sideways);
    EXPECT_EQ(edit->GetPointValue(), 1);
    edit->SetReadOnly(true);
    QApplication::sendEvent(edit, &sideways);
    QTest::keyClicks(edit, "5");
    EXPECT_EQ(edit->text(), "1");
}

TEST_F(NumericEditTest, EditingFinishedParsesNotifiesOnlyWhenChangedAndRestoresAnInvalidEntry)
{
    RVADM_NumericEdit* immediate = Make(-1000, 1000, 0, true);
    RVADM_NumericEdit* edit = Make();
    edit->SetUnits(UnitMillimetre);
    Focus(&dialog, edit);
    Type(edit, "1in");
    edit->clearFocus();
    EXPECT_EQ(edit->text(), "25.4 mm");
    edit->setFocus(Qt::OtherFocusReason);
    Type(edit, "twelve");
    QTest::keyClick(edit, Qt::Key_Return);
    EXPECT_EQ(edit->text(), "25.4 mm");
    edit->clearFocus();
    EXPECT_EQ(Notifications(edit), 2); // typing marks a change even when put back; leaving adds none
    EXPECT_DOUBLE_EQ(edit->GetPointValue(), 72);

    Focus(&dialog, immediate);
    Type(immediate, "12");
    EXPECT_EQ(immediate->GetPointValue(), 12);
    EXPECT_EQ(immediate->text(), "12");
    EXPECT_EQ(Notifications(immediate), 2);
}

// A named value is a valid entry even outside the range.
TEST_F(NumericEditTest, EnterReachesTheDefaultButtonOnlyForAnEntryThatStands)
{
    RVADM_NumericEdit* edit = Make(0, 100);
    edit->AddNamedValue("Auto", -1);
    auto* ok = new toolkittest::RecordingItem<QPushButton>(&dialog, kKindTextPushButton);
    dialog.SetDefaultItem(ok);
    int defaultClicks = 0;
    QObject::connect(ok, &QPushButton::clicked, [&] { ++defaultClicks; });
    Focus(&dialog, edit);
    const std::tuple<const char*, Qt::Key, const char*, int> entries[] = {
        {"500", Qt::Key_Enter, "100", 0}, {"50", Qt::Key_Return, "50", 1}, {"Auto", Qt::Key_Return, "Auto", 2}};
    for (const auto& [typed, key, shown, clicks] : entries) {
        Type(edit, typed);
        QTest::keyClick(edit, key);
        EXPECT_EQ(edit->text(), shown);
        EXPECT_EQ(defaultClicks, clicks) << typed;
    }
    EXPECT_EQ(edit->GetPointValue(), -1);
    EXPECT_EQ(Notifications(edit), 3);
}

TEST_F(NumericEditTest, OnAPanelEscapeCommitsTheEntryAndGivesTheFocusToTheHost)
{
    toolkittest::PanelStandInDialog panel;
    RVADMQtManager::QtManager::MakeDVAStyleAware(&panel, true);
    auto* edit = new RVADM_NumericEdit(&panel, 0, 100, 0, false, -1);
    edit->SetUnits(UnitPoint);
    Focus(&panel, edit);
    Type(edit, "7");
    QTest::keyClick(edit, Qt::Key_Escape);
    QApplication::processEvents(); // the window system activates the host window
    EXPECT_EQ(edit->text(), "7 pt");
    EXPECT_EQ(panel.notified, std::vector<RVADM_Item*>{edit});
    EXPECT_EQ(QApplication::focusWidget(), &host.PlatformAppWindow());
    EXPECT_EQ(host.PlatformAppWindow().FocusArrivals(), 1);
}

}  // namespace
}  // namespace qRVADM
