#include "sim/kiln/CallText.h"

#include <gtest/gtest.h>

#include <limits>

namespace {

TEST(CallTextTest, NumbersAreWrittenInTheirShortestExactFormAndTextsQuotedOntoOneLine)
{
    const std::string line = kiln::CallText("Entry")
                                 .Int(-3)
                                 .Real(300.0)
                                 .Real(0.1)
                                 .Single(0.1f)
                                 .Real(static_cast<double>(0.1f))
                                 .Real(std::numeric_limits<double>::quiet_NaN())
                                 .Line();
    EXPECT_EQ(line, "Entry(-3, 300, 0.1, 0.1, 0.10000000149011612, nan)");
    EXPECT_EQ(kiln::CallText("Entry").Text("a \"b\" \\ c\nd\x7f").Text(nullptr).Text("").Line(),
              "Entry(\"a \\\"b\\\" \\\\ c\\x0ad\\x7f\", null, \"\")");
    EXPECT_EQ(kiln::CallText("JobLoaded").Line(), "JobLoaded()");
}

}  // namespace
