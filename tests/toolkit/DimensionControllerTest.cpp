// Units, and the unit controller of the numeric field over the simulated host's number formatting
// and expression evaluation.
#include "toolkit/DimensionController.h"

#include "SimulatedHostNumbers.h"

#include <QSignalSpy>
#include <QStringList>
#include <gtest/gtest.h>

#include <boost/function.hpp>

#include <cmath>
#include <limits>
#include <memory>
#include <tuple>

using namespace qRVADM;

namespace {

TEST(Dimension, ConvertsBetweenUnitsAndOnlyRelabelsABareNumber)
{
    EXPECT_DOUBLE_EQ((Dimension{10.0, UnitCentimetre}).ConvertedTo(UnitQ).value, 400.0);
    EXPECT_DOUBLE_EQ((Dimension{1.0, UnitInch}).ConvertedTo(UnitNone).value, 72.0);
    const Dimension bare = Dimension{5.0, UnitNone}.ConvertedTo(UnitInch);
    EXPECT_EQ(bare.value, 5.0);
    EXPECT_EQ(bare.unit, UnitInch);
}

TEST(DimensionUserSuite, PassesTextBeyondAsciiAndGivesNothingWithoutTheHostsEntries)
{
    SimulatedHostNumbers host;
    const AIExpressionOptions options{1, -999999, 1000000, 0, 4};
    EXPECT_EQ(host.Numbers().EvaluateExpression(QString::fromUtf8("45\u00B0"), options), 45.0);
    EXPECT_FALSE(host.Numbers().FormatNumber(std::nan(""), 3));
    const AIUserSuite empty{};
    const DimensionUserSuite noEntries(&empty, &host.Acquire<AIUnicodeStringSuite>());
    const DimensionUserSuite noSuites(nullptr, nullptr);
    for (const DimensionUserSuite* without : {&noEntries, &noSuites}) {
        EXPECT_FALSE(without->FormatNumber(1.0, 1));
        EXPECT_FALSE(without->EvaluateExpression("1", options));
    }
}

// A controller on a field that is only a text, recording what the controller writes into it.
class DimensionControllerTest : public ::testing::Test
{
protected:
    DimensionControllerTest()
        : controller(std::make_unique<DimensionController>(
              Dimension{0.0, UnitPoint}, numbers, [this] { return field; },
              [this](const QString& text) { parsedTexts << (field = text); },
              [this](const QString& text) { setTexts << (field = text); }))
    {
        controller->SetDefaultValueFunction(
            [this](ADMUnits unit) { return controller->GetDimension().ConvertedTo(unit).value; });
    }

    Dimension Typed(const QString& text)
    {
        field = text;
        return controller->ParseText();
    }
    double Value() const { return controller->GetDimension().value; }

    SimulatedHostNumbers host;
    const DimensionNumbers& numbers = host.Numbers();
    QString field;
    QStringList setTexts, parsedTexts;
    std::unique_ptr<DimensionController> controller;
};

const std::tuple<double, ADMUnits, int, const char*> kFormats[] = {
    {25.4, UnitMillimetre, -1, "25.4 mm"}, {2.5, UnitMillimetre, 3, "2.5 mm"}, {50, UnitPercent, -1, "50%"}, {7, UnitQ, -1, "7 H"},
    {12.345, UnitDegree, -1, "12.35\u00B0"}, {1.23456, UnitCentimetre, -1, "1.2346 cm"}, {3, UnitPixel, -1, "3 px"},
    {1.5, static_cast<ADMUnits>(42), -1, "1.5"}, {0.00004, UnitNone, 3, "0"}, {-0.0001, UnitNone, 3, "0"}, {-0.4, UnitNone, 0, "0"},
    {100, UnitNone, 2, "100"}, {100.5, UnitNone, 0, "101"}, {1.0005, UnitNone, 3, "1.001"}, {0.1, UnitNone, 40, "0.1"},
    {3.5, UnitPica, -1, "3p6"}, {0.25, UnitPica, -1, "0p3"}, {-0.5, UnitPica, -1, "-0p6"}, {-3.5, UnitPica, -1, "-3p6"},
    {-0.00001, UnitPica, 3, "0p0"}, {12, UnitPica, 0, "12p0"}, {1.0 / 24, UnitPica, 2, "0p0.5"},
};

TEST_F(DimensionControllerTest, FormatsByUnitPrecisionRoundingAndTrimmingFiniteValuesOnly)
{
    for (const auto& [value, unit, precision, expected] : kFormats)
        EXPECT_EQ(controller->Format({value, unit}, precision), QString::fromUtf8(expected))
            << value << " unit " << unit << " precision " << precision;
    EXPECT_TRUE(controller->Format({std::nan(""), UnitPoint}, -1).isEmpty());
    EXPECT_TRUE(controller->Format({std::numeric_limits<double>::infinity(), UnitPica}, -1).isEmpty());
}

TEST_F(DimensionControllerTest, SetValueClampsInTheValuesUnitAndWritesOnlyChangedTexts)
{
    EXPECT_EQ(setTexts, QStringList{"0 pt"});
    controller->SetValue(0.0);
    controller->SetValue({5.0, UnitPoint}, true);
    controller->SetValue(std::nan(""));
    EXPECT_EQ(setTexts, QStringList{"0 pt"});
    EXPECT_EQ(Value(), 5.0);
    controller->SetMinimum(0);
    controller->SetMaximum(72);
    controller->SetValue({2.0, UnitInch});
    EXPECT_EQ(controller->GetDimension().unit, UnitInch);
    EXPECT_EQ(field, "1 in");
    controller->SetValue({-3.0, UnitMillimetre});
    EXPECT_EQ(field, "0 mm");
    controller->SetMinimum(-36);
    EXPECT_TRUE(controller->IsInRange({-0.5, UnitInch}));
    EXPECT_FALSE(controller->IsInRange({72.0001, UnitPoint}));
    controller->ConvertTo(UnitPoint);
    EXPECT_EQ(field, "0 mm");
    controller->SetDimension({1.0, UnitCentimetre});
    EXPECT_DOUBLE_EQ(Value(), 28.346456692913385);
    EXPECT_EQ(controller->GetDimension().unit, UnitPoint);
}

TEST_F(DimensionControllerTest, NamedValuesAreNeverClampedAndShowByName)
{
    controller->SetMaximum(72);
    controller->SetMinimum(0);
    controller->AddNamedValue("Auto", -1.0);
    controller->SetValue(-1.0);
    EXPECT_EQ(Value(), -1.0);
    EXPECT_EQ(field, "Auto");
    EXPECT_EQ(Typed("auto").unit, NotParsed);
    controller->FormatImmediate();
    EXPECT_EQ(parsedTexts, QStringList{"-1 pt"});
}

// The host evaluates in the field's unit within -999999 to 1000000 at four decimals; an entry
// without digits gives the current value.
TEST_F(DimensionControllerTest, ParseTextEvaluatesInTheCurrentUnitWithTheHostsOptionsOrIsNotParsed)
{
    controller->ConvertTo(UnitMillimetre);
    controller->SetValue(3.0);
    const std::pair<const char*, double> entries[] = {
        {"1 in", 25.4}, {"", 3.0}, {"1.234567", 1.2346}, {"2000000", 1000000}, {"-2000000", -999999},
    };
    for (const auto& [text, value] : entries) {
        const Dimension read = Typed(text);
        EXPECT_EQ(read.unit, UnitMillimetre) << text;
        EXPECT_DOUBLE_EQ(read.value, value) << text;
    }
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

// Parse puts the last good value back for a bad entry; ParseImmediate leaves the text alone.
TEST_F(DimensionControllerTest, ParseSlotsClampTheEntryAndEmitParsed)
{
    QSignalSpy parsed(controller.get(), &DimensionController::Parsed);
    controller->SetMaximum(72);
    const auto parse = &DimensionController::Parse;
    const auto immediate = &DimensionController::ParseImmediate;
    const std::tuple<decltype(parse), const char*, double, const char*> steps[] = {
        {parse, "12", 12, "12 pt"},         {parse, "12 kg", 12, "12 pt"},         {parse, "2 in", 72, "72 pt"},
        {immediate, "50", 50, "50"}, {immediate, "100", 72, "100"}, {immediate, "1 in 2", 72, "1 in 2"},
    };
    for (const auto& [slot, typed, value, shown] : steps) {
        field = typed;
        (controller.get()->*slot)();
        EXPECT_EQ(Value(), value) << typed;
        EXPECT_EQ(field, shown);
    }
    EXPECT_EQ(parsed.count(), 6);
}

TEST_F(DimensionControllerTest, StepLandsOnTheNextMultipleInItsDirectionWithinTheRange)
{
    controller->SetMaximum(72);
    QSignalSpy parsed(controller.get(), &DimensionController::Parsed);
    const std::tuple<double, double, double> steps[] = {
        {7, 5, 10}, {10, 5, 15}, {7, -5, 5}, {10, -5, 5}, {-7, 5, -5}, {-5, -5, -10}, {0.3, 0.1, 0.4}, {70, 5, 72}, {7, -1e-11, 7},
    };
    for (const auto& [from, amount, expected] : steps) {
        controller->SetValue(from);
        controller->StepBy(amount);
        EXPECT_DOUBLE_EQ(Value(), expected) << from << " by " << amount;
        EXPECT_EQ(field, controller->Format(controller->GetDimension(), -1));
    }
    EXPECT_EQ(parsed.count(), 8);
}

}  // namespace
