#include "settings/CLocaleScanner.h"
#include "settings/PressError.h"
#include "settings/PressFileReader.h"
#include "settings/PressFileWriter.h"
#include "settings/PressSettings.h"
#include "tests/settings/PressTestText.h"
#include "tests/support/LineEnds.h"

#include <gtest/gtest.h>

#include <cmath>
#include <utility>

namespace {

std::unique_ptr<PressSettings> ReadText(const std::string& text)
{
    return PressFileReader::Read(SourceOf(text), "Read");
}

// The version a text loads with; 0 when it gives no record.
int VersionOf(const std::string& text)
{
    const auto read = ReadText(text);
    return read ? read->Version : 0;
}

TEST(PressFileFormatTest, RecordsWriteByteForByteAndReadBackEqual)
{
    EXPECT_EQ(PressFileWriter::Format(PressSettings("Default")), kDefaultRecordText);
    // Pieces of one byte and of a few bytes split every key and value across refills.
    for (const std::string& text : {kDefaultRecordText, kChangedRecordText}) {
        for (const size_t piece : {CLocaleScanner::kChunk, size_t {1}, size_t {7}}) {
            const auto read = PressFileReader::Read(SourceOf(text, piece), "Read");
            ASSERT_TRUE(read) << piece;
            EXPECT_EQ(read->Name, "Read");
            EXPECT_EQ(PressFileWriter::Format(*read), text) << piece;
        }
    }
}

TEST(PressFileFormatTest, TheBasePartAloneLoadsAsVersionOneWithDefaultsAndIsRewrittenWhole)
{
    const auto read = ReadText(FirstLines(kChangedRecordText, 10));
    ASSERT_TRUE(read);
    EXPECT_EQ(read->Version, 1);
    EXPECT_EQ(read->DeviationDistance, 0.5);
    const std::string rewritten = PressFileWriter::Format(*read);
    EXPECT_EQ(rewritten, With(FirstLines(kChangedRecordText, 10), "Version: 3", "Version: 1") +
                             kDefaultRecordText.substr(FirstLines(kDefaultRecordText, 10).size()));
    EXPECT_EQ(VersionOf(rewritten), 3);
}

TEST(PressFileFormatTest, AMisspeltExtensionLineKeepsDefaultsFromThereOn)
{
    const auto read = ReadText(With(kChangedRecordText, "ExcludeMinLuminance", "ExcludeMinLuminence"));
    ASSERT_TRUE(read);
    EXPECT_EQ(read->Version, 1);
    const std::string expected = FirstLines(With(kChangedRecordText, "Version: 3", "Version: 1"), 14) +
                                 kDefaultRecordText.substr(FirstLines(kDefaultRecordText, 14).size());
    EXPECT_EQ(PressFileWriter::Format(*read), expected);
}

TEST(PressFileFormatTest, BrokenOrOddFilesLoadWithTheRightVersionOrNotAtAll)
{
    const std::string& d = kDefaultRecordText;
    const std::pair<std::string, int> cases[] = {
        {With(d, "Version: 3", "Version: 0"), 0},        {With(d, "Version: 3", "Version: -2"), 0},
        {With(d, "Version: 3", "Version: 17"), 3},       {With(d, "Version: 3", "version: 3"), 0},
        {With(d, "Version: 3", "Revision: 3"), 0},       {With(d, "Version: 3", "Version 3"), 0},
        {With(d, "Version: 3", "Version: three"), 0},    {With(d, "IsFlexo: 0", "IsFlexo: x"), 0},
        {With(d, "FirstDot: 1", "FirstDot:"), 0},        {With(d, "TACLimit: 270", "TAClimit: 270"), 0},
        {With(d, "DeviationDistance: 0.1", "DeviationDistance: e"), 0},
        {FirstLines(d, 9), 0},                           {"", 0},
        {std::string("Version: 3\n\0IsFlexo: 0\n", 23), 0}, {std::string("\0\0\0\xFF\xFE", 5), 0},
        {With(d, "25 Dot Gain", "25 dot gain"), 1},
        {FirstLines(d, 12) + std::string("CheckSame\0Angles: 0\n", 20), 1},
        {WithCrLf(d), 3},
        {With(d, "Minimum Dot Gain: 0", "MinimumDotGain:0"), 3},
        {With(d, "Minimum Dot Gain: 0", "Minimum  Dot \t Gain:   0"), 3},
        {With(d, "\nTACLimit: 270.000000\n", "\n\n\n  TACLimit:\n270.000000   \n"), 3},
        {d.substr(0, d.size() - 1), 3},                  {d + "trailing text\n\x01\x02", 3},
    };
    for (const auto& [text, version] : cases)
        EXPECT_EQ(VersionOf(text), version) << text;
}

TEST(PressFileFormatTest, FlagsAreAnyNonZeroValueAndRealsAreSinglePrecision)
{
    const auto read = ReadText(With(With(kDefaultRecordText, "IsFlexo: 0", "IsFlexo: 7"), "HasTAC: 0", "HasTAC: -1"));
    ASSERT_TRUE(read);
    EXPECT_TRUE(read->IsFlexo);
    EXPECT_TRUE(read->HasTAC);
    EXPECT_EQ(read->DeviationDistance, static_cast<double>(0.1f));
    EXPECT_EQ(PressFileWriter::Format(*read),
              With(With(kDefaultRecordText, "IsFlexo: 0", "IsFlexo: 1"), "HasTAC: 0", "HasTAC: 1"));
}

TEST(PressFileFormatTest, ExtremeValuesAreWrittenAsPrintfWritesThem)
{
    PressSettings record("Values");
    record.FirstDot = 2147483647;
    record.MinLuminanceValue = -2147483647 - 1;
    record.TACLimit = 1e300;
    record.FirstDotDarkening = -0.0000005;
    record.SetDotGain(12.3456785, 0.0000004, 99.9999996, -3.25, 1.0 / 3.0);
    const auto printed = [](const char* format, auto... values) {
        char buffer[1024];
        std::snprintf(buffer, sizeof buffer, format, values...);
        return std::string(buffer);
    };
    const std::string text = PressFileWriter::Format(record);
    for (const std::string& lines :
         {printed("FirstDot: %d\nHasDarkening: 0\nFirstDotDarkening: %f\n", record.FirstDot, record.FirstDotDarkening),
          printed("TACLimit: %f\n", record.TACLimit), printed("MinLuminanceValue: %d\n", record.MinLuminanceValue),
          printed("Minimum Dot Gain: %f\n25 Dot Gain: %f\n50 Dot Gain: %f\n75 Dot Gain: %f\nMaximum Dot Gain: %f\n",
                  record.MinimumDotGain, record.DotGain25, record.DotGain50, record.DotGain75, record.MaximumDotGain)})
        EXPECT_NE(text.find(lines), std::string::npos) << lines;
}

TEST(PressFileFormatTest, RegressionACommaLocaleChangesNeitherReadingNorWriting)
{
    CommaLocaleGuard locale;
    if (!locale.Active())
        GTEST_SKIP() << "no German locale (scripts/bootstrap generates de_DE.UTF-8)";
    char probe[16];
    std::snprintf(probe, sizeof probe, "%.1f", 0.5);
    ASSERT_STREQ(probe, "0,5") << "the locale must really use a comma";
    EXPECT_EQ(PressFileWriter::Format(PressSettings("Default")), kDefaultRecordText);
    const auto read = ReadText(With(kDefaultRecordText, "TACLimit: 270.000000", "TACLimit: 280.5"));
    ASSERT_TRUE(read);
    EXPECT_EQ(read->TACLimit, 280.5);
    EXPECT_EQ(VersionOf(With(kDefaultRecordText, "TACLimit: 270.000000", "TACLimit: 280,5")), 0);
}

TEST(PressFileFormatTest, RealsScanLikeStrtofAndIntegersSaturate)
{
    for (const char* text : {"270.000000", "  \n\t-3.25", "+.5", "5.", "2.5E-1", "0x1.8p3", "0x.8", "-INFINITY",
                             "1e39", "1e-50", "123456789", "12abc", "7,5", "nan(123_abc)"}) {
        float value = -7.0f;
        ASSERT_TRUE(CLocaleScanner(SourceOf(text)).ScanReal(value)) << text;
        const float expected = std::strtof(text, nullptr);
        EXPECT_TRUE(value == expected || (std::isnan(value) && std::isnan(expected))) << text;
    }
    for (const char* text : {"", "-", ".", "-.", "e5", "1e", "1e+", "0x", "0x.p1", "in", "infin", "nan(1", ",5"}) {
        float value = 0.0f;
        EXPECT_FALSE(CLocaleScanner(SourceOf(text)).ScanReal(value)) << text;
    }
    const std::pair<const char*, int32_t> integers[] = {
        {"\n 85", 85}, {"+7", 7}, {"0x10", 0}, {"12.9", 12}, {"2147483648", 2147483647},
        {"-99999999999999999999999", -2147483647 - 1}, {"", -7}, {"- 1", -7}, {"x1", -7},
    };
    for (const auto& [text, expected] : integers) {
        int32_t value = -7;
        EXPECT_EQ(CLocaleScanner(SourceOf(text)).ScanInteger(value), expected != -7) << text;
        EXPECT_EQ(value, expected) << text;
    }
}

TEST(PressFileFormatTest, NamesOverTwoHundredFiftyFiveBytesAreRefused)
{
    EXPECT_EQ(PressSettings(std::string(255, 'x')).Name.size(), 255u);
    EXPECT_THROW(PressSettings(std::string(256, 'x')), PressError);
    std::string accented;  // 128 characters, 256 bytes
    for (int i = 0; i < 128; ++i)
        accented += "\xC3\xA9";
    EXPECT_THROW(PressSettings {accented}, PressError);
}

} // namespace
