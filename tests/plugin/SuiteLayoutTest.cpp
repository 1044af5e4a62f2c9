#include "plugin/suites/AIContextSuite.h"
#include "plugin/suites/AIFilePathSuite.h"
#include "plugin/suites/AIFoldersSuite.h"
#include "plugin/suites/AIMenuSuite.h"
#include "plugin/suites/AINotifierSuite.h"
#include "plugin/suites/AIRuntimeSuite.h"
#include "plugin/suites/AITimerSuite.h"
#include "plugin/suites/AIUnicodeStringSuite.h"
#include "plugin/suites/SPAccessSuite.h"
#include "plugin/suites/SPBasicSuite.h"
#include "plugin/suites/SPBlocksSuite.h"
#include "plugin/suites/SPMessages.h"
#include "plugin/suites/SPPluginsSuite.h"
#include "plugin/suites/SPSuitesSuite.h"

#include <gtest/gtest.h>

// Entry positions are pinned at compile time; this checks the codes that cross the boundary.
TEST(FourCC, ReadsAsTextFromTheMostSignificantByteAndHighBitCodesStayNegative)
{
    EXPECT_EQ(static_cast<std::uint32_t>(FourCC("S!Fd")), 0x53214664u);
    EXPECT_EQ(static_cast<std::uint32_t>(FourCC("!KLN")), 0x214B4C4Eu);
    EXPECT_EQ(FourCC("\xff\xff\xff\xff"), -1);
}
