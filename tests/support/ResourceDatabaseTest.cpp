#include "support/ResourceDatabase.h"
#include "support/ResourceError.h"

#include <gtest/gtest.h>

#include <string>

namespace {

using Db = ResourceDatabase;

// Escaped dots and stars stay literal, one leading dot is ignored, only leaves hold values, the
// exact component wins over a wildcard binding and a second insert replaces the first.
TEST(ResourceDatabase, KeysArePathsOfComponents)
{
    ResourceDatabasePtr db(Db::Create());
    for (const auto& [key, value] : {std::pair{"panel.title", "Viewer"}, {"panel.title", "Betrachter"},
                                     {"Copy \\.\\.\\.", "Kopieren ..."}, {".a.b", "x"}, {"\\*", "star"},
                                     {"Defaults.*.title", "generic"}, {"Defaults.panel.title", "panel"}})
        ASSERT_TRUE(Db::Insert(db.get(), key, value)) << key;
    const struct { const char* key; const char* value; } rows[] = {
        {"panel.title", "Betrachter"}, {"panel", nullptr}, {"panel.title.x", nullptr},
        {"Copy \\.\\.\\.", "Kopieren ..."}, {"Copy ...", nullptr}, {"a.b", "x"},
        {"\\*", "star"}, {"other", nullptr}, {"never interned", nullptr},
        {"Defaults.dialog.title", "generic"}, {"Defaults.panel.title", "panel"}, {"Defaults.a.b.title", nullptr},
    };
    for (const auto& row : rows) {
        if (row.value != nullptr)
            EXPECT_EQ(Db::Lookup(db.get(), row.key), std::string(row.value)) << row.key;
        else
            EXPECT_FALSE(Db::Lookup(db.get(), row.key)) << row.key;
    }
    EXPECT_EQ(LastResourceError(), ResourceError::None);
    std::string deep = "a";
    for (size_t i = 0; i < Db::kMaxDepth; ++i)
        deep += ".a";
    EXPECT_FALSE(Db::Insert(db.get(), deep.c_str(), "deep")) << "nesting without bound";
}

TEST(ResourceDatabase, MergeAddsMissingKeysTheSourceWinsAndValuesOutliveItInACopy)
{
    ResourceDatabasePtr dst(Db::Create());
    ResourceDatabasePtr src(Db::Create());
    Db::Insert(dst.get(), "a", "old");
    Db::Insert(dst.get(), "b", "kept");
    Db::Insert(src.get(), "a", "new");
    Db::Insert(src.get(), "c.d", "added");
    ASSERT_TRUE(Db::Merge(dst.get(), src.get()));
    ResourceDatabasePtr copy(Db::Copy(dst.get()));
    src.reset();
    Db::Insert(dst.get(), "a", "changed");
    for (const Db* db : {dst.get(), copy.get()}) {
        EXPECT_EQ(Db::Lookup(db, "b"), "kept");
        EXPECT_EQ(Db::Lookup(db, "c.d"), "added");
    }
    EXPECT_EQ(Db::Lookup(copy.get(), "a"), "new");
}

TEST(ResourceDatabase, EveryOperationRefusesAHandleWithoutTheTag)
{
    alignas(Db) char block[64] = "FREED";
    auto* fake = reinterpret_cast<Db*>(block);
    ResourceDatabasePtr real(Db::Create());
    EXPECT_FALSE(Db::Insert(fake, "a", "b"));
    EXPECT_EQ(LastResourceError(), ResourceError::InvalidDatabase);
    Db::Insert(real.get(), "a", "b");
    EXPECT_EQ(LastResourceError(), ResourceError::None);
    EXPECT_FALSE(Db::Lookup(fake, "a"));
    EXPECT_FALSE(Db::Merge(real.get(), fake));
    EXPECT_FALSE(Db::Merge(fake, real.get()));
    EXPECT_EQ(Db::Copy(fake), nullptr);
    EXPECT_FALSE(Db::Lookup(nullptr, "a"));
    EXPECT_EQ(LastResourceError(), ResourceError::InvalidDatabase);
}

} // namespace
