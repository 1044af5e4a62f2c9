// Runs hueline-host in script mode, offscreen, as scripts/run and a person's scripts do. Each run
// is a process of its own, so each test plays one whole scenario.

#include "tests/support/TemporaryFolder.h"
#include "tests/viewer/export/ProofFile.h"

#include <QImage>

#include <gtest/gtest.h>

#include <sys/wait.h>

#include <cstdlib>
#include <filesystem>
#include <string>
#include <utility>
#include <vector>

namespace {

struct HostRun
{
    int status;
    std::string out;
    std::string err;
};

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

class HostScriptTest : public testing::Test
{
protected:
    // Runs the host on the build's plug-ins with `arguments`, in the test's folder, which is also
    // the shared documents folder; `environment` goes before the program.
    HostRun Run(const std::string& arguments, const std::string& environment = "env",
                const std::string& plugins = PLUGIN_DIR) const
    {
        // Qt's offscreen platform keeps its screen for the life of the process.
        const std::string command = "cd '" + m_folder.Utf8() + "' && " + environment + " HUELINE_SHARED_DOCUMENTS='" +
                                    m_folder.Utf8() + "' LSAN_OPTIONS=suppressions=" LSAN_SUPPRESSIONS ":print_suppressions=0"
                                    " ASAN_OPTIONS=fast_unwind_on_malloc=0 " HOST_APP " --plugins '" + plugins + "' " +
                                    arguments + " >run.out 2>run.err";
        const int result = std::system(command.c_str());
        return HostRun{WIFEXITED(result) ? WEXITSTATUS(result) : -1, m_folder.Read("run.out"), m_folder.Read("run.err")};
    }

    QImage Shot(const std::string& name) const
    {
        return QImage(QString::fromStdString((m_folder.Path() / "shots" / name).string()));
    }

    static std::string Sample(const std::string& name) { return std::string(SAMPLES_DIR) + "/" + name; }

    TemporaryFolder m_folder;
};

// The demo plays its own expectations on the viewer's menu and panel; the summary shows what
// the viewer pushed to the engine at start-up.
TEST_F(HostScriptTest, PlaysTheDemoWithoutADisplay)
{
    const HostRun run = Run("--script " + Sample("demo.hls") + " --screenshot-dir shots --describe " + Sample("label.json"),
                            "env -u DISPLAY -u WAYLAND_DISPLAY -u QT_QPA_PLATFORM");

    ASSERT_EQ(run.status, 0) << run.err;
    EXPECT_NE(run.out.find("Plug-in Viewer.aip \"Hueline Viewer\": start-up result 0\n"), std::string::npos) << run.out;
    EXPECT_NE(run.out.find("Tool Palettes\n  Hueline [Hueline_HL]\n    Viewer [Viewer_HL]\n"
                           "      Viewer [Viewer_HL, checked]\n      Generate [Generate_HL]\n"),
              std::string::npos)
        << run.out;
    std::vector<std::string> pushed;
    for (const std::string& call : Section(run.out, "Engine calls:"))
        if (call.compare(0, 3, "Get") != 0 && pushed.size() < 14)
            pushed.push_back(call.substr(0, call.find('(')));
    EXPECT_EQ(pushed, (std::vector<std::string>{"SetDotGainCurve", "SetTrapLayerVisible", "IsEngineReady", "SetImageQuality", "SetMergeSimilarInks",
                                                "SetShowTechnicalInks", "SetTACLimit", "SetFirstDot",
                                                "SetFirstDotDarkening", "SetDarkeningRange", "SetDeviationDistance",
                                                "SetMoireChecks", "SetShowRoundedDensities", "SetAntialiasingMode"}));
    // The panel's flyout opened the dot gain settings, once to look and once to make "Untitled",
    // and Generate refused the RGB poster; a ready engine brings no message.
    const std::string list = "\"Dot Gain Settings\": [Close] [New ...] [Copy ...] [Edit ...] [Remove] answered ";
    const std::vector<std::string> dialogs = Section(run.out, "Dialogs:");
    ASSERT_EQ(dialogs.size(), 5u) << run.out;
    EXPECT_EQ(dialogs[2].substr(0, dialogs[2].find(':')), "\"New Dot Gain Settings\"");
    EXPECT_EQ(m_folder.Read("Hueline/dot_gain_curves/Untitled.press").substr(0, 11), "Version: 3\n");
    EXPECT_EQ((std::vector<std::string>{dialogs[0], dialogs[1], dialogs[3], dialogs[4]}),
              (std::vector<std::string>{list + "Close", list + "New ...", list + "Close",
                                        "untitled: \"RGB documents not supported\" \"RGB documents cannot be viewed in "
                                        "Viewer.\" [OK] answered OK"}))
        << run.out;
    EXPECT_EQ(Shot("host-label.png").size(), QSize(1280, 820));
    EXPECT_FALSE(Shot("viewer-ink-warning.png").isNull());
}

TEST_F(HostScriptTest, CommandsEditDocumentsDriveTheEngineAnswerDialogsAndStopAtTheFirstFailingLine)
{
    m_folder.Write("bad.json", R"({"format": "Hueline document", "version": 1, "colorModel": "CMYK",
                                   "page": {"width": 0, "height": 100}})");
    m_folder.Write("test.hls", "# the label, then the poster\nopen " + Sample("label.json") + "\nopen " +
                                   Sample("rgb-poster.json") + "\n"
                                   "expect document rgb-poster.json\n"
                                   "switch label.json\n"
                                   "edit move 3 10 -5\n"
                                   "edit recolour 1 Cyan 40 \"PANTONE 186 C\" 20\n"
                                   "edit add rectangle 10 50 40 20 Black 100\n"
                                   "expect revision 3\n"
                                   "zoom 200\n"
                                   "zoom in\n"
                                   "expect zoom 400\n"
                                   "scroll 40 -20\n"
                                   "close rgb-poster.json\n"
                                   "expect document label.json\n"
                                   "engine not-ready\n"
                                   "expect menu Engine/Ready unchecked\n"
                                   "engine connection warning \"Slow\"\n"
                                   "expect menu \"Engine/Connection Warning\" checked\n"
                                   "menu Engine/Ready\n"
                                   "expect menu Engine/Ready checked\n"
                                   "menu \"Engine/Not Connected\"\n"
                                   "expect menu \"Engine/Connection Warning\" unchecked\n"
                                   "answer Cancel\n"
                                   "menu \"File/Open...\"\n"
                                   "expect dialog \"Open Document\"\n"
                                   "screenshot window.png\n"
                                   "describe\n"
                                   "open bad.json\n"
                                   "echo not reached\n");
    const HostRun run = Run("--script test.hls --screenshot-dir shots");

    EXPECT_EQ(run.status, 1);
    EXPECT_NE(run.err.find("test.hls:29: bad.json: page: width and height must be above 0 and at most 16383 points"),
              std::string::npos)
        << run.err;
    EXPECT_EQ(Section(run.out, "Documents:"), std::vector<std::string>{"label.json revision 3 (current)"}) << run.out;
    EXPECT_NE(run.out.find("\"Open Document\""), std::string::npos) << run.out;
    EXPECT_NE(run.out.find("[Cancel] answered Cancel\n"), std::string::npos) << run.out;
    EXPECT_EQ(run.out.find("not reached"), std::string::npos);
    EXPECT_EQ(Shot("window.png").size(), QSize(1280, 820));
}

TEST_F(HostScriptTest, ACorruptEngineBringsTheViewersMessageAndABadDocumentIsReportedButOpensNothing)
{
    m_folder.Write("bad.json", R"({"format": "Hueline document", "version": 1, "colorModel": "CMYK",
                                   "page": {"width": 0, "height": 100}})");
    m_folder.Write("corrupt.hls", "expect menu Window/Hueline enabled\n");
    const HostRun run = Run("--engine corrupt --script corrupt.hls --describe " + Sample("label.json") + " bad.json");

    EXPECT_EQ(run.status, 1);
    EXPECT_NE(run.err.find("hueline-host: bad.json: page: width and height"), std::string::npos) << run.err;
    EXPECT_EQ(run.err.find("corrupt.hls:"), std::string::npos) << run.err;
    EXPECT_EQ(Section(run.out, "Dialogs:"),
              std::vector<std::string>{"untitled: \"Viewer\" \"Viewer is unable to find the KilnKernel plug-in, it "
                                       "may be missing or corrupt.\" [OK] answered Escape"})
        << run.out;
    EXPECT_NE(run.out.find("Menus:\nTool Palettes\n  Hueline [Hueline_HL]\nNotifiers:\n"), std::string::npos) << run.out;
    EXPECT_EQ(Section(run.out, "Engine calls:"), std::vector<std::string>{}) << "the viewer pushes nothing";
    EXPECT_EQ(Section(run.out, "Documents:"), std::vector<std::string>{"label.json revision 0 (current)"}) << run.out;
}

// The host says what it loaded, as the viewer finds it: a damaged engine is not "ready".
TEST_F(HostScriptTest, TheEngineStatusFollowsWhatTheHostLoaded)
{
    const std::pair<const char*, const char*> rows[] = {
        {"ready", "ready, connected"},
        {"not-ready", "not ready, connected"},
        {"corrupt", "damaged, kernel suites missing"},
        {"absent", "absent"},
    };
    for (const auto& [engine, status] : rows) {
        const HostRun run = Run(std::string("--engine ") + engine + " --describe");
        EXPECT_EQ(run.status, 0) << engine << "\n" << run.err;
        EXPECT_NE(run.out.find(std::string("\nEngine: ") + status + "\n"), std::string::npos) << engine << "\n" << run.out;
    }
}

// What a screen reader finds on the panel as the proof, the connection and the document change:
// the canvas's description follows the job, its zoom and whether it is up to date; the light
// says its state in words; the warning sign is named lit for a document with a foreign ink.
TEST_F(HostScriptTest, TheAccessibleTreeFollowsTheProofTheConnectionAndTheInkWarning)
{
    m_folder.Write("tree.hls", "menu \"Window/Hueline/Viewer/Viewer\"\n"
                               "accessible \"Hueline Viewer\"\n"
                               "menu \"Window/Hueline/Viewer/Generate_HL\"\n"
                               "echo --\n"
                               "accessible \"Hueline Viewer\"\n"
                               "zoom 400\n"
                               "edit move 1 10 0\n"
                               "ticks 120\n"
                               "engine connection disconnected\n"
                               "echo --\n"
                               "accessible \"Hueline Viewer\"\n"
                               "open " + Sample("unknown-spot.json") + "\n"
                               "echo --\n"
                               "accessible \"Hueline Viewer\"\n");
    const HostRun run = Run("--script tree.hls " + Sample("label.json"));
    ASSERT_EQ(run.status, 0) << run.err;
    const std::string tree = "Client \"\"\n"
                             "  Client \"\"\n"
                             "    Canvas \"Proof preview\": Proof at 198.3%, up to date\n"
                             "    Border \"\"\n"
                             "    Border \"\"\n"
                             "    Graphic \"No ink warning\" disabled\n"
                             "    Border \"\"\n"
                             "    Graphic \"Connected\": Hueline is connected to its colour service.\n"
                             "    StaticText \"Connected\": Hueline is connected to its colour service.\n"
                             "    Border \"\"\n"
                             "    StaticText \"Dot Gain Curve:\"\n"
                             "    ComboBox \"Automatic\": Automatic\n"
                             "    Border \"\"\n"
                             "      ComboBox \"198.3%\": Zoom\n"
                             "      Button \"Zoom in\"\n"
                             "      Button \"Zoom out\"\n"
                             "    Border \"\"\n"
                             "      CheckBox \"Link the preview with the document view\" checked\n"
                             "    Button \"Generate\" disabled\n";
    std::vector<std::string> states;
    for (std::size_t at = 0, next = 0; next != std::string::npos; at = next + 3) {
        next = run.out.find("--\n", at);
        states.push_back(run.out.substr(at, next == std::string::npos ? next : next - at));
    }
    ASSERT_EQ(states.size(), 4u) << run.out;
    const std::pair<std::string, std::string> before[] = {
        {"Canvas \"Proof preview\": Proof at 198.3%, up to date", "Canvas \"Proof preview\" disabled: No proof"},
        {"Border \"\"\n      ComboBox \"198.3%\": Zoom\n      Button \"Zoom in\"\n      Button \"Zoom out\"",
         "Border \"\" disabled\n      ComboBox \"Zoom\" disabled\n      Button \"Zoom in\" disabled\n"
         "      Button \"Zoom out\" disabled"},
        {"Button \"Generate\" disabled", "Button \"Generate\""},
    };
    const std::pair<std::string, std::string> changed[] = {
        {"Proof at 198.3%, up to date", "Proof at 400.0%, not up to date"},
        {"Graphic \"Connected\": Hueline is connected to its colour service.\n"
         "    StaticText \"Connected\": Hueline is connected to its colour service.",
         "Graphic \"Not Connected\": The colour service cannot be reached.\n"
         "    StaticText \"Not Connected\": The colour service cannot be reached."},
        {"ComboBox \"198.3%\"", "ComboBox \"400%\""},
        {"Button \"Generate\" disabled", "Button \"Update\""},
    };
    const auto replaced = [](std::string text, const auto& rows) {
        for (const auto& [from, to] : rows)
            text.replace(text.find(from), from.size(), to);
        return text;
    };
    EXPECT_EQ(states[0], replaced(tree, before));
    EXPECT_EQ(states[1], tree);
    EXPECT_EQ(states[2], replaced(tree, changed));
    EXPECT_NE(states[3].find("Canvas \"Proof preview\" disabled: No proof\n"), std::string::npos) << states[3];
    EXPECT_NE(states[3].find("Graphic \"Ink warning\": Some colors in this document are not part of Hueline.\\n"),
              std::string::npos)
        << states[3];
}

// The script makes, edits, copies and removes a setting through the dialogs and checks the
// files itself; the dialogs answered show each step went through the real dialogs.
TEST_F(HostScriptTest, TheDotGainDialogsMakeEditCopyAndRemoveSettingFiles)
{
    const HostRun run = Run("--script " + Sample("dot-gain-cycle.hls") + " --describe " + Sample("label.json"));

    ASSERT_EQ(run.status, 0) << run.err;
    std::vector<std::string> answered;
    for (const std::string& dialog : Section(run.out, "Dialogs:"))
        answered.push_back(dialog.substr(0, dialog.find(':')) + dialog.substr(dialog.rfind(" answered ")));
    const std::string list = "\"Dot Gain Settings\"";
    EXPECT_EQ(answered, (std::vector<std::string>{
                            list + " answered New ...", "\"New Dot Gain Settings\" answered Save", list + " answered Close",
                            list + " answered Edit ...", "\"Edit Dot Gain Settings\" answered Save", list + " answered Close",
                            list + " answered Copy ...", "\"Copy Dot Gain Settings\" answered Create", list + " answered Close",
                            list + " answered Remove", "untitled answered Remove", list + " answered Close"}))
        << run.out;
    // Each field once, with its label and unit.
    EXPECT_NE(run.out.find("\"25 % prints as\" \"30\" \"%\" \"50 % prints as\""), std::string::npos) << run.out;

    // A step the dialog cannot take fails the line that opened it; a file that differs fails its check.
    m_folder.Write("missing.hls", "menu \"Window/Hueline/Viewer/Viewer\"\nanswer select \"Press Z\"\nanswer \"Edit ...\"\n"
                                  "flyout \"Hueline Viewer\" \"Dot Gain Settings...\"\n");
    m_folder.Write("differs.hls", "expect press \"Press A\" 0 30 55 75 100\n");
    // Entries, buttons and rows named by their place: the list's first row edited and cancelled
    // (its fourth and the edit's second button), the panel's first list set to its second entry;
    // a place beyond the list fails the line.
    m_folder.Write("places.hls", "menu \"Window/Hueline/Viewer/Viewer\"\nanswer select nth:1\nanswer nth:4\n"
                                 "answer nth:2\nanswer nth:1\nflyout \"Hueline Viewer\" nth:1\n"
                                 "expect dialog \"Edit Dot Gain Settings\"\nchoose nth:1 nth:2\n"
                                 "expect control \"Press A\"\nchoose nth:1 nth:3\n");
    const HostRun missing = Run("--script missing.hls");
    const HostRun differs = Run("--script differs.hls");
    const HostRun places = Run("--script places.hls");

    EXPECT_EQ(missing.status, 1);
    EXPECT_NE(missing.err.find("missing.hls:4: dialog \"Dot Gain Settings\" has no list row \"Press Z\""), std::string::npos)
        << missing.err;
    EXPECT_EQ(differs.status, 1);
    EXPECT_NE(differs.err.find("differs.hls:1: setting \"Press A\" line 26 is \"75 Dot Gain: 82.500000\", expected \"75 Dot "
                               "Gain: 75.000000\""),
              std::string::npos)
        << differs.err;
    EXPECT_EQ(places.status, 1);
    EXPECT_NE(places.err.find("places.hls:10: drop-down list \"nth:1\" has no entry \"nth:3\""), std::string::npos)
        << places.err;
}


// The sample saves the label's proof through the flyout entry and its dialogs into the file
// dialog's first folder, the home folder: the whole job as PNG at 150 ppi, the canvas's view at
// 800 % as TIFF at 300 ppi, then the artwork bounds as PNG over the first once the replacing is
// confirmed.
TEST_F(HostScriptTest, SaveProofAsWritesTheAreaResolutionAndFormatChosen)
{
    const std::string home = "env HOME='" + m_folder.Utf8() + "'";
    const HostRun run = Run("--script " + Sample("save-proof.hls") + " --describe " + Sample("label.json"), home);

    ASSERT_EQ(run.status, 0) << run.err;
    std::vector<std::string> answered;
    for (const std::string& dialog : Section(run.out, "Dialogs:"))
        answered.push_back(dialog.substr(0, dialog.find(':')) + dialog.substr(dialog.rfind(" answered ")));
    const std::string ask = "\"Save Proof As...\" answered ";
    EXPECT_EQ(answered, (std::vector<std::string>{ask + "Save...", ask + "Save", ask + "Save...", ask + "Save",
                                                  ask + "Save...", ask + "Save", "untitled answered Replace"}))
        << run.out;
    // The label's page is 100 x 60 mm: 590.6 x 354.3 pixels at 150 ppi, rounded; its background
    // fills it, so the artwork bounds are the page. The view at 800 % is a part of the page (which
    // would be 1181 x 709 pixels at 300 ppi) of the canvas's shape, nearly square.
    const ProofFile png = ReadPng(m_folder.File("label-proof.png"));
    const ProofFile tiff = ReadTiff(m_folder.File("label-proof.tif"));
    ASSERT_TRUE(png.read && tiff.read);
    EXPECT_EQ(png.width, 591);
    EXPECT_EQ(png.height, 354);
    EXPECT_NEAR(png.ppi, 150.0, 0.02);
    EXPECT_NEAR(tiff.ppi, 300.0, 0.02);
    EXPECT_GT(tiff.width, 0);
    EXPECT_LT(tiff.width, 1181 / 3);
    EXPECT_LT(tiff.height, 709);
    EXPECT_NEAR(tiff.height, tiff.width, tiff.width / 5);
    for (const auto& entry : std::filesystem::directory_iterator(m_folder.Path()))
        EXPECT_NE(entry.path().filename().string().rfind(".~", 0), 0u) << entry.path();

    // Before a proof is shown the entry is disabled; a folder that is not there gets its message
    // and no file; declining the confirmation leaves the file as it was.
    m_folder.Write("early.hls", "menu \"Window/Hueline/Viewer/Viewer\"\nflyout \"Hueline Viewer\" \"Save Proof As...\"\n");
    m_folder.Write("refused.hls", "menu \"Window/Hueline/Viewer/Viewer\"\nmenu \"Window/Hueline/Viewer/Generate\"\n"
                                  "answer Save...\nanswer type \"File name:\" " + m_folder.File("gone/label.png") + "\n"
                                  "answer Save\nanswer OK\nflyout \"Hueline Viewer\" \"Save Proof As...\"\n"
                                  "expect dialog \"Proof Not Saved\"\n"
                                  "answer Save...\nanswer type \"File name:\" label-proof.tif\nanswer Save\n"
                                  "answer Cancel\nflyout \"Hueline Viewer\" \"Save Proof As...\"\n");
    const auto tiffTime = std::filesystem::last_write_time(m_folder.Path() / "label-proof.tif");
    const HostRun early = Run("--script early.hls " + Sample("label.json"), home);
    const HostRun refused = Run("--script refused.hls --describe " + Sample("label.json"), home);

    EXPECT_EQ(early.status, 1);
    EXPECT_NE(early.err.find("early.hls:2: flyout entry \"Save Proof As...\" is disabled"), std::string::npos) << early.err;
    ASSERT_EQ(refused.status, 0) << refused.err;
    EXPECT_NE(refused.out.find("\"The folder of " + m_folder.File("gone/label.png") + " cannot be found. No file was written.\""),
              std::string::npos)
        << refused.out;
    EXPECT_FALSE(std::filesystem::exists(m_folder.Path() / "gone"));
    EXPECT_EQ(std::filesystem::last_write_time(m_folder.Path() / "label-proof.tif"), tiffTime);
    EXPECT_EQ(ReadTiff(m_folder.File("label-proof.tif")).ppi, tiff.ppi);
}


// The session's screenshots, one after each step (docs/viewer.md shows them).
constexpr const char* kSessionSteps[] = {
    "01-panel", "02-generated", "03-barcode", "04-panned", "05-fit-artboard", "06-fit-graphics",
    "07-host-scrolled", "08-unlinked", "09-linked", "10-edited", "11-updated", "12-rgb-refused",
    "13-ink-warning", "14-label-again", "15-dot-gain-created", "16-dot-gain-chosen",
    "17-dot-gain-automatic", "18-connected", "19-connection-warning", "20-not-connected"};

struct Language
{
    const char* name;
    const char* locale;
    bool translated;  // played on the language files alone, without the generic (English) ones
    const char* engineMissing;
};

void PrintTo(const Language& language, std::ostream* out)
{
    *out << language.name;
}

class SessionLanguageTest : public HostScriptTest, public testing::WithParamInterface<Language>
{
protected:
    // A plug-in folder whose resources hold only the language folders' files, so that a text the
    // language lacks is missing rather than shown in English.
    std::string PluginsWithOnlyTheLanguage() const
    {
        namespace fs = std::filesystem;
        const fs::path built = fs::path(PLUGIN_DIR).parent_path() / "plugin-resources";
        const fs::path copy = m_folder.Path() / "app" / "plugin-resources";
        fs::create_directories(copy);
        fs::copy(built, copy, fs::copy_options::recursive);
        for (const fs::directory_entry& entry : fs::recursive_directory_iterator(copy))
            if (entry.is_regular_file() && entry.path().parent_path().extension() != ".lproj")
                fs::remove(entry.path());
        fs::create_directory_symlink(PLUGIN_DIR, m_folder.Path() / "app" / "plugins");
        return (m_folder.Path() / "app" / "plugins").string();
    }
};

// The session and the three engine failures leave the missing-key log empty, in the language the
// locale chose: the engine's message shows in it.
TEST_P(SessionLanguageTest, EveryTextOfTheSessionIsTranslated)
{
    const Language& language = GetParam();
    const std::string plugins = language.translated ? PluginsWithOnlyTheLanguage() : PLUGIN_DIR;
    const std::string environment = std::string("env -u LANG -u LC_CTYPE LC_ALL=") + language.locale +
                                    " LOCALE_MISSING=" + m_folder.File("missing.asc");
    for (const char* engine : {"ready", "corrupt", "not-ready", "absent"}) {
        const std::string script = std::string(engine) == "ready" ? "session.hls" : "engine-" + std::string(engine) + ".hls";
        const HostRun run = Run("--engine " + std::string(engine) + " --describe --script " + Sample(script) +
                                    " --screenshot-dir shots " + Sample("label.json"),
                                environment, plugins);
        ASSERT_EQ(run.status, 0) << script << "\n" << run.err;
        if (std::string(engine) == "corrupt") {
            EXPECT_NE(run.out.find(language.engineMissing), std::string::npos) << run.out;
        }
    }
    EXPECT_EQ(m_folder.Read("missing.asc"), "");
    for (const char* step : kSessionSteps)
        EXPECT_FALSE(Shot(std::string(step) + ".png").isNull()) << step;
    EXPECT_FALSE(Shot("engine-corrupt-message.png").isNull());
}

INSTANTIATE_TEST_SUITE_P(
    Languages, SessionLanguageTest,
    testing::Values(
        Language{"English", "C.UTF-8", false,
                 "Viewer is unable to find the KilnKernel plug-in, it may be missing or corrupt."},
        Language{"German", "de_DE.UTF-8", true,
                 "Viewer kann das Plug-in KilnKernel nicht finden. Es fehlt möglicherweise oder ist beschädigt."},
        Language{"French", "fr_FR.UTF-8", true,
                 "Viewer ne trouve pas le module externe KilnKernel ; il est peut-être absent ou endommagé."}),
    [](const testing::TestParamInfo<Language>& info) { return std::string(info.param.name); });

}  // namespace
