#include "support/ResourceDatabase.h"
#include "support/ResourceError.h"
#include "support/ResourceNameTable.h"

#include <gtest/gtest.h>

#include <string>

namespace {

class ResourceDatabaseTest : public ::testing::Test {
protected:
    ResourceDatabasePtr db{ResourceDatabase::Create()};

    std::optional<std::string> Find(const char* key) { return ResourceDatabase::Lookup(db.get(), key); }
};

TEST_F(ResourceDatabaseTest, InsertThenLookupGivesTheValueOfLeavesOnlyAndReplacesOnSecondInsert)
{
    ASSERT_TRUE(ResourceDatabase::Insert(db.get(), "panel.title", "Viewer"));
    EXPECT_EQ(Find("panel.title"), "Viewer");
    ASSERT_TRUE(ResourceDatabase::Insert(db.get(), "panel.title", "Betrachter"));
    EXPECT_EQ(Find("panel.title"), "Betrachter");
    EXPECT_EQ(LastResourceError(), ResourceError::None);
    ResourceDatabase::Insert(db.get(), "a.b.c", "x");
    EXPECT_FALSE(Find("a.b"));
    EXPECT_FALSE(Find("a.b.c.d"));
    EXPECT_FALSE(Find("never interned component"));
    EXPECT_EQ(LastResourceError(), ResourceError::None);
}

TEST_F(ResourceDatabaseTest, EscapedDotsAndStarsStayLiteralAndOneLeadingDotIsIgnored)
{
    ResourceDatabase::Insert(db.get(), "Copy \\.\\.\\.", "Kopieren ...");
    EXPECT_EQ(Find("Copy \\.\\.\\."), "Kopieren ...");
    EXPECT_FALSE(Find("Copy ..."));
    const auto path = ResourceDatabase::SplitKey("Copy \\.\\.\\.");
    ASSERT_EQ(path.size(), 1u);
    EXPECT_EQ(path[0].text, "Copy ...");
    ResourceDatabase::Insert(db.get(), ".a.b", "x");
    EXPECT_EQ(Find("a.b"), "x");
    EXPECT_EQ(ResourceDatabase::SplitKey("..a").size(), 3u);
    ResourceDatabase::Insert(db.get(), "\\*", "star");
    EXPECT_EQ(Find("\\*"), "star");
    EXPECT_FALSE(Find("other"));
    EXPECT_TRUE(ResourceDatabase::SplitKey("*")[0].wildcard);
    EXPECT_FALSE(ResourceDatabase::SplitKey("\\*")[0].wildcard);
}

TEST_F(ResourceDatabaseTest, WildcardBindingMatchesAnyOneComponentButExactWins)
{
    ResourceDatabase::Insert(db.get(), "Defaults.*.title", "generic");
    ResourceDatabase::Insert(db.get(), "Defaults.panel.title", "panel");
    EXPECT_EQ(Find("Defaults.dialog.title"), "generic");
    EXPECT_EQ(Find("Defaults.panel.title"), "panel");
    EXPECT_FALSE(Find("Defaults.a.b.title"));
}

TEST_F(ResourceDatabaseTest, MergeAddsMissingKeysLaterSourceWinsAndValuesOutliveTheSourceAsInACopy)
{
    ResourceDatabasePtr src(ResourceDatabase::Create());
    ResourceDatabase::Insert(db.get(), "a", "old");
    ResourceDatabase::Insert(db.get(), "b", "kept");
    ResourceDatabase::Insert(src.get(), "a", "new");
    ResourceDatabase::Insert(src.get(), "c.d", "added");
    ASSERT_TRUE(ResourceDatabase::Merge(db.get(), src.get()));
    EXPECT_EQ(Find("a"), "new");
    EXPECT_EQ(Find("b"), "kept");
    EXPECT_EQ(Find("c.d"), "added");
    ResourceDatabasePtr copy(ResourceDatabase::Copy(db.get()));
    ASSERT_TRUE(copy);
    src.reset();
    ResourceDatabase::Insert(db.get(), "a", "2");
    EXPECT_EQ(ResourceDatabase::Lookup(copy.get(), "a"), "new");
    EXPECT_EQ(ResourceDatabase::Lookup(copy.get(), "c.d"), "added");
}

TEST_F(ResourceDatabaseTest, VisitReportsEveryValueWithItsPath)
{
    ResourceDatabase::Insert(db.get(), "a", "1");
    ResourceDatabase::Insert(db.get(), "a.b\\.c", "2");
    int count = 0;
    ResourceDatabase::Visit(db.get(), [&](const ResourceDatabase::Path& path,
                                          const ResourceDatabase::Value& value) {
        ++count;
        if (value.data == "2") {
            EXPECT_EQ(path.size(), 2u);
            EXPECT_EQ(path[1].text, "b.c");
        }
        return true;
    });
    EXPECT_EQ(count, 2);
}

TEST_F(ResourceDatabaseTest, KeysNestedBeyondTheLimitAreRefused)
{
    std::string key = "a";
    for (size_t i = 0; i < ResourceDatabase::kMaxDepth; ++i)
        key += ".a";
    EXPECT_FALSE(ResourceDatabase::Insert(db.get(), key.c_str(), "deep"));
    EXPECT_FALSE(Find(key.c_str()));
}

TEST(ResourceDatabaseTag, EveryOperationRefusesAHandleWithoutTheTag)
{
    alignas(ResourceDatabase) char block[64] = "FREED";
    auto* fake = reinterpret_cast<ResourceDatabase*>(block);
    ResourceDatabasePtr real(ResourceDatabase::Create());

    EXPECT_FALSE(ResourceDatabase::Insert(fake, "a", "b"));
    EXPECT_EQ(LastResourceError(), ResourceError::InvalidDatabase);
    ResourceDatabase::Insert(real.get(), "a", "b");
    EXPECT_EQ(LastResourceError(), ResourceError::None);
    EXPECT_FALSE(ResourceDatabase::Lookup(fake, "a"));
    EXPECT_EQ(LastResourceError(), ResourceError::InvalidDatabase);
    EXPECT_FALSE(ResourceDatabase::Merge(real.get(), fake));
    EXPECT_FALSE(ResourceDatabase::Merge(fake, real.get()));
    EXPECT_EQ(ResourceDatabase::Copy(fake), nullptr);
    EXPECT_FALSE(ResourceDatabase::Lookup(nullptr, "a"));
    EXPECT_EQ(LastResourceError(), ResourceError::InvalidDatabase);
}

TEST(ResourceNameTable, EqualTextsInternToOneName)
{
    EXPECT_EQ(ResourceNameTable::Intern("same"), ResourceNameTable::Intern(std::string("sa") + "me"));
    EXPECT_NE(ResourceNameTable::Intern("same"), ResourceNameTable::Intern("Same"));
}

} // namespace
