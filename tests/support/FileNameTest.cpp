#include "support/FileName.h"

#include "support/platform/FileSystem.h"

#include <gtest/gtest.h>

#include <string>

namespace {

TEST(FileNameTest, AcceptsPlainNames)
{
    const std::string plain[] = {
        "Default", "Untitled 1", "a", "coated 60 lpi", "Dru\xC3\xA7k", "CONSOLE", "COM0", "LPT10",
        "a.b", "x..y", "#1 (new)", std::string(255, 'n'),
    };
    for (const auto& name : plain)
        EXPECT_TRUE(FileName::IsPlainName(name)) << name;
}

TEST(FileNameTest, RefusesNamesThatAreNotOneFileInTheFolder)
{
    const std::string refused[] = {
        "",
        ".",
        "..",
        ".hidden",
        "../escape",
        "a/b",
        "a\\b",
        "/absolute",
        "C:name",
        "stream:x",
        "line\nbreak",
        "tab\there",
        std::string("nul\0inside", 10),
        "bell\x07",
        "del\x7F",
        "trailing dot.",
        "trailing blank ",
        "what?",
        "star*",
        "pipe|",
        "<angle>",
        "quote\"",
        "CON",
        "con",
        "Nul.txt",
        "aux ",
        "COM1",
        "lpt9.x",
        "bad\xC0\xAF" "utf8",
    };
    for (const auto& name : refused)
        EXPECT_FALSE(FileName::IsPlainName(name)) << testing::PrintToString(name);
}

TEST(FileNameTest, JoinPutsExactlyOneSeparatorBetween)
{
    const std::string separator(1, platform::kPathSeparator);
    EXPECT_EQ(FileName::Join("base", "name"), "base" + separator + "name");
    EXPECT_EQ(FileName::Join("base" + separator, "name"), "base" + separator + "name");
    EXPECT_EQ(FileName::Join("", "name"), "name");
    EXPECT_TRUE(FileName::EndsWithSeparator("x" + separator));
    EXPECT_FALSE(FileName::EndsWithSeparator("x"));
    EXPECT_FALSE(FileName::EndsWithSeparator(""));
}

} // namespace
