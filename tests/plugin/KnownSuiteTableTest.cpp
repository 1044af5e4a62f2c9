#include "plugin/KnownSuiteTable.h"

#include <gtest/gtest.h>

#include <set>
#include <string>

namespace {

TEST(KnownSuiteTable, NamesAreUniqueAndOfTheHostFamilies)
{
    std::set<std::string> names;
    for (const KnownSuite& suite : kKnownSuiteTable) {
        EXPECT_TRUE(names.insert(suite.name).second) << suite.name;
        const std::string name = suite.name;
        EXPECT_TRUE(name.rfind("AI ", 0) == 0 || name.rfind("ATE ", 0) == 0 || name.rfind("AS ", 0) == 0 ||
                    name.rfind("SP ", 0) == 0 || name == "HL Preferences Suite")
            << name;
    }
}

TEST(KnownSuiteTable, LookupIsExactAndTheVersionOptional)
{
    EXPECT_EQ(FindKnownSuite("AI Menu Suite"), FindKnownSuite("AI Menu Suite", 11));
    EXPECT_EQ(FindKnownSuite("AI Menu Suite", 10), kKnownSuiteCount);
    EXPECT_EQ(FindKnownSuite("AI Menu Suite "), kKnownSuiteCount);
    EXPECT_EQ(FindKnownSuite("AI menu Suite"), kKnownSuiteCount);
    EXPECT_EQ(FindKnownSuite("AI Menu"), kKnownSuiteCount);
}

}  // namespace
