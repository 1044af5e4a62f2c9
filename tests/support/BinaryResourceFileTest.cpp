#include "support/BinaryResourceFile.h"
#include "support/ResourceDatabase.h"
#include "support/ResourceError.h"
#include "support/ResourceTypeTable.h"

#include "DatabaseDump.h"
#include "tests/support/TemporaryFolder.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

bool ReadImage(ResourceDatabase* db, const std::string& image)
{
    std::vector<unsigned char> bytes(image.begin(), image.end()); // exactly sized for ASan
    return BinaryResourceFile::Read(db, bytes.data(), bytes.size());
}

// A file of wildcards, escaped and literal stars and UTF-8, read into a database with content
// of its own.
class BinaryResourceFileTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        for (const auto& [key, value] : {std::pair{"a", "1"}, {"a.b\\.c", "dotted"}, {"Defaults.*.title", "wild"},
                                         {"\\*", "literal star"}, {"utf8", "K\xc3\xb6ln"}})
            ResourceDatabase::Insert(source.get(), key, value);
        ASSERT_TRUE(BinaryResourceFile::Write(source.get(), image));
        ResourceDatabase::Insert(target.get(), "mine", "x");
    }

    void ExpectRefused(const std::string& broken, ResourceError error)
    {
        const auto before = DumpDatabase(target.get());
        EXPECT_FALSE(ReadImage(target.get(), broken));
        EXPECT_EQ(LastResourceError(), error);
        EXPECT_EQ(DumpDatabase(target.get()), before);
    }

    ResourceDatabasePtr source{ResourceDatabase::Create()};
    ResourceDatabasePtr target{ResourceDatabase::Create()};
    std::string image;
};

// Magic, version, a zero byte, then the type names, counts and lengths big-endian.
TEST_F(BinaryResourceFileTest, WrittenFileHasTheHeaderAndReadsBackMergedIntoExistingContent)
{
    const auto types = static_cast<char>(ResourceTypeTable::Names().size());
    EXPECT_EQ(image.substr(0, 21), std::string("RVRDB\1\0\0\0\0", 10) + types + std::string("\0\0\0\x06string", 10));
    TemporaryFolder folder;
    ASSERT_TRUE(BinaryResourceFile::WriteFile(source.get(), folder.File("rv").c_str()));
    ASSERT_TRUE(BinaryResourceFile::ReadFile(target.get(), folder.File("rv").c_str()));
    ResourceDatabase::Insert(source.get(), "mine", "x");
    EXPECT_EQ(DumpDatabase(target.get()), DumpDatabase(source.get()));
    EXPECT_FALSE(BinaryResourceFile::ReadFile(target.get(), folder.File("missing").c_str()));
    EXPECT_EQ(LastResourceError(), ResourceError::FileAccess);
}

TEST_F(BinaryResourceFileTest, TruncatedOrBrokenFilesAreRefusedAndChangeNothing)
{
    for (size_t size = 0; size < image.size(); ++size)
        ExpectRefused(image.substr(0, size), ResourceError::BadBinaryFile);
    for (const auto& [offset, byte, error] :
         {std::tuple{0, 'X', ResourceError::BadBinaryFile}, {4, 'b', ResourceError::BadBinaryFile},
          {5, '\2', ResourceError::UnsupportedVersion}, {5, '\0', ResourceError::UnsupportedVersion},
          {6, '\1', ResourceError::UnsupportedVersion}}) {
        std::string broken = image;
        broken[static_cast<size_t>(offset)] = byte;
        ExpectRefused(broken, error);
    }
    // After the header of the one type "string": entry count, path depth, component marker and
    // length, component, type index, value length.
    for (const std::string& body : {
             std::string("\xff\xff\xff\xff", 4),                                              // count beyond the data
             std::string("\0\0\0\1" "\0\0\0\1" "\0\0\0\0\1" "k" "\0\0\0\0" "\0\0\0\0", 22),   // type index 0
             std::string("\0\0\0\1" "\0\0\0\1" "\0\0\0\0\1" "k" "\0\0\0\2" "\0\0\0\0", 22),   // type index 2
             std::string("\0\0\0\1" "\0\0\0\1" "\7\0\0\0\1" "k" "\0\0\0\1" "\0\0\0\0", 22),   // marker 7
             std::string("\0\0\0\1" "\0\0\0\1" "\0\0\0\0\1" "k" "\0\0\0\1" "\x7f\0\0\0", 22), // value too long
             std::string("\0\0\0\1" "\0\1\0\0", 8),                                            // path too deep
         })
        ExpectRefused(image.substr(0, 21) + body, ResourceError::BadBinaryFile);
}

// A file whose only type is "colour": its type 1 is the process's colour type. A type name no
// value uses is not registered.
TEST(BinaryResourceFileTypes, FileTypeNamesMapOntoTheProcessTable)
{
    const int colour = ResourceTypeTable::Register("colour");
    ResourceDatabasePtr db(ResourceDatabase::Create());
    ASSERT_TRUE(ReadImage(db.get(), std::string("RVRDB\1\0\0\0\0\1\0\0\0\6colour", 21)
                                        + std::string("\0\0\0\1" "\0\0\0\1" "\0\0\0\0\1" "k" "\0\0\0\1" "\0\0\0\3" "red", 25)));
    EXPECT_EQ(ResourceTypeTable::Register("colour"), colour);
    EXPECT_EQ(DumpDatabase(db.get()), (std::map<std::string, std::string>{{"k|", std::to_string(colour) + ":red"}}));
    const size_t before = ResourceTypeTable::Names().size();
    ASSERT_TRUE(ReadImage(db.get(), std::string("RVRDB\1\0\0\0\0\1\0\0\0\4junk" "\0\0\0\0", 23)));
    EXPECT_EQ(ResourceTypeTable::Names().size(), before);
}

} // namespace
