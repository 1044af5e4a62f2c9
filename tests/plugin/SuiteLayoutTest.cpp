// The contract with host and engine, checked at compile time on every platform the plug-in is
// built for: each entry position is pinned in its header, and each suite table ends at the last
// entry the plug-in calls, so that an appended entry cannot go unpinned.

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

#include <type_traits>

namespace {

template <class Suite>
constexpr bool EndsAtEntry(std::size_t lastEntryCalled)
{
    return sizeof(Suite) == (lastEntryCalled + 1) * sizeof(void*);
}

static_assert(EndsAtEntry<SPBasicSuite>(2) && EndsAtEntry<SPAccessSuite>(0) && EndsAtEntry<SPPluginsSuite>(23));
static_assert(EndsAtEntry<SPSuitesSuite>(0) && EndsAtEntry<SPBlocksSuite>(1) && EndsAtEntry<AIRuntimeSuite>(11));
static_assert(EndsAtEntry<AIFoldersSuite>(0) && EndsAtEntry<AIUnicodeStringSuite>(5));
static_assert(EndsAtEntry<AIFilePathSuite>(5) && EndsAtEntry<AINotifierSuite>(8) && EndsAtEntry<AITimerSuite>(3));
static_assert(EndsAtEntry<AIMenuSuite>(32) && EndsAtEntry<AIContextSuite>(2) && EndsAtEntry<AIDocumentSuite>(29));
static_assert(EndsAtEntry<AIDocumentViewSuite>(8) && EndsAtEntry<AIUserSuite>(53) && EndsAtEntry<AIPanelSuite>(36));
static_assert(EndsAtEntry<AIPanelFlyoutMenuSuite>(12) && EndsAtEntry<ASUserInteractionSuite>(0));
static_assert(EndsAtEntry<HLKilnSuite>(45) && EndsAtEntry<HLKilnODLSuite>(9) && std::is_empty_v<BSCDIAGSuite>);
static_assert(EndsAtEntry<HLInkSuite>(23) && EndsAtEntry<HLInkBookSuite>(24) && EndsAtEntry<HLKilnHLSuite>(8));
static_assert(EndsAtEntry<HLPreferencesSuite>(2) && EndsAtEntry<CorvaneMessageCenterSuite>(3));

}  // namespace
