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
TEST(FourCC, ReadsAsTextFromTheMostSignificantByte)
{
    struct Row { std::int32_t code; std::uint32_t value; };
    const Row rows[] = {
        {FourCC("S!Fd"), 0x53214664u}, {FourCC("SMAL"), 0x534D414Cu}, {FourCC("SPCk"), 0x5350436Bu},
        {FourCC("ErRN"), 0x4572524Eu}, {FourCC("ErAM"), 0x4572414Du}, {FourCC("ErRM"), 0x4572524Du},
        {FourCC("ErAT"), 0x45724154u}, {FourCC("ErRT"), 0x45725254u}, {FourCC("!KLN"), 0x214B4C4Eu},
    };
    for (const Row& row : rows)
        EXPECT_EQ(static_cast<std::uint32_t>(row.code), row.value);
}

TEST(FourCC, HighBitCodesStayNegative)
{
    EXPECT_LT(FourCC("\xff\xff\xff\xff"), 0);
    EXPECT_EQ(FourCC("\xff\xff\xff\xff"), -1);
}
