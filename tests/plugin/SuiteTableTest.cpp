#include "plugin/suites/AIContextSuite.h"
#include "plugin/suites/AIDocumentSuite.h"
#include "plugin/suites/AIDocumentViewSuite.h"
#include "plugin/suites/AIFilePathSuite.h"
#include "plugin/suites/AIFoldersSuite.h"
#include "plugin/suites/AIMenuSuite.h"
#include "plugin/suites/AINotifierSuite.h"
#include "plugin/suites/AIPanelFlyoutMenuSuite.h"
#include "plugin/suites/AIPanelSuite.h"
#include "plugin/suites/AIRuntimeSuite.h"
#include "plugin/suites/AITimerSuite.h"
#include "plugin/suites/AIUnicodeStringSuite.h"
#include "plugin/suites/AIUserSuite.h"
#include "plugin/suites/ASUserInteractionSuite.h"
#include "plugin/suites/BSCDIAGSuite.h"
#include "plugin/suites/CorvaneMessageCenterSuite.h"
#include "plugin/suites/HLInkBookSuite.h"
#include "plugin/suites/HLInkSuite.h"
#include "plugin/suites/HLKilnHLSuite.h"
#include "plugin/suites/HLKilnODLSuite.h"
#include "plugin/suites/HLKilnSuite.h"
#include "plugin/suites/HLPreferencesSuite.h"
#include "plugin/suites/SPAccessSuite.h"
#include "plugin/suites/SPBasicSuite.h"
#include "plugin/suites/SPBlocksSuite.h"
#include "plugin/suites/SPPluginsSuite.h"
#include "plugin/suites/SPSuitesSuite.h"

#include <gtest/gtest.h>

#include <set>
#include <string>
#include <string_view>
#include <type_traits>

namespace {

// One suite as declared, next to what the host and the engine publish.
struct SuiteRow
{
    std::string_view declaredName;
    ASInt32 declaredVersion;
    std::size_t declaredSize;
    std::size_t slots;  // function table length the declaration implies
    std::string_view publishedName;
    ASInt32 publishedVersion;
    std::size_t publishedSlots;  // the highest entry position called, plus one
};

template <class Suite>
constexpr SuiteRow Row(std::string_view name, ASInt32 version, std::size_t lastEntry)
{
    return {Suite::kName, Suite::kVersion, sizeof(Suite), sizeof(Suite) / sizeof(void*),
            name,         version,         lastEntry + 1};
}

template <class Suite>
constexpr SuiteRow EmptyRow(std::string_view name, ASInt32 version)
{
    static_assert(std::is_empty_v<Suite>);
    return {Suite::kName, Suite::kVersion, 0, 0, name, version, 0};
}

const SuiteRow kSuites[] = {
    Row<SPBasicSuite>("SP Basic Suite", 4, 2),
    Row<SPAccessSuite>("SP Access Suite", 3, 0),
    Row<SPPluginsSuite>("SP Plug-ins Suite", 6, 23),
    Row<SPSuitesSuite>("SP Suites Suite", 2, 0),
    Row<SPBlocksSuite>("SP Blocks Suite", 2, 1),
    Row<AIRuntimeSuite>("AI Runtime Suite", 12, 11),
    Row<AIFoldersSuite>("AI Folders Suite", 5, 0),
    Row<AIUnicodeStringSuite>("AI Unicode String Suite", 8, 5),
    Row<AIFilePathSuite>("AI File Path Suite", 6, 5),
    Row<AINotifierSuite>("AI Notifier Suite", 4, 8),
    Row<AITimerSuite>("AI Timer Suite", 5, 3),
    Row<AIMenuSuite>("AI Menu Suite", 11, 32),
    Row<AIContextSuite>("AI Context Suite", 9, 2),
    Row<AIDocumentSuite>("AI Document Suite", 16, 29),
    Row<AIDocumentViewSuite>("AI Document View Suite", 13, 8),
    Row<AIUserSuite>("AI User Suite", 15, 53),
    Row<AIPanelSuite>("AI Panel Suite", 3, 36),
    Row<AIPanelFlyoutMenuSuite>("AI Panel Flyout Menu Suite", 2, 12),
    Row<ASUserInteractionSuite>("AS User Interaction Suite", 1, 0),
    Row<HLKilnSuite>("HL Kiln Suite", 11, 45),
    Row<HLKilnODLSuite>("HL KilnODL Suite", 4, 9),
    EmptyRow<BSCDIAGSuite>("BSCDIAG Suite", 1),
    Row<HLInkSuite>("HL Ink Suite", 16, 23),
    Row<HLInkBookSuite>("HL InkBook Suite", 6, 24),
    Row<HLKilnHLSuite>("HL Kiln HL Suite", 1, 8),
    Row<HLPreferencesSuite>("HL Preferences Suite", 1, 2),
    Row<CorvaneMessageCenterSuite>("Corvane Message Center Suite", 2, 3),
};

}  // namespace

TEST(SuiteTable, NamesAndVersionsAreThePublishedOnes)
{
    for (const SuiteRow& row : kSuites) {
        SCOPED_TRACE(std::string(row.publishedName));
        EXPECT_EQ(row.declaredName, row.publishedName);
        EXPECT_EQ(row.declaredVersion, row.publishedVersion);
    }
}

// A table longer than the last entry called would make the plug-in read past what the
// publisher filled; a shorter one cannot happen while the last entry is pinned.
TEST(SuiteTable, EndsAtTheLastEntryCalled)
{
    for (const SuiteRow& row : kSuites) {
        SCOPED_TRACE(std::string(row.publishedName));
        EXPECT_EQ(row.declaredSize, row.slots * sizeof(void*));
        EXPECT_EQ(row.slots, row.publishedSlots);
    }
}

// Suites are acquired by name; two declarations of one name would be two versions of one suite.
TEST(SuiteTable, EveryNameIsDeclaredOnce)
{
    std::set<std::string_view> names;
    for (const SuiteRow& row : kSuites)
        EXPECT_TRUE(names.insert(row.declaredName).second) << row.declaredName;
}
