#include "sim/app/CommandLine.h"

#include <gtest/gtest.h>

namespace {

using hostapp::ParseCommandLine;
using hostsim::EngineAttendance;

TEST(CommandLine, ReadsOptionsAndDocumentsInAnyOrderWithAReadyEngineByDefault)
{
    std::string error;
    const auto line = ParseCommandLine({"a.json", "--plugins", "plugins", "--engine", "not-ready", "b.json", "--script",
                                        "demo.hls", "--screenshot-dir", "shots", "--describe"},
                                       error);
    ASSERT_TRUE(line.has_value()) << error;
    EXPECT_EQ(line->documents, (std::vector<std::string>{"a.json", "b.json"}));
    EXPECT_EQ(line->plugins, "plugins");
    EXPECT_EQ(line->engine, EngineAttendance::NotReady);
    EXPECT_EQ(line->script, "demo.hls");
    EXPECT_EQ(line->screenshotFolder, "shots");
    EXPECT_TRUE(line->describe);
    const auto plain = ParseCommandLine({"--plugins", "p"}, error);
    ASSERT_TRUE(plain.has_value()) << error;
    EXPECT_EQ(plain->engine, EngineAttendance::Ready);
    EXPECT_TRUE(plain->script.empty());
    EXPECT_FALSE(plain->describe);
    EXPECT_EQ(ParseCommandLine({"--plugins", "p", "--engine", "corrupt"}, error)->engine, EngineAttendance::Corrupt);
    EXPECT_EQ(ParseCommandLine({"--plugins", "p", "--engine", "absent"}, error)->engine, EngineAttendance::Absent);
    EXPECT_FALSE(plain->stay);
    EXPECT_TRUE(ParseCommandLine({"--stay", "--plugins", "p", "--script", "start.hls"}, error)->stay);
}

TEST(CommandLine, RefusesWhatItCannotUse)
{
    struct Case
    {
        std::vector<std::string> arguments;
        const char* error;
    };
    const Case cases[] = {
        {{"label.json"}, "--plugins FOLDER is required"},
        {{"--plugins", ""}, "--plugins needs a value"},
        {{"--plugins", "p", "--script"}, "--script needs a value"},
        {{"--plugins", "p", "--engine", "Ready"}, "--engine takes ready, not-ready, corrupt or absent, not Ready"},
        {{"--plugins", "p", "--zoom", "2"}, "unknown option --zoom"},
        {{"--plugins", "p", "--stay"}, "--stay needs --script and goes without --describe"},
        {{"--plugins", "p", "--script", "s.hls", "--stay", "--describe"}, "--stay needs --script and goes without --describe"},
    };
    for (const Case& c : cases) {
        std::string error;
        EXPECT_FALSE(ParseCommandLine(c.arguments, error).has_value()) << c.error;
        EXPECT_EQ(error, c.error);
    }
}

}  // namespace
