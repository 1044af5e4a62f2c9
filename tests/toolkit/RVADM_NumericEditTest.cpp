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

#include <cstring>

namespace qRVADM {
namespace {

using toolkittest::PanelStandInDialog;
using toolkittest::RecordingItem;
using toolkittest::RecordingModalDialog;

using ButtonItem = RecordingItem<QPushButton>;

class NumericEditTest : public toolkittest::HostPanelFixture
{
protected:
    RVADM_NumericEdit* Make(double minimum = -1000, double maximum = 1000, double resolution = 0, bool immediate = false,
                            int precision = -1)
    {
        return new RVADM_NumericEdit(&dialog, minimum, maximum, resolution, immediate, precision);
    }

    // Shows the dialog and gives the edit the keyboard focus.
    void Focus(RVADM_NumericEdit* edit)
    {
        dialog.show();
        QApplication::setActiveWindow(&dialog);
        edit->setFocus(Qt::OtherFocusReason);
        ASSERT_TRUE(edit->hasFocus());
    }

    void Type(RVADM_NumericEdit* edit, const char* text)
    {
        edit->findChild<QLineEdit*>()->selectAll();
        QTest::keyClicks(edit, text);
    }

    void AddDefaultButton()
    {
        auto* ok = new ButtonItem(&dialog, kKindTextPushButton);
        dialog.SetDefaultItem(ok);
        QObject::connect(ok, &QPushButton::clicked, [this] { ++defaultClicks; });
    }

    std::size_t NotificationsOf(RVADM_Item* item) const
    {
        return static_cast<std::size_t>(std::count(dialog.notified.begin(), dialog.notified.end(), item));
    }

    RecordingModalDialog dialog;
    int defaultClicks = 0;
};

TEST_F(NumericEditTest, PrecisionComesFromTheResolutionWhenNotGiven)
{
    EXPECT_EQ(Make()->text(), "0");
    EXPECT_EQ(Make(0, 100, 0.1)->GetPrecision(), 1);
    EXPECT_EQ(Make(0, 100, 0.392)->GetPrecision(), 1);
    EXPECT_EQ(Make(0, 100, 0.01)->GetPrecision(), 2);
    EXPECT_EQ(Make(0, 100, 1)->GetPrecision(), 3);
    EXPECT_EQ(Make(0, 100, 0.01, false, 0)->GetPrecision(), 0);
}

TEST_F(NumericEditTest, ValuesShowInTheUnitAreClampedInPointsAndConvertWithTheUnit)
{
    RVADM_NumericEdit* edit = Make(0, 72);
    edit->SetUnits(UnitMillimetre);
    edit->SetPointValue(42);
    EXPECT_EQ(edit->text(), "14.817 mm");
    EXPECT_DOUBLE_EQ(edit->GetFloatValue(UnitPoint), 42);
    edit->SetUnits(UnitPica);
    EXPECT_EQ(edit->text(), "3p6");
    edit->SetUnits(UnitInch);
    EXPECT_EQ(edit->text(), "0.5833 in");
    edit->SetFloatValue(3, UnitInch);
    EXPECT_EQ(edit->text(), "1 in");
    edit->SetIntValue(-5);
    EXPECT_EQ(edit->GetPointValue(), 0);
}

TEST_F(NumericEditTest, IntegerValuesRoundHalfUpOnBothSides)
{
    RVADM_NumericEdit* edit = Make();
    const std::pair<double, std::int32_t> cases[] = {{2.5, 3}, {2.49, 2}, {-2.5, -2}, {-2.6, -3}, {-0.5, 0}, {-7, -7}};
    for (const auto& [points, expected] : cases) {
        edit->SetPointValue(points);
        EXPECT_EQ(edit->GetIntValue(), expected) << points;
    }
    RVADM_NumericEdit* limits = Make(-10.5, 10.5);
    EXPECT_EQ(limits->GetMinIntValue(), -10);
    EXPECT_EQ(limits->GetMaxIntValue(), 11);
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
    Focus(edit);
    Type(edit, "");
    QTest::keyClick(edit, Qt::Key_Backspace);
    edit->clearFocus();
    EXPECT_EQ(edit->text(), "");
    edit->setFocus(Qt::OtherFocusReason);
    Type(edit, "x");
    edit->clearFocus();
    EXPECT_EQ(edit->text(), "");
}

TEST_F(NumericEditTest, ANamedValueOutsideTheRangeIsAcceptedAndShownByName)
{
    RVADM_NumericEdit* edit = Make(0, 100);
    edit->AddNamedValue("Auto", -1);
    edit->SetPointValue(-1);
    EXPECT_EQ(edit->text(), "Auto");
    EXPECT_EQ(edit->GetPointValue(), -1);
    edit->SetPointValue(5);
    Focus(edit);
    Type(edit, "Auto");
    QTest::keyClick(edit, Qt::Key_Return);
    EXPECT_EQ(edit->GetPointValue(), -1);
    EXPECT_EQ(edit->text(), "Auto");
}

TEST_F(NumericEditTest, ParseStringEvaluatesInTheCurrentUnitAndFormatValueCutsOnACharacterBoundary)
{
    RVADM_NumericEdit* edit = Make();
    edit->SetUnits(UnitMillimetre);
    double value = -1;
    EXPECT_TRUE(edit->ParseString("1 in", value));
    EXPECT_DOUBLE_EQ(value, 25.4);
    EXPECT_TRUE(edit->ParseString("", value));
    EXPECT_EQ(value, 0);
    value = -1;
    EXPECT_FALSE(edit->ParseString("an inch", value));
    EXPECT_EQ(value, -1);
    char buffer[32];
    edit->FormatValue(72, buffer, sizeof buffer);
    EXPECT_STREQ(buffer, "25.4 mm");
    edit->FormatValue(72, buffer, 4);
    EXPECT_STREQ(buffer, "25.");
    edit->SetUnits(UnitDegree);
    edit->FormatValue(45, buffer, 4);
    EXPECT_STREQ(buffer, "45");
}

TEST_F(NumericEditTest, StepsLandOnMultiplesStopAtTheLimitsAndNotifyOnlyChanges)
{
    RVADM_NumericEdit* edit = Make(0, 20);
    edit->SetIncrement(5);
    edit->SetPointValue(7);
    Focus(edit);
    QTest::keyClick(edit, Qt::Key_Up);
    EXPECT_EQ(edit->GetPointValue(), 10);
    QTest::keyClick(edit, Qt::Key_Up, Qt::ShiftModifier);
    EXPECT_EQ(edit->GetPointValue(), 20);
    QTest::keyClick(edit, Qt::Key_Up);
    EXPECT_EQ(edit->GetPointValue(), 20);
    EXPECT_EQ(NotificationsOf(edit), 2u);
    edit->SetPointValue(7);
    QTest::keyClick(edit, Qt::Key_Down);
    EXPECT_EQ(edit->GetPointValue(), 5);
    QTest::keyClick(edit, Qt::Key_Up, Qt::ControlModifier);
    EXPECT_EQ(edit->text(), "7.5");
    EXPECT_EQ(NotificationsOf(edit), 4u);
    edit->SetNotifyOnStep(false);
    QTest::keyClick(edit, Qt::Key_Down);
    EXPECT_EQ(edit->GetPointValue(), 5);
    EXPECT_EQ(NotificationsOf(edit), 4u);
}

TEST_F(NumericEditTest, AReadOnlyFieldSwallowsKeysAndDoesNotStep)
{
    RVADM_NumericEdit* edit = Make();
    edit->SetReadOnly(true);
    EXPECT_EQ(edit->focusPolicy(), Qt::ClickFocus);
    Focus(edit);
    QTest::keyClicks(edit, "5");
    QTest::keyClick(edit, Qt::Key_Up);
    EXPECT_EQ(edit->text(), "0");
}

TEST_F(NumericEditTest, TheWheelStepsOnlyAFocusedFieldUnderThePointer)
{
    RVADM_NumericEdit* edit = Make();
    const QPointF inside(2, 2);
    QWheelEvent sideways(inside, QPointF(edit->mapToGlobal(inside.toPoint())), QPoint(), QPoint(120, 0), Qt::NoButton, Qt::NoModifier,
                         Qt::NoScrollPhase, false);
    QApplication::sendEvent(edit, &sideways);
    EXPECT_FALSE(sideways.isAccepted());
    EXPECT_EQ(edit->GetPointValue(), 0);
    Focus(edit);
    QApplication::sendEvent(edit, &sideways);
    EXPECT_EQ(edit->GetPointValue(), 1);
}

// Committing entries

TEST_F(NumericEditTest, EditingFinishedParsesNotifiesOnlyWhenChangedAndRestoresAnInvalidEntry)
{
    RVADM_NumericEdit* edit = Make();
    edit->SetUnits(UnitMillimetre);
    Focus(edit);
    Type(edit, "1in");
    edit->clearFocus();
    EXPECT_EQ(edit->text(), "25.4 mm");
    EXPECT_EQ(NotificationsOf(edit), 1u);
    edit->setFocus(Qt::OtherFocusReason);
    edit->clearFocus();
    EXPECT_EQ(NotificationsOf(edit), 1u);
    edit->setFocus(Qt::OtherFocusReason);
    Type(edit, "twelve");
    QTest::keyClick(edit, Qt::Key_Return);
    EXPECT_EQ(edit->text(), "25.4 mm");
    EXPECT_DOUBLE_EQ(edit->GetPointValue(), 72);
}

TEST_F(NumericEditTest, AnImmediateFieldTakesEveryKeystroke)
{
    RVADM_NumericEdit* edit = Make(-1000, 1000, 0, true);
    Focus(edit);
    Type(edit, "12");
    EXPECT_EQ(edit->GetPointValue(), 12);
    EXPECT_EQ(edit->text(), "12");
    EXPECT_EQ(NotificationsOf(edit), 2u);
}

TEST_F(NumericEditTest, EnterReachesTheDefaultButtonOnlyForAnEntryInRange)
{
    RVADM_NumericEdit* edit = Make(0, 100);
    AddDefaultButton();
    Focus(edit);
    Type(edit, "500");
    QTest::keyClick(edit, Qt::Key_Enter);
    EXPECT_EQ(edit->text(), "100");
    EXPECT_EQ(defaultClicks, 0);
    EXPECT_EQ(NotificationsOf(edit), 1u);
    Type(edit, "50");
    QTest::keyClick(edit, Qt::Key_Return);
    EXPECT_EQ(edit->GetPointValue(), 50);
    EXPECT_EQ(defaultClicks, 1);
}

class PanelNumericEditTest : public toolkittest::HostPanelFixture
{
protected:
    PanelStandInDialog panel;
};

TEST_F(PanelNumericEditTest, EscapeCommitsTheEntryAndGivesTheFocusToTheHost)
{
    RVADMQtManager::QtManager::MakeDVAStyleAware(&panel, true);
    auto* edit = new RVADM_NumericEdit(&panel, 0, 100, 0, false, -1);
    edit->SetUnits(UnitPoint);
    panel.show();
    QApplication::setActiveWindow(&panel);
    edit->setFocus(Qt::OtherFocusReason);
    ASSERT_TRUE(edit->hasFocus());
    edit->findChild<QLineEdit*>()->selectAll();
    QTest::keyClicks(edit, "7");
    QTest::keyClick(edit, Qt::Key_Escape);
    QApplication::processEvents(); // the window system activates the host window
    EXPECT_EQ(edit->text(), "7 pt");
    EXPECT_FALSE(edit->hasFocus());
    EXPECT_EQ(panel.notified, std::vector<RVADM_Item*>{edit});
    EXPECT_EQ(QApplication::focusWidget(), &host.PlatformAppWindow());
    EXPECT_EQ(host.PlatformAppWindow().FocusArrivals(), 1);
}

}  // namespace
}  // namespace qRVADM
