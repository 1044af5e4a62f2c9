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

// One suite as declared, next to the highest entry position the plug-in calls.
struct SuiteRow
{
    std::string_view name;
    std::size_t slots;           // function table length the declaration implies
    std::size_t publishedSlots;  // the highest entry position called, plus one
};

template <class Suite>
constexpr SuiteRow Row(std::size_t lastEntry)
{
    static_assert(sizeof(Suite) % sizeof(void*) == 0, "a suite holds function pointers only");
    return {Suite::kName, sizeof(Suite) / sizeof(void*), lastEntry + 1};
}

template <class Suite>
constexpr SuiteRow EmptyRow()
{
    static_assert(std::is_empty_v<Suite>);
    return {Suite::kName, 0, 0};
}

const SuiteRow kSuites[] = {
    Row<SPBasicSuite>(2),
    Row<SPAccessSuite>(0),
    Row<SPPluginsSuite>(23),
    Row<SPSuitesSuite>(0),
    Row<SPBlocksSuite>(1),
    Row<AIRuntimeSuite>(11),
    Row<AIFoldersSuite>(0),
    Row<AIUnicodeStringSuite>(5),
    Row<AIFilePathSuite>(5),
    Row<AINotifierSuite>(8),
    Row<AITimerSuite>(3),
    Row<AIMenuSuite>(32),
    Row<AIContextSuite>(2),
    Row<AIDocumentSuite>(29),
    Row<AIDocumentViewSuite>(8),
    Row<AIUserSuite>(53),
    Row<AIPanelSuite>(36),
    Row<AIPanelFlyoutMenuSuite>(12),
    Row<ASUserInteractionSuite>(0),
    Row<HLKilnSuite>(45),
    Row<HLKilnODLSuite>(9),
    EmptyRow<BSCDIAGSuite>(),
    Row<HLInkSuite>(23),
    Row<HLInkBookSuite>(24),
    Row<HLKilnHLSuite>(8),
    Row<HLPreferencesSuite>(2),
    Row<CorvaneMessageCenterSuite>(3),
};

}  // namespace

// A table longer than the last entry called would make the plug-in read past what the
// publisher filled; a shorter one cannot happen while the last entry is pinned.
TEST(SuiteTable, EndsAtTheLastEntryCalled)
{
    for (const SuiteRow& row : kSuites)
        EXPECT_EQ(row.slots, row.publishedSlots) << row.name;
}

