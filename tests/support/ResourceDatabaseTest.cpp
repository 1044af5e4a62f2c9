#include "support/ResourceDatabase.h"
#include "support/ResourceError.h"
#include "tests/support/HeapInUse.h"

#include <gtest/gtest.h>

#include <string>

namespace {

using Db = ResourceDatabase;

// The localisation tests look up wildcards, escaped dots and merged modules through real files;
// these are the rules they do not reach.
TEST(ResourceDatabase, KeysArePathsOfComponentsAndCopiesOwnTheirValues)
{
    ResourceDatabasePtr db(Db::Create());
    for (const auto& [key, value] : {std::pair{".a.b", "leading dot"}, {"\\*", "literal star"}, {"x", "1"}, {"x", "2"}})
        ASSERT_TRUE(Db::Insert(db.get(), key, value)) << key;
    EXPECT_EQ(Db::Lookup(db.get(), "a.b"), "leading dot");
    EXPECT_EQ(Db::Lookup(db.get(), "\\*"), "literal star");
    for (const char* absent : {"a", "a.b.c", "other", "never interned"})
        EXPECT_FALSE(Db::Lookup(db.get(), absent)) << absent;
    EXPECT_EQ(LastResourceError(), ResourceError::None);
    std::string deep = "a";
    for (size_t i = 0; i < Db::kMaxDepth; ++i)
        deep += ".a";
    EXPECT_FALSE(Db::Insert(db.get(), deep.c_str(), "deep")) << "nesting without bound";

    ResourceDatabasePtr copy(Db::Copy(db.get()));
    Db::Insert(db.get(), "x", "3");
    db.reset();
    EXPECT_EQ(Db::Lookup(copy.get(), "x"), "2");
}

// Each database owns the names of its keys: a process that loads and drops databases of ever new
// keys (a fuzzer, a long session) keeps none of them.
TEST(ResourceDatabase, FreeingADatabaseReleasesTheNamesOfItsKeys)
{
    if (!HeapInUse())
        GTEST_SKIP() << "no count of the heap in use";
    const auto fill = [](const std::string& prefix) {
        ResourceDatabasePtr db(Db::Create());
        for (int i = 0; i < 2000; ++i)
            ASSERT_TRUE(Db::Insert(db.get(), (prefix + std::to_string(i) + ".*.b").c_str(), "v"));
        ResourceDatabasePtr merged(Db::Copy(db.get()));
        EXPECT_EQ(Db::Lookup(merged.get(), (prefix + "7.any.b").c_str()), "v");
    };
    fill("warm");
    const std::size_t before = *HeapInUse();
    fill("fresh");
    EXPECT_LE(*HeapInUse(), before + 1024);
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
