#include "settings/PressScanner.h"

#include "tests/settings/PressTestText.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <optional>

namespace {

std::optional<float> ScanReal(const std::string& text)
{
    UniqueFile file = StreamOf(text);
    PressScanner scanner(file.get());
    float value = -7.0f;
    return scanner.ScanReal(value) ? std::optional<float>(value) : std::nullopt;
}

std::optional<int32_t> ScanInteger(const std::string& text)
{
    UniqueFile file = StreamOf(text);
    PressScanner scanner(file.get());
    int32_t value = -7;
    return scanner.ScanInteger(value) ? std::optional<int32_t>(value) : std::nullopt;
}

constexpr float kInfinity = std::numeric_limits<float>::infinity();

TEST(PressScannerTest, RealsFollowStrtofInTheClassicLocale)
{
    const std::pair<const char*, float> cases[] = {
        {"270.000000", 270.0f},  {"  \n\t-3.25", -3.25f}, {"+.5", 0.5f},
        {"5.", 5.0f},            {"1e3", 1000.0f},       {"2.5E-1", 0.25f},
        {"0x1.8p3", 12.0f},      {"0XAp-1", 5.0f},       {"0x.8", 0.5f},
        {"inf", kInfinity},      {"-INFINITY", -kInfinity}, {"1e39", kInfinity},
        {"-1e400", -kInfinity},  {"1e-50", 0.0f},        {"0.0000000000000000000000000000000000000000000000001", 0.0f},
        {"123456789", 123456792.0f}, {"12abc", 12.0f},   {"7,5", 7.0f},
    };
    for (const auto& [text, expected] : cases) {
        const auto value = ScanReal(text);
        ASSERT_TRUE(value) << text;
        EXPECT_EQ(*value, expected) << text;
        EXPECT_EQ(*value, std::strtof(text, nullptr)) << text;
    }
}

TEST(PressScannerTest, NotANumberIsAccepted)
{
    for (const char* text : {"nan", "NaN", "-nan", "nan(123_abc)"}) {
        const auto value = ScanReal(text);
        ASSERT_TRUE(value) << text;
        EXPECT_TRUE(std::isnan(*value)) << text;
    }
}

TEST(PressScannerTest, IncompleteRealsFail)
{
    for (const char* text : {"", "   ", "-", "+", ".", "-.", "e5", "1e", "1e+", "0x", "0x.p1", "in",
                             "infin", "na", "nan(1", ",5", "x"})
        EXPECT_FALSE(ScanReal(text)) << text;
}

TEST(PressScannerTest, IntegersAreDecimalAndSaturate)
{
    const std::pair<const char*, int32_t> cases[] = {
        {"0", 0},
        {"\n 85", 85},
        {"-2", -2},
        {"+7", 7},
        {"0x10", 0},
        {"12.9", 12},
        {"2147483647", 2147483647},
        {"2147483648", 2147483647},
        {"99999999999999999999999", 2147483647},
        {"-2147483648", -2147483647 - 1},
        {"-99999999999999999999999", -2147483647 - 1},
    };
    for (const auto& [text, expected] : cases) {
        const auto value = ScanInteger(text);
        ASSERT_TRUE(value) << text;
        EXPECT_EQ(*value, expected) << text;
    }
    for (const char* text : {"", "-", "+", "x1", "- 1"})
        EXPECT_FALSE(ScanInteger(text)) << text;
}

TEST(PressScannerTest, BlanksInLiteralsMatchAnyWhiteSpace)
{
    const std::pair<const char*, bool> cases[] = {
        {"Minimum Dot Gain:", true},
        {"MinimumDotGain:", true},
        {"Minimum \r\n\t Dot  Gain:", true},
        {"minimum Dot Gain:", false},
        {"Minimum Dot Gain;", false},
        {"Minimum Dot", false},
    };
    for (const auto& [text, matches] : cases) {
        UniqueFile file = StreamOf(text);
        PressScanner scanner(file.get());
        EXPECT_EQ(scanner.MatchLiteral("Minimum Dot Gain:"), matches) << text;
    }
}

} // namespace
