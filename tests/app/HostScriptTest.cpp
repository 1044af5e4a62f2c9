// Runs hueline-host in script mode, offscreen, as scripts/run and a person's scripts do.

#include "tests/support/TemporaryFolder.h"

#include <QImage>

#include <gtest/gtest.h>

#include <sys/wait.h>

#include <cstdlib>
#include <future>
#include <iterator>
#include <string>
#include <vector>

namespace {

struct HostRun
{
    int status;
    std::string out;
    std::string err;
};

class HostScriptTest : public testing::Test
{
protected:
    // Runs the host with `arguments` after the plug-in folder; `environment` goes before the
    // program (e.g. "env -u DISPLAY").
    HostRun Run(const std::string& plugins, const std::string& arguments, const std::string& environment = "env",
                const std::string& tag = "run") const
    {
        // Qt's offscreen platform keeps its screen for the life of the process.
        const std::string sanitizers = "LSAN_OPTIONS=suppressions=" LSAN_SUPPRESSIONS ":print_suppressions=0 "
                                       "ASAN_OPTIONS=fast_unwind_on_malloc=0 ";
        const std::string command = "cd '" + m_folder.Utf8() + "' && " + environment + " " + sanitizers + HOST_APP +
                                    " --plugins '" + plugins + "' " + arguments + " >" + tag + ".out 2>" + tag + ".err";
        const int result = std::system(command.c_str());
        return HostRun{WIFEXITED(result) ? WEXITSTATUS(result) : -1, m_folder.Read(tag + ".out"), m_folder.Read(tag + ".err")};
    }

    // Runs `script` as "<tag>.hls"; runs with different tags may go on at the same time.
    HostRun RunScript(const std::string& plugins, const std::string& script, const std::string& tag = "test",
                      const std::string& engine = "absent") const
    {
        m_folder.Write(tag + ".hls", script);
        return Run(plugins, "--engine " + engine + " --script " + tag + ".hls --screenshot-dir shots", "env", tag);
    }

    static std::string Sample(const std::string& name) { return std::string(SAMPLES_DIR) + "/" + name; }

    TemporaryFolder m_folder;
};

TEST_F(HostScriptTest, OpensSwitchesEditsZoomsAndScrollsWithoutADisplay)
{
    m_folder.Write("test.hls", "open " + Sample("label.json") + "\n" +
                                   "open " + Sample("rgb-poster.json") + "\n"
                                   "expect document rgb-poster.json\n"
                                   "switch label.json\n"
                                   "expect document label.json\n"
                                   "edit move 3 10 -5\n"
                                   "edit recolour 1 Cyan 40 \"PANTONE 186 C\" 20\n"
                                   "edit add rectangle 10 50 40 20 Black 100\n"
                                   "expect revision 3\n"
                                   "zoom 200\n"
                                   "expect zoom 200\n"
                                   "zoom in\n"
                                   "expect zoom 400\n"
                                   "scroll 40 -20\n"
                                   "close rgb-poster.json\n"
                                   "screenshot window.png\n"
                                   "describe\n");
    const HostRun run = Run(PLUGIN_DIR, "--script test.hls --screenshot-dir shots", "env -u DISPLAY -u QT_QPA_PLATFORM");

    ASSERT_EQ(run.status, 0) << run.err;
    EXPECT_NE(run.out.find("Documents:\n  label.json revision 3 (current)\n"), std::string::npos) << run.out;
    EXPECT_EQ(run.out.find("rgb-poster.json"), std::string::npos) << "closed documents are gone";
    EXPECT_NE(run.out.find("Plug-in KilnKernel.aip"), std::string::npos);
    const QImage shot(QString::fromStdString((m_folder.Path() / "shots" / "window.png").string()));
    EXPECT_EQ(shot.size(), QSize(1280, 820));
}

// The lines of `out` between the line `heading` and the next line that is not indented.
std::vector<std::string> Section(const std::string& out, const std::string& heading)
{
    std::vector<std::string> lines;
    std::size_t at = out.find(heading + "\n");
    if (at == std::string::npos)
        return lines;
    for (at += heading.size() + 1; out.compare(at, 2, "  ") == 0;) {
        const std::size_t end = out.find('\n', at);
        lines.push_back(out.substr(at + 2, end - at - 2));
        at = end + 1;
    }
    return lines;
}

TEST_F(HostScriptTest, DescriptionShowsTheViewerMenuAndTheEngineStartupPushInOrder)
{
    const HostRun run = Run(PLUGIN_DIR, "--describe");

    ASSERT_EQ(run.status, 0) << run.err;
    EXPECT_NE(run.out.find("Plug-in Viewer.aip \"Hueline Viewer\": start-up result 0\n"), std::string::npos) << run.out;
    EXPECT_NE(run.out.find("Menus:\n"
                           "Tool Palettes\n"
                           "  Hueline [Hueline_HL]\n"
                           "    Viewer [Viewer_HL]\n"
                           "      Viewer [Viewer_HL]\n"
                           "      Generate [Generate_HL, disabled]\n"
                           "Notifiers:\n"),
              std::string::npos)
        << run.out;
    std::vector<std::string> engineCalls;
    for (const std::string& call : Section(run.out, "Engine calls:"))
        if (call.compare(0, 3, "Get") != 0)
            engineCalls.push_back(call.substr(0, call.find('(')));
    EXPECT_EQ(engineCalls, (std::vector<std::string>{"IsEngineReady", "SetImageQuality", "SetMergeSimilarInks",
                                                     "SetShowTechnicalInks", "SetTACLimit", "SetFirstDot",
                                                     "SetFirstDotDarkening", "SetDarkeningRange",
                                                     "SetDeviationDistance", "SetMoireChecks",
                                                     "SetShowRoundedDensities", "SetAntialiasingMode"}))
        << run.out;
    EXPECT_EQ(run.out.find("Dialogs:"), std::string::npos) << "a ready engine brings no message";
}

TEST_F(HostScriptTest, CorruptEngineBringsTheViewersMessageAndLeavesOnlyTheGroupItem)
{
    const HostRun run = RunScript(PLUGIN_DIR,
                                  "expect dialog \"Viewer is unable to find the KilnKernel plug-in, it may be missing or "
                                  "corrupt.\"\n"
                                  "expect menu Window/Hueline enabled\n"
                                  "expect menu Engine/Ready checked\n"
                                  "describe\n",
                                  "corrupt", "corrupt");

    ASSERT_EQ(run.status, 0) << run.err;
    EXPECT_EQ(Section(run.out, "Dialogs:"),
              std::vector<std::string>{"untitled: \"Viewer\" \"Viewer is unable to find the KilnKernel plug-in, it "
                                       "may be missing or corrupt.\" [OK] answered Escape"})
        << run.out;
    EXPECT_NE(run.out.find("Menus:\nTool Palettes\n  Hueline [Hueline_HL]\nNotifiers:\n"), std::string::npos) << run.out;
    EXPECT_EQ(Section(run.out, "Engine calls:"), std::vector<std::string>{}) << "the viewer pushes nothing";
}

TEST_F(HostScriptTest, ArrangedAnswerClicksTheDialogsButtonAndAMissingOneFailsTheLine)
{
    const HostRun run = RunScript(PLUGIN_DIR, "answer Cancel\n"
                                              "menu \"File/Open...\"\n"
                                              "expect dialog \"Open Document\"\n"
                                              "describe\n"
                                              "answer Never\n"
                                              "menu \"File/Open...\"\n"
                                              "echo not reached\n");

    EXPECT_EQ(run.status, 1);
    EXPECT_NE(run.out.find("\"Open Document\":"), std::string::npos) << run.out;
    EXPECT_NE(run.out.find("[Cancel] answered Cancel\n"), std::string::npos) << run.out;
    EXPECT_NE(run.err.find("test.hls:6: dialog \"Open Document\" has no enabled button \"Never\""), std::string::npos)
        << run.err;
    EXPECT_EQ(run.out.find("not reached"), std::string::npos);
}

TEST_F(HostScriptTest, ScriptErrorNamesTheLineAndTheProblem)
{
    struct Case
    {
        const char* line;
        const char* problem;
    };
    const Case cases[] = {
        {"zom 200", "unknown command \"zom\""},
        {"zoom 1,5", "a zoom must be a number, not \"1,5\""},
        {"expect document other.json", "the current document is \"label.json\", expected \"other.json\""},
        {"expect dialog Viewer", "no dialog showed \"Viewer\""},
        {"menu \"Window/Nothing\"", "no menu item \"Nothing\" in \"Window/Nothing\""},
        {"edit recolour 1 \"PANTONE 999\" 100", "unknown ink \"PANTONE 999\""},
        {"edit move 99 1 1", "artwork 99"},
    };
    // Each case is a host process of its own; they run side by side.
    std::vector<std::future<HostRun>> runs;
    for (std::size_t i = 0; i < std::size(cases); ++i) {
        const std::string script = "# opens the label\nopen " + Sample("label.json") + "\n" + cases[i].line + "\necho not reached\n";
        runs.push_back(std::async(std::launch::async, [this, script, i] { return RunScript(PLUGIN_DIR, script, "case" + std::to_string(i)); }));
    }
    for (std::size_t i = 0; i < std::size(cases); ++i) {
        const HostRun run = runs[i].get();
        const std::string name = "case" + std::to_string(i) + ".hls:3: ";
        EXPECT_EQ(run.status, 1) << cases[i].line;
        EXPECT_NE(run.err.find(name + cases[i].problem), std::string::npos) << cases[i].line << "\n" << run.err;
        EXPECT_EQ(run.out.find("not reached"), std::string::npos) << cases[i].line;
    }
}

TEST_F(HostScriptTest, MalformedDocumentIsReportedAndOpensNothing)
{
    m_folder.Write("bad.json", R"({"format": "Hueline document", "version": 1, "colorModel": "CMYK",
                                   "page": {"width": 0, "height": 100}})");
    const HostRun run = Run(PLUGIN_DIR, "--engine absent --describe '" + Sample("label.json") + "' bad.json");

    EXPECT_EQ(run.status, 1);
    EXPECT_NE(run.err.find("bad.json: page: width and height must be above 0 and at most 16383 points"), std::string::npos)
        << run.err;
    EXPECT_NE(run.out.find("Documents:\n  label.json revision 0 (current)\nEngine: absent\n"), std::string::npos) << run.out;

    const HostRun script = RunScript(PLUGIN_DIR, "open bad.json\n", "bad");
    EXPECT_EQ(script.status, 1);
    EXPECT_NE(script.err.find("bad.hls:1: bad.json: page:"), std::string::npos) << script.err;
}

TEST_F(HostScriptTest, MenuCommandReachesThePluginAfterItsUpdate)
{
    const HostRun run = RunScript(ECHO_PLUGIN_DIR, "menu \"Window/Echo_HL\"\ndescribe\n");

    ASSERT_EQ(run.status, 0) << run.err;
    EXPECT_NE(run.out.find("|AI Update|AI Go [Echo_HL]"), std::string::npos) << run.out;
}

TEST_F(HostScriptTest, EngineMenuFollowsTheEngineState)
{
    m_folder.Write("test.hls", "expect menu Engine/Ready checked\n"
                               "engine not-ready\n"
                               "expect menu Engine/Ready unchecked\n"
                               "expect menu Engine/Connected checked\n"
                               "engine connection warning \"Slow\"\n"
                               "expect menu \"Engine/Connection Warning\" checked\n"
                               "menu Engine/Ready\n"
                               "expect menu Engine/Ready checked\n"
                               "menu \"Engine/Not Connected\"\n"
                               "expect menu \"Engine/Connection Warning\" unchecked\n");
    const HostRun ready = Run(PLUGIN_DIR, "--script test.hls");
    EXPECT_EQ(ready.status, 0) << ready.err;

    m_folder.Write("absent.hls", "expect menu Engine/Ready disabled\n");
    const HostRun absent = Run(PLUGIN_DIR, "--engine absent --script absent.hls");
    EXPECT_EQ(absent.status, 0) << absent.err;
}

TEST_F(HostScriptTest, PanelInADockIsShownTypedIntoClickedAndPhotographed)
{
    const HostRun run = RunScript(PANEL_PLUGIN_DIR, "expect menu \"Window/Panel Echo\" unchecked\n"
                                                    "menu \"Window/Panel Echo\"\n"
                                                    "expect menu \"Window/Panel Echo\" checked\n"
                                                    "type Greeting \"Hello dock\"\n"
                                                    "click Apply in \"Panel Echo\"\n"
                                                    "expect control \"Applied Hello dock\"\n"
                                                    "expect field Greeting \"Hello dock\" in PanelEcho\n"
                                                    "screenshot panel.png panel \"Panel Echo\"\n"
                                                    "menu \"Window/Panel Echo\"\n"
                                                    "expect menu \"Window/Panel Echo\" unchecked\n");

    ASSERT_EQ(run.status, 0) << run.err;
    const QImage shot(QString::fromStdString((m_folder.Path() / "shots" / "panel.png").string()));
    EXPECT_GE(shot.width(), 206);
    EXPECT_GE(shot.height(), 120);
}

TEST_F(HostScriptTest, HiddenPanelControlsCannotBeReached)
{
    const HostRun run = RunScript(PANEL_PLUGIN_DIR, "click Apply\n");
    EXPECT_EQ(run.status, 1);
    EXPECT_NE(run.err.find("test.hls:1: no control shows \"Apply\""), std::string::npos) << run.err;
}

TEST_F(HostScriptTest, BadCommandLineShowsUsage)
{
    const HostRun run = Run(PLUGIN_DIR, "--engine sometimes");
    EXPECT_EQ(run.status, 2);
    EXPECT_NE(run.err.find("--engine takes ready, not-ready, corrupt or absent, not sometimes"), std::string::npos) << run.err;
    EXPECT_NE(run.err.find("usage: hueline-host"), std::string::npos);
}

}  // namespace

TEST_F(HostScriptTest, ViewerPanelPicturesToolTipsAndFlyoutEntriesAreReachable)
{
    const HostRun run = RunScript(PLUGIN_DIR,
                                  "menu \"Window/Hueline/Viewer/Viewer\"\n"
                                  "expect state picture:16051 checked\n"
                                  "click picture:16051\n"
                                  "expect state picture:16052 unchecked\n"
                                  "expect tip picture:16209 \"Hueline is connected\"\n"
                                  "expect tip picture:16003 \"\"\n"
                                  "answer Close\n"
                                  "flyout \"Hueline Viewer\" \"Dot Gain Settings...\"\n"
                                  "tip picture:16209\n"
                                  "screenshot tip.png panel \"Hueline Viewer\" tip picture:16209\n"
                                  "expect state picture:16003 enabled\n",
                                  "test", "ready");
    EXPECT_EQ(run.status, 1);
    EXPECT_NE(run.err.find("test.hls:11: control \"picture:16003\" is not enabled"), std::string::npos) << run.err;
    EXPECT_NE(run.out.find("Hueline is connected to its colour service.\n"), std::string::npos) << run.out;
    const QImage withTip(QString::fromStdString((m_folder.Path() / "shots" / "tip.png").string()));
    EXPECT_FALSE(withTip.isNull());
}
