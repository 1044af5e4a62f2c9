#include "support/FileName.h"

#include <gtest/gtest.h>

#include <string>

namespace {

using namespace std::string_literals;

// One name per rule, and near misses the rules must let through.
TEST(FileName, PlainNamesMeanOneFileInTheFolderOnEveryPlatform)
{
    for (const std::string& name : {"Untitled 1"s, "Dru\xC3\xA7k"s, "CONSOLE"s, "COM0"s, "LPT10"s, "x..y"s,
                                    "#1 (new)"s, std::string(255, 'n')})
        EXPECT_TRUE(FileName::IsPlainName(name)) << name;
    for (const std::string& name :
         {""s, ".."s, ".hidden"s, "a/b"s, "a\\b"s, "C:name"s, "tab\there"s, "nul\0inside"s, "del\x7F"s,
          "trailing dot."s, "trailing blank "s, "what?"s, "<angle>"s, "quote\""s, "pipe|"s, "star*"s, "con"s,
          "Nul.txt"s, "aux "s, "lpt9.x"s, "bad\xC0\xAF" "utf8"s})
        EXPECT_FALSE(FileName::IsPlainName(name)) << testing::PrintToString(name);
}

} // namespace
