#include "support/BinaryResourceFile.h"
#include "support/ResourceDatabase.h"
#include "support/ResourceError.h"
#include "support/ResourceTypeTable.h"

#include "DatabaseDump.h"
#include "tests/support/TemporaryFolder.h"

#include <gtest/gtest.h>

#include <map>
#include <string>
#include <vector>

namespace {

using Entries = std::map<std::string, std::string>;

bool ReadImage(ResourceDatabase* db, const std::string& image)
{
    std::vector<unsigned char> bytes(image.begin(), image.end()); // exactly sized for ASan
    return BinaryResourceFile::Read(db, bytes.data(), bytes.size());
}

class BinaryResourceFileTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        ResourceDatabase::Insert(source.get(), "a", "1");
        ResourceDatabase::Insert(source.get(), "a.b\\.c", "dotted");
        ResourceDatabase::Insert(source.get(), "Defaults.*.title", "wild");
        ResourceDatabase::Insert(source.get(), "\\*", "literal star");
        ResourceDatabase::Insert(source.get(), "utf8", "K\xc3\xb6ln");
        ASSERT_TRUE(BinaryResourceFile::Write(source.get(), image));
    }

    ResourceDatabasePtr source{ResourceDatabase::Create()};
    ResourceDatabasePtr target{ResourceDatabase::Create()};
    std::string image;
};

TEST_F(BinaryResourceFileTest, HeaderCarriesMagicVersionAndBigEndianTypeNames)
{
    ASSERT_GE(image.size(), 11u + 4 + 6);
    EXPECT_EQ(image.substr(0, 5), "RVRDB");
    EXPECT_EQ(image[5], 1);
    EXPECT_EQ(image[6], 0);
    const auto count = ResourceTypeTable::Names().size();
    EXPECT_EQ(image.substr(7, 4), std::string("\0\0\0", 3) + static_cast<char>(count));
    EXPECT_EQ(image.substr(11, 10), std::string("\0\0\0\x06string", 10));
}

TEST_F(BinaryResourceFileTest, WrittenFileReadsBackEqualMergedIntoExistingContent)
{
    TemporaryFolder folder;
    const std::string path = (folder.Path() / "rv").string();
    ResourceDatabase::Insert(target.get(), "a", "old");
    ResourceDatabase::Insert(target.get(), "only.here", "kept");
    ASSERT_TRUE(BinaryResourceFile::WriteFile(source.get(), path.c_str()));
    ASSERT_TRUE(BinaryResourceFile::ReadFile(target.get(), path.c_str()));
    ResourceDatabase::Insert(source.get(), "only.here", "kept");
    EXPECT_EQ(DumpDatabase(target.get()), DumpDatabase(source.get()));
    EXPECT_EQ(ResourceDatabase::Lookup(target.get(), "Defaults.panel.title"), "wild");
    EXPECT_FALSE(BinaryResourceFile::ReadFile(target.get(), (path + "-missing").c_str()));
    EXPECT_EQ(LastResourceError(), ResourceError::FileAccess);
}

TEST_F(BinaryResourceFileTest, EveryTruncationIsRefusedAndChangesNothing)
{
    ResourceDatabase::Insert(target.get(), "mine", "x");
    const Entries before = DumpDatabase(target.get());
    for (size_t size = 0; size < image.size(); ++size) {
        EXPECT_FALSE(ReadImage(target.get(), image.substr(0, size))) << size;
        EXPECT_EQ(LastResourceError(), ResourceError::BadBinaryFile) << size;
    }
    EXPECT_EQ(DumpDatabase(target.get()), before);
}

TEST_F(BinaryResourceFileTest, HeaderFaultsGiveTheirErrors)
{
    struct Fault {
        size_t offset;
        char byte;
        ResourceError error;
    };
    const Fault faults[] = {
        {0, 'X', ResourceError::BadBinaryFile},
        {4, 'b', ResourceError::BadBinaryFile},
        {5, 2, ResourceError::UnsupportedVersion},
        {5, 0, ResourceError::UnsupportedVersion},
        {6, 1, ResourceError::UnsupportedVersion},
    };
    for (const Fault& fault : faults) {
        std::string broken = image;
        broken[fault.offset] = fault.byte;
        EXPECT_FALSE(ReadImage(target.get(), broken)) << fault.offset;
        EXPECT_EQ(LastResourceError(), fault.error) << fault.offset;
    }
}

TEST_F(BinaryResourceFileTest, InconsistentBodiesAreBadFiles)
{
    const std::string header = image.substr(0, 11) + image.substr(11, 10); // one type: string
    const std::string hostile[] = {
        // Entry count far beyond the data.
        header + std::string("\xff\xff\xff\xff", 4),
        // One entry with a type index of 0, then of 2 (only one type in the file).
        header + std::string("\0\0\0\1" "\0\0\0\1" "\0\0\0\0\1" "k" "\0\0\0\0" "\0\0\0\0", 22),
        header + std::string("\0\0\0\1" "\0\0\0\1" "\0\0\0\0\1" "k" "\0\0\0\2" "\0\0\0\0", 22),
        // A component marker other than 0 or 1.
        header + std::string("\0\0\0\1" "\0\0\0\1" "\7\0\0\0\1" "k" "\0\0\0\1" "\0\0\0\0", 22),
        // A value length beyond the data.
        header + std::string("\0\0\0\1" "\0\0\0\1" "\0\0\0\0\1" "k" "\0\0\0\1" "\x7f\0\0\0", 22),
        // A path deeper than any key may be.
        header + std::string("\0\0\0\1" "\0\1\0\0", 8),
    };
    for (const std::string& body : hostile) {
        EXPECT_FALSE(ReadImage(target.get(), body));
        EXPECT_EQ(LastResourceError(), ResourceError::BadBinaryFile);
    }
    EXPECT_TRUE(DumpDatabase(target.get()).empty());
}

TEST(BinaryResourceFileTypes, FileTypeNamesMapOntoTheProcessTableAndUnusedOnesAreNotRegistered)
{
    const int colour = ResourceTypeTable::Register("colour");
    // A file whose only type is "colour": its type 1 is the process's colour type.
    std::string image("RVRDB\1\0\0\0\0\1\0\0\0\6colour", 21);
    image += std::string("\0\0\0\1" "\0\0\0\1" "\0\0\0\0\1" "k" "\0\0\0\1" "\0\0\0\3" "red", 25);
    ResourceDatabasePtr db(ResourceDatabase::Create());
    std::vector<unsigned char> bytes(image.begin(), image.end());
    ASSERT_TRUE(BinaryResourceFile::Read(db.get(), bytes.data(), bytes.size()));
    EXPECT_EQ(ResourceTypeTable::Register("colour"), colour);
    EXPECT_EQ(DumpDatabase(db.get()), (Entries{{"k|", std::to_string(colour) + ":red"}}));

    const size_t before = ResourceTypeTable::Names().size();
    const std::string unused("RVRDB\1\0\0\0\0\1\0\0\0\4junk" "\0\0\0\0", 23);
    ASSERT_TRUE(ReadImage(db.get(), unused));
    EXPECT_EQ(ResourceTypeTable::Names().size(), before);
}

} // namespace
