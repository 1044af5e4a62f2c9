#include "sim/kiln/PreferenceStore.h"

#include "sim/kiln/KilnControlSuite.h"
#include "tests/support/TemporaryFolder.h"

#include <gtest/gtest.h>

namespace {

class PreferenceStoreTest : public ::testing::Test
{
protected:
    std::string FilePath() const { return folder.File(kKilnPreferencesFileName); }

    ASInt32 ValueOr(const std::string& section, const std::string& key, ASInt32 fallback) const
    {
        store.Get(section, key, fallback);
        return fallback;
    }

    TemporaryFolder folder;
    kiln::PreferenceStore store;
};

TEST_F(PreferenceStoreTest, ReadsSectionsKeysAndSignedValuesAndLeavesTheCallersValueForAnAbsentKey)
{
    folder.Write(kKilnPreferencesFileName, "[Hueline/Viewer]\r\n  KilnImageQuality = 0\nShowSepsOnly=1\n\n[Other]\nShowSepsOnly = -7\n");
    ASSERT_EQ(store.Open(folder.Path().string()), kNoErr);
    EXPECT_EQ(ValueOr("Hueline/Viewer", "KilnImageQuality", 2), 0);
    EXPECT_EQ(ValueOr("Hueline/Viewer", "ShowSepsOnly", 0), 1);
    EXPECT_EQ(ValueOr("Other", "ShowSepsOnly", 0), -7);
    EXPECT_FALSE(store.ReadOnly());
    ASInt32 value = 42;
    EXPECT_FALSE(store.Get("Hueline/Viewer", "AntialiasingMode", value));
    EXPECT_EQ(value, 42);
}

TEST_F(PreferenceStoreTest, ChangesPersistForTheNextStore)
{
    ASSERT_EQ(store.Open(folder.Path().string()), kNoErr);
    ASSERT_EQ(store.Set("Hueline/Viewer", "ShowSepsOnly", 1), kNoErr);
    ASSERT_EQ(store.Set("Hueline/Viewer", "AntialiasingMode", 3), kNoErr);
    ASSERT_EQ(store.Remove("Hueline/Viewer", "AntialiasingMode"), kNoErr);

    kiln::PreferenceStore next;
    ASSERT_EQ(next.Open(folder.Path().string()), kNoErr);
    ASInt32 value = 0;
    EXPECT_TRUE(next.Get("Hueline/Viewer", "ShowSepsOnly", value));
    EXPECT_EQ(value, 1);
    EXPECT_FALSE(next.Get("Hueline/Viewer", "AntialiasingMode", value));
    EXPECT_EQ(store.Remove("Hueline/Viewer", "AntialiasingMode"), kKilnAbsentKeyError);
}

TEST_F(PreferenceStoreTest, WithoutAFolderTheStoreLivesInMemory)
{
    ASSERT_EQ(store.Open(""), kNoErr);
    EXPECT_EQ(store.Set("Hueline/Viewer", "ShowSepsOnly", 1), kNoErr);
    EXPECT_EQ(ValueOr("Hueline/Viewer", "ShowSepsOnly", 0), 1);
    EXPECT_TRUE(std::filesystem::is_empty(folder.Path()));
}

struct MalformedLine
{
    const char* line;
    const char* name;
};

class MalformedPreferenceFile : public PreferenceStoreTest, public ::testing::WithParamInterface<MalformedLine>
{
};

TEST_P(MalformedPreferenceFile, IsReadForItsGoodLinesAndNeverRewritten)
{
    const std::string text = std::string("[Hueline/Viewer]\nShowSepsOnly = 1\n") + GetParam().line + "\n";
    folder.Write(kKilnPreferencesFileName, text);
    EXPECT_EQ(store.Open(folder.Path().string()), kKilnMalformedError) << GetParam().line;
    EXPECT_TRUE(store.ReadOnly());
    EXPECT_EQ(ValueOr("Hueline/Viewer", "ShowSepsOnly", 0), 1);
    EXPECT_EQ(store.Set("Hueline/Viewer", "ShowSepsOnly", 0), kKilnReadOnlyError);
    EXPECT_EQ(ValueOr("Hueline/Viewer", "ShowSepsOnly", 0), 1);
    EXPECT_EQ(folder.Read(kKilnPreferencesFileName), text);
}

INSTANTIATE_TEST_SUITE_P(Lines, MalformedPreferenceFile,
                         ::testing::Values(MalformedLine{"KilnImageQuality = abc", "UnparsableNumber"},
                                           MalformedLine{"KilnImageQuality = 2147483648", "BeyondThirtyTwoBits"},
                                           MalformedLine{"KilnImageQuality = 2x", "TrailingText"},
                                           MalformedLine{"KilnImageQuality =", "NoValue"},
                                           MalformedLine{"KilnImageQuality", "NoEqualsSign"},
                                           MalformedLine{"= 3", "NoKey"},
                                           MalformedLine{"ShowSepsOnly = 0", "DuplicateKey"},
                                           MalformedLine{"[]", "EmptySectionName"},
                                           MalformedLine{"Key\x01 = 1", "ControlByte"}),
                         [](const auto& info) { return std::string(info.param.name); });

TEST_F(PreferenceStoreTest, AnUnreadableFileMakesTheStoreReadOnlyAndAKeyBeforeAnySectionIsMalformed)
{
    std::filesystem::create_directory(FilePath());
    EXPECT_EQ(store.Open(folder.Path().string()), kKilnFileError);
    EXPECT_EQ(store.Set("Hueline/Viewer", "ShowSepsOnly", 1), kKilnReadOnlyError);
    TemporaryFolder other;
    other.Write(kKilnPreferencesFileName, "ShowSepsOnly = 1\n");
    kiln::PreferenceStore keyOutsideASection;
    EXPECT_EQ(keyOutsideASection.Open(other.Path().string()), kKilnMalformedError);
    ASInt32 value = 5;
    keyOutsideASection.Get("", "ShowSepsOnly", value);
    EXPECT_EQ(value, 5);
}

TEST_F(PreferenceStoreTest, NamesTheFileCannotHoldAreRefused)
{
    ASSERT_EQ(store.Open(folder.Path().string()), kNoErr);
    for (const char* key : {"", " Lead", "Trail ", "Key=Value", "[Key", "Line\nBreak"})
        EXPECT_EQ(store.Set("Hueline/Viewer", key, 1), kKilnMalformedError) << key;
    EXPECT_EQ(store.Set("Section]", "Key", 1), kKilnMalformedError);
    EXPECT_FALSE(std::filesystem::exists(FilePath()));
}

TEST_F(PreferenceStoreTest, AFailedWriteKeepsTheOldValue)
{
    const std::filesystem::path blocked = folder.Path() / "blocked";
    folder.Write("blocked", "a file where the folder should be");
    ASSERT_EQ(store.Open(blocked.string()), kNoErr);
    EXPECT_EQ(store.Set("Hueline/Viewer", "ShowSepsOnly", 1), kKilnFileError);
    EXPECT_EQ(ValueOr("Hueline/Viewer", "ShowSepsOnly", 0), 0);
}

}  // namespace
