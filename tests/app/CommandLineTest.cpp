#include "sim/app/CommandLine.h"

#include <gtest/gtest.h>

#include <utility>

namespace {

using hostapp::ParseCommandLine;
using hostsim::EngineAttendance;

TEST(CommandLine, ReadsOptionsAndDocumentsInAnyOrder)
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
}

TEST(CommandLine, DefaultsToAReadyEngineAndNoScript)
{
    std::string error;
    const auto line = ParseCommandLine({"--plugins", "p"}, error);
    ASSERT_TRUE(line.has_value()) << error;
    EXPECT_EQ(line->engine, EngineAttendance::Ready);
    EXPECT_TRUE(line->script.empty());
    EXPECT_EQ(line->screenshotFolder, ".");
    EXPECT_FALSE(line->describe);

    for (const auto& [word, engine] : {std::pair{"absent", EngineAttendance::Absent},
                                       std::pair{"corrupt", EngineAttendance::Corrupt}}) {
        const auto chosen = ParseCommandLine({"--plugins", "p", "--engine", word}, error);
        ASSERT_TRUE(chosen.has_value()) << word;
        EXPECT_EQ(chosen->engine, engine) << word;
    }
}

TEST(CommandLine, RefusesWhatItCannotUse)
{
    struct Case
    {
        std::vector<std::string> arguments;
        const char* error;
    };
    const Case cases[] = {
        {{}, "--plugins FOLDER is required"},
        {{"label.json"}, "--plugins FOLDER is required"},
        {{"--plugins"}, "--plugins needs a value"},
        {{"--plugins", ""}, "--plugins needs a value"},
        {{"--plugins", "p", "--script"}, "--script needs a value"},
        {{"--plugins", "p", "--engine", "Ready"}, "--engine takes ready, not-ready, corrupt or absent, not Ready"},
        {{"--plugins", "p", "--zoom", "2"}, "unknown option --zoom"},
    };
    for (const Case& c : cases) {
        std::string error;
        EXPECT_FALSE(ParseCommandLine(c.arguments, error).has_value()) << c.error;
        EXPECT_EQ(error, c.error);
    }
}

}  // namespace
