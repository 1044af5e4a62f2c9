#include "support/FileName.h"

#include <gtest/gtest.h>

#include <string>
#include <utility>

namespace {

using namespace std::string_literals;

// One name per rule, and near misses the rules must let through.
TEST(FileName, PlainNamesMeanOneFileInTheFolderOnEveryPlatform)
{
    for (const std::string& name : {"Untitled 1"s, "Dru\xC3\xA7k"s, "CONSOLE"s, "COM0"s, "LPT10"s, "x..y"s,
                                    "#1 (new)"s, std::string(255, 'n')})
        EXPECT_TRUE(FileName::IsPlainName(name)) << name;
    using Fault = FileName::Fault;
    const std::pair<std::string, Fault> refused[] = {
        {""s, Fault::Empty},
        {".."s, Fault::LeadingDot},
        {".hidden"s, Fault::LeadingDot},
        {"trailing dot."s, Fault::TrailingBlankOrDot},
        {"trailing blank "s, Fault::TrailingBlankOrDot},
        {"aux "s, Fault::TrailingBlankOrDot},
        {"a/b"s, Fault::ForbiddenCharacter},
        {"a\\b"s, Fault::ForbiddenCharacter},
        {"C:name"s, Fault::ForbiddenCharacter},
        {"tab\there"s, Fault::ForbiddenCharacter},
        {"nul\0inside"s, Fault::ForbiddenCharacter},
        {"del\x7F"s, Fault::ForbiddenCharacter},
        {"what?"s, Fault::ForbiddenCharacter},
        {"<angle>"s, Fault::ForbiddenCharacter},
        {"quote\""s, Fault::ForbiddenCharacter},
        {"pipe|"s, Fault::ForbiddenCharacter},
        {"star*"s, Fault::ForbiddenCharacter},
        {"bad\xC0\xAF" "utf8"s, Fault::ForbiddenCharacter},
        {"con"s, Fault::DeviceName},
        {"Nul.txt"s, Fault::DeviceName},
        {"lpt9.x"s, Fault::DeviceName},
    };
    for (const auto& [name, fault] : refused) {
        EXPECT_FALSE(FileName::IsPlainName(name)) << testing::PrintToString(name);
        EXPECT_EQ(FileName::PlainNameFault(name), fault) << testing::PrintToString(name);
    }
}

} // namespace
