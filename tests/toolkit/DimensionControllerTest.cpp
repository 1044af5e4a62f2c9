#include "toolkit/DimensionController.h"

#include "SimulatedHostNumbers.h"

#include <QSignalSpy>
#include <QStringList>
#include <gtest/gtest.h>

#include <boost/function.hpp>

#include <cmath>
#include <limits>
#include <memory>

using namespace qRVADM;

namespace {

// Passes every call to the simulated host and keeps the last evaluation options.
class RecordingNumbers final : public DimensionNumbers
{
public:
    explicit RecordingNumbers(const DimensionNumbers& host) : m_host(host) {}

    std::optional<QString> FormatNumber(double value, int decimals) const override
    {
        return m_host.FormatNumber(value, decimals);
    }
    std::optional<double> EvaluateExpression(const QString& text, const AIExpressionOptions& options) const override
    {
        lastOptions = options;
        return m_host.EvaluateExpression(text, options);
    }

    mutable AIExpressionOptions lastOptions{};

private:
    const DimensionNumbers& m_host;
};

// A controller on a field that is only a text, recording what the controller writes into it.
class DimensionControllerTest : public ::testing::Test
{
protected:
    DimensionControllerTest() { Make({0.0, UnitPoint}); }

    void Make(const Dimension& initial)
    {
        setTexts.clear();
        controller = std::make_unique<DimensionController>(
            initial, numbers, [this] { return field; }, [this](const QString& text) { parsedTexts << (field = text); },
            [this](const QString& text) { setTexts << (field = text); });
        controller->SetDefaultValueFunction(
            [this](ADMUnits unit) { return controller->GetDimension().ConvertedTo(unit).value; });
    }

    Dimension Typed(const QString& text)
    {
        field = text;
        return controller->ParseText();
    }

    SimulatedHostNumbers host;
    RecordingNumbers numbers{host.Numbers()};
    QString field;
    QStringList setTexts;
    QStringList parsedTexts;
    std::unique_ptr<DimensionController> controller;
};

struct FormatCase
{
    double value;
    ADMUnits unit;
    int precision;
    const char* expected;
};

constexpr FormatCase kFormats[] = {
    {25.4, UnitMillimetre, -1, "25.4 mm"},
    {2.5, UnitMillimetre, 3, "2.5 mm"},
    {-1.25, UnitMillimetre, -1, "-1.25 mm"},
    {10, UnitPoint, -1, "10 pt"},
    {50, UnitPercent, -1, "50%"},
    {12.345, UnitDegree, -1, "12.35\u00B0"},
    {1.23456, UnitInch, -1, "1.2346 in"},
    {1.23456, UnitCentimetre, -1, "1.2346 cm"},
    {7, UnitQ, -1, "7 H"},
    {3, UnitPixel, -1, "3 px"},
    {1.5, static_cast<ADMUnits>(42), -1, "1.5"},
    {0.00004, UnitNone, 3, "0"},
    {-0.0001, UnitNone, 3, "0"},
    {-0.4, UnitNone, 0, "0"},
    {100, UnitNone, 0, "100"},
    {100, UnitNone, 2, "100"},
    {100.5, UnitNone, 0, "101"},
    {1.0005, UnitNone, 3, "1.001"},
    {1.1, UnitNone, 2, "1.1"},
    {0.1, UnitNone, 40, "0.1"},
    {3.5, UnitPica, -1, "3p6"},
    {0.25, UnitPica, -1, "0p3"},
    {-0.5, UnitPica, -1, "-0p6"},
    {-3.5, UnitPica, -1, "-3p6"},
    {0, UnitPica, -1, "0p0"},
    {-0.00001, UnitPica, 3, "0p0"},
    {12, UnitPica, 0, "12p0"},
    {1.0 / 24, UnitPica, 2, "0p0.5"},
};

TEST_F(DimensionControllerTest, FormatsByUnitPrecisionRoundingAndTrimmingFiniteValuesOnly)
{
    for (const FormatCase& c : kFormats)
        EXPECT_EQ(controller->Format({c.value, c.unit}, c.precision), QString::fromUtf8(c.expected))
            << c.value << " unit " << c.unit << " precision " << c.precision;
    EXPECT_TRUE(controller->Format({std::nan(""), UnitPoint}, -1).isEmpty());
    EXPECT_TRUE(controller->Format({std::numeric_limits<double>::infinity(), UnitPica}, -1).isEmpty());
    EXPECT_EQ(DimensionController::PrecisionForUnit(UnitInch), 4);
    EXPECT_EQ(DimensionController::PrecisionForUnit(UnitCentimetre), 4);
    EXPECT_EQ(DimensionController::PrecisionForUnit(UnitPercent), 2);
    EXPECT_EQ(DimensionController::PrecisionForUnit(UnitDegree), 2);
    EXPECT_EQ(DimensionController::PrecisionForUnit(UnitMillimetre), 3);
    EXPECT_EQ(DimensionController::PrecisionForUnit(UnitPica), 3);
    controller->SetPrecision(-7);
    EXPECT_EQ(controller->GetPrecision(), -1);
}

TEST_F(DimensionControllerTest, ShowsTheInitialValueOnConstructionAndWritesOnlyChangedTexts)
{
    EXPECT_EQ(field, "0 pt");
    EXPECT_EQ(setTexts, QStringList{"0 pt"});
    controller->SetValue(0.0);
    EXPECT_EQ(setTexts.size(), 1);
    controller->SetValue({5.0, UnitPoint}, true);
    EXPECT_EQ(controller->GetDimension().value, 5.0);
    EXPECT_EQ(field, "0 pt");
    controller->SetValue(std::nan(""));
    EXPECT_EQ(controller->GetDimension().value, 5.0);
}

TEST_F(DimensionControllerTest, SetValueClampsInTheValuesUnitToTheInclusiveRangeInPoints)
{
    controller->SetMinimum(0);
    controller->SetMaximum(72);
    controller->SetValue({2.0, UnitInch});
    EXPECT_EQ(controller->GetDimension().unit, UnitInch);
    EXPECT_DOUBLE_EQ(controller->GetDimension().value, 1.0);
    EXPECT_EQ(field, "1 in");
    controller->SetValue({-3.0, UnitMillimetre});
    EXPECT_EQ(controller->GetDimension().value, 0.0);
    EXPECT_EQ(field, "0 mm");
    controller->SetMinimum(-36);
    EXPECT_TRUE(controller->IsInRange({1.0, UnitInch}));
    EXPECT_TRUE(controller->IsInRange({-0.5, UnitInch}));
    EXPECT_FALSE(controller->IsInRange({72.0001, UnitPoint}));
    EXPECT_FALSE(controller->IsInRange({-3.01, UnitPica}));
}

TEST_F(DimensionControllerTest, SetDimensionConvertsToTheCurrentUnitAndConvertToShowsNothing)
{
    controller->ConvertTo(UnitMillimetre);
    EXPECT_EQ(field, "0 pt");
    controller->SetDimension({1.0, UnitInch});
    EXPECT_EQ(controller->GetDimension().unit, UnitMillimetre);
    EXPECT_DOUBLE_EQ(controller->GetDimension().value, 25.4);
    EXPECT_EQ(field, "25.4 mm");
}

TEST_F(DimensionControllerTest, NamedValuesAreNeverClampedAndShowByName)
{
    controller->SetMinimum(0);
    controller->SetMaximum(72);
    controller->AddNamedValue("Auto", -1.0);
    controller->SetValue(-1.0);
    EXPECT_EQ(controller->GetDimension().value, -1.0);
    EXPECT_EQ(field, "Auto");

    controller->SetValue(10.0);
    field = "Auto";
    controller->Parse();
    EXPECT_EQ(controller->GetDimension().value, -1.0);
    EXPECT_EQ(field, "Auto");
    EXPECT_EQ(Typed("auto").unit, NotParsed);
}

TEST_F(DimensionControllerTest, ParseTextEvaluatesInTheCurrentUnitWithTheHostsOptionsOrIsNotParsed)
{
    controller->ConvertTo(UnitMillimetre);
    controller->SetValue(3.0);
    const Dimension read = Typed("1 in");
    EXPECT_EQ(read.unit, UnitMillimetre);
    EXPECT_DOUBLE_EQ(read.value, 25.4);
    EXPECT_EQ(numbers.lastOptions.unit, UnitMillimetre);
    EXPECT_EQ(numbers.lastOptions.minimum, -999999);
    EXPECT_EQ(numbers.lastOptions.maximum, 1000000);
    EXPECT_EQ(numbers.lastOptions.defaultValue, 3.0);
    EXPECT_EQ(numbers.lastOptions.precision, 4);
    EXPECT_EQ(Typed("").value, 3.0);
    const Dimension word = Typed("twelve");
    EXPECT_EQ(word.unit, NotParsed);
    EXPECT_EQ(word.value, 0.0);
}

TEST_F(DimensionControllerTest, EmptyCallbacksThrowBadFunctionCall)
{
    controller->SetDefaultValueFunction({});
    field = "12";
    EXPECT_THROW(controller->ParseText(), boost::bad_function_call);
    DimensionController blind({0.0, UnitPoint}, numbers, [] { return QString("0 pt"); }, {}, {});
    EXPECT_THROW(blind.FormatImmediate(), boost::bad_function_call);
    EXPECT_THROW(DimensionController({0.0, UnitPoint}, numbers, {}, {}, {}), boost::bad_function_call);
}

TEST_F(DimensionControllerTest, ParseTakesTheTextClampsItAndReformatsItOrPutsTheLastGoodValueBack)
{
    QSignalSpy parsed(controller.get(), &DimensionController::Parsed);
    field = "12";
    controller->Parse();
    EXPECT_EQ(controller->GetDimension().value, 12.0);
    EXPECT_EQ(field, "12 pt");
    field = "12 kg";
    controller->Parse();
    EXPECT_EQ(controller->GetDimension().value, 12.0);
    EXPECT_EQ(field, "12 pt");
    EXPECT_EQ(parsed.count(), 2);
    controller->SetMaximum(72);
    field = "2 in";
    controller->Parse();
    EXPECT_EQ(controller->GetDimension().value, 72.0);
    EXPECT_EQ(field, "72 pt");
}

TEST_F(DimensionControllerTest, ParseImmediateTakesTheValueWithoutTouchingTheText)
{
    controller->SetMaximum(72);
    QSignalSpy parsed(controller.get(), &DimensionController::Parsed);
    field = "100";
    controller->ParseImmediate();
    EXPECT_EQ(controller->GetDimension().value, 72.0);
    EXPECT_EQ(field, "100");
    field = "1 in 2";
    controller->ParseImmediate();
    EXPECT_EQ(controller->GetDimension().value, 72.0);
    EXPECT_EQ(field, "1 in 2");
    EXPECT_EQ(parsed.count(), 2);
}

TEST_F(DimensionControllerTest, FormatImmediateShowsTheNumberEvenForANamedValue)
{
    controller->AddNamedValue("None", 0.0);
    controller->SetValue(0.0);
    EXPECT_EQ(field, "None");
    controller->FormatImmediate();
    EXPECT_EQ(parsedTexts, QStringList{"0 pt"});
}

struct StepCase
{
    double from;
    double amount;
    double expected;
};

constexpr StepCase kSteps[] = {
    {7, 5, 10}, {10, 5, 15}, {7, -5, 5}, {10, -5, 5}, {-7, 5, -5}, {-5, -5, -10}, {0.3, 0.1, 0.4}, {0, 0.5, 0.5},
};

TEST_F(DimensionControllerTest, StepLandsOnTheNextMultipleInItsDirection)
{
    for (const StepCase& c : kSteps) {
        controller->SetValue(c.from);
        controller->StepBy(c.amount);
        EXPECT_DOUBLE_EQ(controller->GetDimension().value, c.expected) << c.from << " by " << c.amount;
        EXPECT_EQ(field, controller->Format(controller->GetDimension(), -1));
    }
}

TEST_F(DimensionControllerTest, StepIsClampedAndParsedButATinyStepDoesNothing)
{
    controller->SetMaximum(72);
    controller->SetValue(70.0);
    QSignalSpy parsed(controller.get(), &DimensionController::Parsed);
    controller->StepBy(5);
    EXPECT_EQ(controller->GetDimension().value, 72.0);
    EXPECT_EQ(field, "72 pt");
    EXPECT_EQ(parsed.count(), 1);
    controller->SetValue(7.0);
    controller->StepBy(-1e-11);
    EXPECT_EQ(controller->GetDimension().value, 7.0);
    EXPECT_EQ(parsed.count(), 1);
}

}  // namespace
