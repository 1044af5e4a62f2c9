#include "sim/kiln/PreferenceStore.h"

#include "sim/kiln/KilnControlSuite.h"
#include "tests/support/TemporaryFolder.h"

#include <gtest/gtest.h>

namespace {

constexpr const char* kViewer = "Hueline/Viewer";

class PreferenceStoreTest : public ::testing::Test
{
protected:
    ASInt32 ValueOr(const kiln::PreferenceStore& from, const std::string& key, ASInt32 fallback, const char* section = kViewer) const
    {
        from.Get(section, key, fallback);
        return fallback;
    }

    TemporaryFolder folder;
    kiln::PreferenceStore store;
};

TEST_F(PreferenceStoreTest, ReadsSectionsAndSignedValuesAndKeepsChangesForTheNextStore)
{
    folder.Write(kKilnPreferencesFileName, "[Hueline/Viewer]\r\n  KilnImageQuality = 0\nShowSepsOnly=1\n\n[Other]\nShowSepsOnly = -7\n");
    ASSERT_EQ(store.Open(folder.Utf8()), kNoErr);
    EXPECT_EQ(ValueOr(store, "KilnImageQuality", 2), 0);
    EXPECT_EQ(ValueOr(store, "ShowSepsOnly", 0), 1);
    EXPECT_EQ(ValueOr(store, "ShowSepsOnly", 0, "Other"), -7);
    ASInt32 value = 42;
    EXPECT_FALSE(store.Get(kViewer, "AntialiasingMode", value));
    EXPECT_EQ(value, 42);

    ASSERT_EQ(store.Set(kViewer, "AntialiasingMode", 3), kNoErr);
    ASSERT_EQ(store.Remove(kViewer, "ShowSepsOnly"), kNoErr);
    EXPECT_EQ(store.Remove(kViewer, "ShowSepsOnly"), kKilnAbsentKeyError);
    kiln::PreferenceStore next;
    ASSERT_EQ(next.Open(folder.Utf8()), kNoErr);
    EXPECT_EQ(ValueOr(next, "AntialiasingMode", 0), 3);
    EXPECT_EQ(ValueOr(next, "ShowSepsOnly", 5), 5);
    EXPECT_EQ(ValueOr(next, "ShowSepsOnly", 0, "Other"), -7);
}

// A file another component wrote is read for its good lines but never rewritten.
TEST_F(PreferenceStoreTest, AMalformedFileIsReadOnly)
{
    for (const char* line : {"KilnImageQuality = abc", "KilnImageQuality = 2147483648", "KilnImageQuality = 2x",
                             "KilnImageQuality =", "KilnImageQuality", "= 3", "ShowSepsOnly = 0", "[]", "Key\x01 = 1"}) {
        SCOPED_TRACE(line);
        const std::string text = std::string("[Hueline/Viewer]\nShowSepsOnly = 1\n") + line + "\n";
        folder.Write(kKilnPreferencesFileName, text);
        kiln::PreferenceStore malformed;
        EXPECT_EQ(malformed.Open(folder.Utf8()), kKilnMalformedError);
        EXPECT_TRUE(malformed.ReadOnly());
        EXPECT_EQ(malformed.Set(kViewer, "ShowSepsOnly", 0), kKilnReadOnlyError);
        EXPECT_EQ(ValueOr(malformed, "ShowSepsOnly", 0), 1);
        EXPECT_EQ(folder.Read(kKilnPreferencesFileName), text);
    }
    folder.Write(kKilnPreferencesFileName, "ShowSepsOnly = 1\n");  // a key before any section
    EXPECT_EQ(store.Open(folder.Utf8()), kKilnMalformedError);
    EXPECT_EQ(ValueOr(store, "ShowSepsOnly", 5, ""), 5);
}

TEST_F(PreferenceStoreTest, AnUnreadableOrUnwritableFileOrANameItCannotHoldChangesNothing)
{
    std::filesystem::create_directory(folder.File(kKilnPreferencesFileName));
    EXPECT_EQ(store.Open(folder.Utf8()), kKilnFileError);
    EXPECT_EQ(store.Set(kViewer, "ShowSepsOnly", 1), kKilnReadOnlyError);

    kiln::PreferenceStore blocked;
    ASSERT_EQ(blocked.Open(folder.Write("blocked", "a file where the folder should be")), kNoErr);
    EXPECT_EQ(blocked.Set(kViewer, "ShowSepsOnly", 1), kKilnFileError);
    EXPECT_EQ(ValueOr(blocked, "ShowSepsOnly", 0), 0);

    TemporaryFolder empty;
    kiln::PreferenceStore fresh;
    ASSERT_EQ(fresh.Open(empty.Utf8()), kNoErr);
    for (const char* key : {"", " Lead", "Trail ", "Key=Value", "[Key", "Line\nBreak"})
        EXPECT_EQ(fresh.Set(kViewer, key, 1), kKilnMalformedError) << key;
    EXPECT_EQ(fresh.Set("Section]", "Key", 1), kKilnMalformedError);
    EXPECT_TRUE(empty.Entries().empty());
}

}  // namespace
