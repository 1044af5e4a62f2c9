#include "plugin/KnownSuiteTable.h"

#include <gtest/gtest.h>

#include <set>
#include <string>

namespace {

TEST(KnownSuiteTable, HoldsTheRegisteredSuitesAtTheirVersions)
{
    const KnownSuite registered[] = {
        {"AI Notifier Suite", 4},      {"AI Folders Suite", 5},         {"AI File Path Suite", 6},
        {"AI Unicode String Suite", 8}, {"SP Blocks Suite", 2},          {"AI Command Manager Suite", 5},
        {"SP Plug-ins Suite", 6},      {"AI Panel Suite", 3},           {"AI Panel Flyout Menu Suite", 2},
        {"AI User Interface Theme Suite", 2}, {"AI Context Suite", 9},  {"AI User Suite", 15},
        {"AI Modal Parent Suite", 2},  {"AI Action Manager Suite", 5},  {"AI Art Suite", 20},
        {"AI Art Set Suite", 9},       {"AI Custom Color Suite", 8},    {"AI Dictionary Suite", 9},
        {"AI Document Suite", 16},     {"AI Document List Suite", 10},  {"AI Document View Suite", 13},
        {"AI Layer Suite", 13},        {"AI Menu Suite", 11},           {"AI Path Suite", 12},
        {"HL Preferences Suite", 1},   {"AI Rasterize Suite", 11},      {"AI Real Math Suite", 4},
        {"AI Runtime Suite", 12},      {"AI Tag Suite", 4},             {"SP Basic Suite", 4},
        {"SP Suites Suite", 2},        {"SP Runtime Suite", 6},         {"AI Undo Suite", 8},
        {"AI URL Suite", 3},           {"AI Paint Style Suite", 10},    {"AI Color Conversion Suite", 10},
        {"AI Group Suite", 5},         {"AI Artboard Suite", 4},        {"AI Timer Suite", 5},
        {"SP Interface Suite", 2},     {"AI Tool Suite", 17},           {"SP Access Suite", 3},
    };
    for (const KnownSuite& suite : registered)
        EXPECT_LT(FindKnownSuite(suite.name, suite.version), kKnownSuiteCount) << suite.name;
}

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
    EXPECT_EQ(names.size(), 217u);
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
