#include "settings/PressFileReader.h"

#include "settings/PressFileWriter.h"
#include "settings/PressSettings.h"
#include "tests/settings/PressTestText.h"
#include "tests/support/LineEnds.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <iterator>
#include <memory>
#include <utility>

namespace {

std::unique_ptr<PressSettings> ReadText(const std::string& text)
{
    UniqueFile file = StreamOf(text);
    if (!file) {
        ADD_FAILURE() << "no temporary stream";
        return nullptr;
    }
    return PressFileReader::Read(file.get(), "Read");
}

std::string Replace(std::string text, const std::string& from, const std::string& to)
{
    const size_t at = text.find(from);
    EXPECT_NE(at, std::string::npos) << from;
    return at == std::string::npos ? text : text.replace(at, from.size(), to);
}

// A record whose every field differs from its default.
PressSettings ChangedRecord()
{
    PressSettings record("Changed");
    record.IsFlexo = true;
    record.FirstDot = 7;
    record.HasDarkening = true;
    record.FirstDotDarkening = 12.5;
    record.DarkeningRange = 40.25;
    record.HasTAC = true;
    record.TACLimit = 300.0;
    record.HasDeviation = true;
    record.DeviationDistance = 0.5;
    record.CheckAngleDifference30 = false;
    record.CheckDifferentRulings = false;
    record.CheckSameAngles = false;
    record.CheckDifferentDotshape = false;
    record.ExcludeMinLuminance = false;
    record.ExcludeMaxLuminance = false;
    record.MinLuminanceValue = 3;
    record.MaxLuminanceValue = 90;
    record.ExcludeMinDensity = false;
    record.ExcludeMaxDensity = false;
    record.MinDensityValue = 2.0;
    record.MaxDensityValue = 98.0;
    record.SetDotGain(1.0, 30.0, 60.0, 85.0, 99.0);
    return record;
}

// Lines 15 to 27 at their defaults.
void ExpectDefaultsFromLine15(const PressSettings& record)
{
    const PressSettings defaults("Defaults");
    EXPECT_EQ(record.ExcludeMinLuminance, defaults.ExcludeMinLuminance);
    EXPECT_EQ(record.MaxLuminanceValue, defaults.MaxLuminanceValue);
    EXPECT_EQ(record.MaxDensityValue, defaults.MaxDensityValue);
    EXPECT_EQ(record.MaximumDotGain, defaults.MaximumDotGain);
}

TEST(PressFileReaderTest, AWrittenOrDefaultRecordReadsBackEqual)
{
    const PressSettings written = ChangedRecord();
    const auto read = ReadText(PressFileWriter::Format(written));
    ASSERT_TRUE(read);
    EXPECT_EQ(read->Name, "Read");
    EXPECT_EQ(read->Version, 3);
    EXPECT_EQ(PressFileWriter::Format(*read), PressFileWriter::Format(written));
    const auto defaults = ReadText(kDefaultRecordText);
    ASSERT_TRUE(defaults);
    EXPECT_EQ(PressFileWriter::Format(*defaults), kDefaultRecordText);
}

TEST(PressFileReaderTest, BasePartOnlyGivesVersionOneAndDefaults)
{
    const std::string base = FirstLines(PressFileWriter::Format(ChangedRecord()), 10);
    const auto read = ReadText(base);
    ASSERT_TRUE(read);
    EXPECT_EQ(read->Version, 1);
    EXPECT_TRUE(read->IsFlexo);
    EXPECT_EQ(read->DeviationDistance, 0.5);
    EXPECT_TRUE(read->CheckAngleDifference30);
    ExpectDefaultsFromLine15(*read);

    const std::string rewritten = PressFileWriter::Format(*read);
    EXPECT_EQ(FirstLines(rewritten, 1), "Version: 1\n");
    EXPECT_EQ(std::count(rewritten.begin(), rewritten.end(), '\n'), 27);
    const auto reread = ReadText(rewritten);
    ASSERT_TRUE(reread);
    EXPECT_EQ(reread->Version, 3);
}

TEST(PressFileReaderTest, TheVersionMustBePositiveAndComeFirst)
{
    const std::pair<std::string, bool> cases[] = {
        {"Version: 0\n", false},
        {"Version: -2\n", false},
        {"Version: 2\n", true},
        {"Version: 17\n", true},
        {"version: 3\n", false},
        {"Revision: 3\n", false},
        {"Version 3\n", false},
        {"Version: three\n", false},
    };
    for (const auto& [firstLine, loads] : cases) {
        const auto read = ReadText(Replace(kDefaultRecordText, "Version: 3\n", firstLine));
        EXPECT_EQ(read != nullptr, loads) << firstLine;
        if (read) {
            EXPECT_EQ(read->Version, 3) << "the file's value is not kept";
        }
    }
}

TEST(PressFileReaderTest, AnyBrokenBaseLineLosesTheWholeRecord)
{
    const char* const brokenLines[] = {
        "IsFlexo: x\n", "FirstDot:\n", "HasDarkening 0\n", "FirstDotDarkening: ,5\n",
        "DarkeningRange: .\n", "HasTAC: -\n", "TAClimit: 270\n", "HasDeviation: +\n",
        "DeviationDistance: 1e\n",
    };
    const std::string lines[] = {
        "IsFlexo: 0\n", "FirstDot: 1\n", "HasDarkening: 0\n", "FirstDotDarkening: 10.000000\n",
        "DarkeningRange: 50.000000\n", "HasTAC: 0\n", "TACLimit: 270.000000\n",
        "HasDeviation: 0\n", "DeviationDistance: 0.100000\n",
    };
    for (size_t i = 0; i < std::size(lines); ++i)
        EXPECT_FALSE(ReadText(Replace(kDefaultRecordText, lines[i], brokenLines[i])))
            << brokenLines[i];
    EXPECT_FALSE(ReadText(FirstLines(kDefaultRecordText, 9)));
    EXPECT_FALSE(ReadText(""));
}

TEST(PressFileReaderTest, AMisspeltOrMiscasedExtensionLineKeepsDefaultsFromThereOn)
{
    const std::string changed = PressFileWriter::Format(ChangedRecord());
    const auto read = ReadText(Replace(changed, "ExcludeMinLuminance", "ExcludeMinLuminence"));
    ASSERT_TRUE(read);
    EXPECT_EQ(read->Version, 1);
    EXPECT_FALSE(read->CheckAngleDifference30);
    EXPECT_FALSE(read->CheckDifferentRulings);
    EXPECT_FALSE(read->CheckSameAngles);
    EXPECT_FALSE(read->CheckDifferentDotshape);
    ExpectDefaultsFromLine15(*read);
    const auto miscased = ReadText(Replace(kDefaultRecordText, "25 Dot Gain", "25 dot gain"));
    ASSERT_TRUE(miscased);
    EXPECT_EQ(miscased->Version, 1);
}

TEST(PressFileReaderTest, AnyNonZeroFlagIsTrueWrittenBackAsOneAndRealsAreReadInSinglePrecision)
{
    const auto read = ReadText(Replace(kDefaultRecordText, "IsFlexo: 0", "IsFlexo: 7"));
    ASSERT_TRUE(read);
    EXPECT_TRUE(read->IsFlexo);
    EXPECT_NE(PressFileWriter::Format(*read).find("\nIsFlexo: 1\n"), std::string::npos);
    const auto negative = ReadText(Replace(kDefaultRecordText, "HasTAC: 0", "HasTAC: -1"));
    ASSERT_TRUE(negative);
    EXPECT_TRUE(negative->HasTAC);
    const auto single = ReadText(Replace(kDefaultRecordText, "50 Dot Gain: 0.000000", "50 Dot Gain: 0.1"));
    ASSERT_TRUE(single);
    EXPECT_EQ(single->DeviationDistance, static_cast<double>(0.1f));
    EXPECT_NE(single->DeviationDistance, 0.1);
    EXPECT_EQ(single->DotGain50, static_cast<double>(0.1f));
    EXPECT_NE(PressFileWriter::Format(*single).find("\nDeviationDistance: 0.100000\n"), std::string::npos);
}

TEST(PressFileReaderTest, LineEndsAndBlanksMatchAnyWhiteSpace)
{
    const std::string variants[] = {
        WithCrLf(kDefaultRecordText),
        Replace(kDefaultRecordText, "Minimum Dot Gain: 0.000000", "MinimumDotGain:0.000000"),
        Replace(kDefaultRecordText, "Minimum Dot Gain: 0.000000", "Minimum  Dot \t Gain:   0.000000"),
        Replace(kDefaultRecordText, "\nTACLimit: 270.000000\n", "\n\n\n  TACLimit:\n270.000000   \n"),
        kDefaultRecordText.substr(0, kDefaultRecordText.size() - 1),
        kDefaultRecordText + "trailing text is ignored\n\x01\x02",
    };
    for (const auto& text : variants) {
        const auto read = ReadText(text);
        ASSERT_TRUE(read) << text;
        EXPECT_EQ(read->Version, 3) << text;
        EXPECT_EQ(read->TACLimit, 270.0);
    }
}

TEST(PressFileReaderTest, NulBytesAndBinaryGarbageGiveNoRecord)
{
    EXPECT_FALSE(ReadText(std::string("Version: 3\n\0IsFlexo: 0\n", 23)));
    EXPECT_FALSE(ReadText(std::string("\0\0\0\xFF\xFE", 5)));
    const auto truncatedExtension =
        ReadText(FirstLines(kDefaultRecordText, 12) + std::string("CheckSame\0Angles: 0\n", 20));
    ASSERT_TRUE(truncatedExtension);
    EXPECT_EQ(truncatedExtension->Version, 1);
}

TEST(PressFileReaderTest, RegressionCommaLocaleStillReadsPoints)
{
    CommaLocaleGuard locale;
    if (!locale.Active())
        GTEST_SKIP() << "no German locale (scripts/bootstrap generates de_DE.UTF-8)";
    float probe = 0.0f;
    ASSERT_EQ(std::sscanf("0,5", "%f", &probe), 1);
    ASSERT_EQ(probe, 0.5f) << "the locale must really use a comma";
    const auto read = ReadText(Replace(kDefaultRecordText, "TACLimit: 270.000000", "TACLimit: 280.5"));
    ASSERT_TRUE(read);
    EXPECT_EQ(read->Version, 3);
    EXPECT_EQ(read->TACLimit, 280.5);
    EXPECT_EQ(read->DeviationDistance, static_cast<double>(0.1f));
    EXPECT_FALSE(ReadText(Replace(kDefaultRecordText, "TACLimit: 270.000000", "TACLimit: 280,5")))
        << "a comma ends the number, and the rest of the line then breaks the base part";
}

} // namespace
